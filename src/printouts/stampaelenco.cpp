// SPDX-License-Identifier: GPL-3.0-or-later
#include "printouts/stampaelenco.h"

#include "platform/messaggi.h"
#include "platform/orologio.h"
#include "platform/stampante.h"
#include "printouts/restringi.h"
#include "state/statocondiviso.h"

#include <algorithm>
#include <array>
#include <vector>

namespace elenco {

namespace {
// Positions in twips from the corner of the printable area; sizes in points.
constexpr double margine = 1000; // the left edge of every text, and the heading's height
constexpr std::array<double, 3> altezzeTempi{13000, 13500, 14000}; // exercises 1 to 3
constexpr double puntiIntestazione = 16;
constexpr double puntiRighe = 12;
constexpr double puntiSeguito = 9; // the small heading of a page after the first

// A record line or an exercise heading, with the page it falls on (from 1) and its height.
struct RigaElenco {
    QString testo;
    int pagina;
    double y;
};

// Lays the list out before printing it, so every page can say how many there are. A heading
// comes after a blank line; a line that would start lower than the bottom goes to a new page.
std::vector<RigaElenco> impaginaElenco(const StatoCondiviso& stato, int righe, double passo) {
    std::vector<RigaElenco> risultato;
    int pagina = 1;
    double y = inizioElenco;
    const auto metti = [&](const QString& testo) {
        if (y > fondoElenco) {
            ++pagina;
            y = inizioElenco;
        }
        risultato.push_back({testo, pagina, y});
        y += passo;
    };
    for (int k = 1; k <= righe; ++k) {
        if (k == 1 || k == 11 || k == 21) {
            y += passo;
            metti(QStringLiteral("Esercizio n.%1").arg(k / 10 + 1));
        }
        metti(stato.RigheStampa[static_cast<size_t>(k)]);
    }
    return risultato;
}

// The header's parts, as the first page prints them and the later pages repeat them.
const QString nomeDavanti = QStringLiteral("Nome ");

QString nomeOPuntini(const StatoCondiviso& stato) {
    return stato.NomeAlunno.isEmpty() ? QStringLiteral("'...................") : stato.NomeAlunno;
}

QString dataIntestazione(const Orologio& orologio) {
    return QStringLiteral("    Data di stampa ") + orologio.dataOggi();
}

// A header line with the name in it, then a line end. A name of wide characters (emoji, Hangul)
// would push the rest off the paper: it alone is printed smaller, as a line too wide for the
// certificate is, and sits in the middle of the line's height. A name that fits leaves the line
// one text at one size.
void stampaConNome(Stampante& stampante, const QString& nome, const QString& dopo) {
    const double disponibile = stampante.areaStampabile().width() - stampante.x();
    const QString riga = nomeDavanti + nome + dopo;
    Stampante::Carattere c = stampante.carattere();
    if (stampante.larghezza(riga, c) <= disponibile) {
        stampante.stampa(riga);
        return;
    }
    const double punti = c.punti;
    const double y = stampante.y();
    const double altezza = stampante.altezzaRigaCorrente();
    const double resto = stampante.larghezza(nomeDavanti, c) + stampante.larghezza(dopo, c);
    stampante.stampa(nomeDavanti, false);
    stampante.impostaDimensione(puntiPerLarghezza(punti, disponibile - resto, [&](double p) {
        c.punti = p;
        return stampante.larghezza(nome, c);
    }));
    stampante.impostaY(y + (altezza - stampante.altezzaRigaCorrente()) / 2);
    stampante.stampa(nome, false);
    stampante.impostaDimensione(punti);
    stampante.impostaY(y);
    stampante.stampa(dopo);
}

// A page that leaves the first says whose list it belongs to, should the sheets come apart.
void iniziaPaginaSeguente(Stampante& stampante, const StatoCondiviso& stato,
                          const Orologio& orologio, int pagina, int pagine) {
    stampante.nuovaPagina();
    stampante.impostaDimensione(puntiSeguito);
    stampante.impostaGrassetto(false);
    stampante.impostaX(margine);
    stampante.impostaY(margine);
    stampaConNome(stampante, nomeOPuntini(stato),
                  dataIntestazione(orologio) +
                      QStringLiteral("    pagina %1 di %2").arg(pagina).arg(pagine));
    stampante.impostaDimensione(puntiRighe);
    stampante.impostaGrassetto(true);
}

void stampaTempi(const StatoCondiviso& stato, Stampante& stampante) {
    for (int e = 1; e <= 3; ++e) {
        stampante.aCapo();
        stampante.impostaX(margine);
        stampante.impostaY(altezzeTempi[static_cast<size_t>(e - 1)]);
        stampante.stampa(QStringLiteral("Eser. n.%1: Tempo tot. ").arg(e) +
                         stato.TempiEsercizio[static_cast<size_t>(e)] + QStringLiteral(" secondi"));
    }
}
} // namespace

void StampaIntestazioneElenco(const StatoCondiviso& stato, Stampante& stampante,
                              const Orologio& orologio) {
    stampante.impostaX(margine);
    stampante.impostaY(margine);
    stampante.impostaDimensione(puntiIntestazione);
    if (stato.NomeAlunno.isEmpty()) {
        stampante.stampa(nomeDavanti + nomeOPuntini(stato), false);
        stampante.stampa(dataIntestazione(orologio), false);
    } else {
        stampaConNome(stampante, stato.NomeAlunno, dataIntestazione(orologio));
    }
}

bool StampaElenco(StatoCondiviso& stato, Stampante& stampante, Messaggi& messaggi,
                  const Orologio& orologio) {
    const QString font = fontCourier(stampante);
    if (font.isEmpty()) {
        messaggi.mostra(mancaCourier());
        return false;
    }
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.impostaFont(font);
    StampaIntestazioneElenco(stato, stampante, orologio);

    stampante.impostaDimensione(puntiRighe);
    stampante.impostaGrassetto(true);
    stampante.impostaY(inizioElenco);
    const int righe = std::clamp<int>(stato.ContaOperazioni, 0, int(stato.RigheStampa.size()) - 1);
    const std::vector<RigaElenco> elenco =
        impaginaElenco(stato, righe, stampante.altezzaRigaCorrente());
    const int pagine = elenco.empty() ? 1 : elenco.back().pagina;
    int pagina = 1;
    for (const RigaElenco& riga : elenco) {
        if (riga.pagina > pagina) {
            pagina = riga.pagina;
            iniziaPaginaSeguente(stampante, stato, orologio, pagina, pagine);
        }
        stampante.impostaX(margine);
        stampante.impostaY(riga.y);
        stampante.stampa(riga.testo);
    }
    stato.IndiceRiga = static_cast<qint16>(righe + 1);
    stampaTempi(stato, stampante);
    return stampante.fineDocumento();
}

} // namespace elenco
