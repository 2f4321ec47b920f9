#include "printouts/stampascheda.h"

#include "platform/messaggi.h"
#include "platform/stampante.h"
#include "state/statocondiviso.h"

#include <array>

namespace {
constexpr std::array<double, 3> altezzeBlocchi{2000, 6500, 11000};
constexpr double passoRiga = 400;
} // namespace

void StampaIntestazione(const StatoCondiviso& stato, Stampante& stampante) {
    // By name: a printer with "Courier New" alone gets its nearest face.
    stampante.impostaFont(QStringLiteral("Courier"));
    stampante.impostaX(1000);
    stampante.impostaY(1000);
    stampante.impostaDimensione(14);
    stampante.stampa(QStringLiteral("Cognome e nome: "));
    stampante.impostaX(1000);
    stampante.impostaY(1500);
    stampante.impostaDimensione(12);
    stampante.stampa(stato.ObiettivoScheda);
}

void StampaScheda(StatoCondiviso& stato, Stampante& stampante, Messaggi& messaggi) {
    const QString font = fontCourier(stampante);
    if (font.isEmpty()) {
        messaggi.mostra(QStringLiteral("Devi installare il font Courier o il font Courier New"));
        return;
    }
    stampante.iniziaDocumento(stato.TipoStampa == 1 ? QStringLiteral("scheda-alunni")
                                                    : QStringLiteral("scheda-docenti"));
    stampante.impostaFont(font);
    StampaIntestazione(stato, stampante);
    stampante.impostaDimensione(stato.TipoStampa == 1 ? 12 : 10);
    for (stato.IndiceRiga = 1; stato.IndiceRiga <= righePerScheda; ++stato.IndiceRiga) {
        const int j = (stato.IndiceRiga - 1) % 30;
        stampante.impostaX(stato.IndiceRiga <= 30 ? 1000 : 6000);
        stampante.impostaY(altezzeBlocchi[static_cast<size_t>(j / 10)] + passoRiga * (j % 10));
        stampante.stampa(stato.RigheSchedaMostrata[static_cast<size_t>(stato.IndiceRiga)]);
    }
    stampante.impostaDimensione(8);
    stampante.impostaX(1000);
    stampante.impostaY(15100);
    stampante.stampa(stato.ObiettivoScheda);
    stampante.fineDocumento();
}
