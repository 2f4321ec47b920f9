#include "reports/stampaelenco.h"

#include "platform/messaggi.h"
#include "platform/orologio.h"
#include "platform/stampante.h"
#include "state/statocondiviso.h"

#include <algorithm>
#include <array>

namespace {
constexpr double margine = 1000;
constexpr std::array<double, 3> altezzeTempi{13000, 13500, 14000};

// The record lines themselves, and the exercise headings among them.
void stampaRigaElenco(Stampante& stampante, const QString& testo) {
    if (stampante.y() > fondoElenco) {
        stampante.nuovaPagina();
        stampante.impostaY(inizioElenco);
    }
    stampante.impostaX(margine);
    stampante.stampa(testo);
}
} // namespace

void StampaIntestazioneElenco(const StatoCondiviso& stato, Stampante& stampante,
                              const Orologio& orologio) {
    stampante.impostaX(margine);
    stampante.impostaY(margine);
    stampante.impostaDimensione(16);
    const QString data = QStringLiteral("    Data di stampa ") + orologio.dataOggi();
    if (stato.NomeAlunno.isEmpty()) {
        stampante.stampa(QStringLiteral("Nome '..................."), false);
        stampante.stampa(data, false);
    } else {
        stampante.stampa(QStringLiteral("Nome ") + stato.NomeAlunno + data);
    }
}

bool StampaElenco(StatoCondiviso& stato, Stampante& stampante, Messaggi& messaggi,
                  const Orologio& orologio) {
    const QString font = fontCourier(stampante);
    if (font.isEmpty()) {
        messaggi.mostra(QStringLiteral("Devi installare il font Courier o il font Courier New"));
        return false;
    }
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.impostaFont(font);
    StampaIntestazioneElenco(stato, stampante, orologio);

    stampante.impostaDimensione(12);
    stampante.impostaGrassetto(true);
    stampante.impostaY(inizioElenco);
    const int righe = std::clamp<int>(stato.ContaOperazioni, 0, int(stato.RigheStampa.size()) - 1);
    for (stato.IndiceRiga = 1; stato.IndiceRiga <= righe; ++stato.IndiceRiga) {
        const int k = stato.IndiceRiga;
        if (k == 1 || k == 11 || k == 21) {
            stampante.aCapo();
            stampaRigaElenco(stampante, QStringLiteral("Esercizio n.%1").arg(k / 10 + 1));
        }
        stampaRigaElenco(stampante, stato.RigheStampa[static_cast<size_t>(k)]);
    }
    for (int e = 1; e <= 3; ++e) {
        stampante.aCapo();
        stampante.impostaX(margine);
        stampante.impostaY(altezzeTempi[static_cast<size_t>(e - 1)]);
        stampante.stampa(QStringLiteral("Eser. n.%1: Tempo tot. ").arg(e) +
                         stato.TempiEsercizio[static_cast<size_t>(e)] + QStringLiteral(" secondi"));
    }
    return stampante.fineDocumento();
}
