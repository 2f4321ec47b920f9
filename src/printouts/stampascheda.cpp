// SPDX-License-Identifier: GPL-3.0-or-later
#include "printouts/stampascheda.h"

#include "platform/messaggi.h"
#include "platform/stampante.h"
#include "state/codici.h"
#include "state/statocondiviso.h"

#include <array>

namespace {
// Positions in twips from the corner of the printable area.
constexpr double margine = 1000;          // the left edge of every text, and the name's height
constexpr double altezzaObiettivo = 1500; // the objective under the name
constexpr double colonnaDestra = 6000;    // lines 31 to 60
constexpr double altezzaPiede = 15100;    // the objective again, at the foot of the page
// Each column is three blocks of ten lines.
constexpr int righePerColonna = 30;
constexpr int righePerBlocco = 10;
constexpr std::array<double, 3> altezzeBlocchi{2000, 6500, 11000};
constexpr double passoRiga = 400;
// Type sizes in points.
constexpr int puntiNome = 14;
constexpr int puntiObiettivo = 12;
constexpr int puntiRigheAlunni = 12; // the pupils write in their copy: larger
constexpr int puntiRigheDocenti = 10;
constexpr int puntiPiede = 8;
} // namespace

void StampaIntestazione(const StatoCondiviso& stato, Stampante& stampante) {
    // By name: a printer with "Courier New" alone gets its nearest face.
    stampante.impostaFont(QStringLiteral("Courier"));
    stampante.impostaX(margine);
    stampante.impostaY(margine);
    stampante.impostaDimensione(puntiNome);
    stampante.stampa(QStringLiteral("Cognome e nome: "));
    stampante.impostaX(margine);
    stampante.impostaY(altezzaObiettivo);
    stampante.impostaDimensione(puntiObiettivo);
    stampante.stampa(stato.ObiettivoScheda);
}

void StampaScheda(StatoCondiviso& stato, Stampante& stampante, Messaggi& messaggi) {
    const QString font = fontCourier(stampante);
    if (font.isEmpty()) {
        messaggi.mostra(mancaCourier());
        return;
    }
    const bool alunni = daCodice<Destinatari>(stato.TipoStampa) == Destinatari::Alunni;
    stampante.iniziaDocumento(alunni ? QStringLiteral("scheda-alunni")
                                     : QStringLiteral("scheda-docenti"));
    stampante.impostaFont(font);
    StampaIntestazione(stato, stampante);
    stampante.impostaDimensione(alunni ? puntiRigheAlunni : puntiRigheDocenti);
    for (stato.IndiceRiga = 1; stato.IndiceRiga <= righePerScheda; ++stato.IndiceRiga) {
        const int j = (stato.IndiceRiga - 1) % righePerColonna;
        stampante.impostaX(stato.IndiceRiga <= righePerColonna ? margine : colonnaDestra);
        stampante.impostaY(altezzeBlocchi[static_cast<size_t>(j / righePerBlocco)] +
                           passoRiga * (j % righePerBlocco));
        const RigheDa1a90& righe = alunni ? stato.RigheAlunniMostrate : stato.RigheSchedaMostrata;
        stampante.stampa(righe[static_cast<size_t>(stato.IndiceRiga)]);
    }
    stampante.impostaDimensione(puntiPiede);
    stampante.impostaX(margine);
    stampante.impostaY(altezzaPiede);
    stampante.stampa(stato.ObiettivoScheda);
    stampante.fineDocumento();
}
