#include "start/esempi.h"

#include "exercise/generazione.h"
#include "exercise/presentazione.h"
#include "state/statocondiviso.h"
#include "worksheets/righescheda.h"

namespace {
constexpr int livelli = 4;

// The bounds of each level, as the start window sets them.
void impostaLivello(StatoCondiviso& s, int livello) {
    constexpr qint16 limiti[livelli][2] = {{1, 30}, {30, 60}, {60, 99}, {1, 99}};
    s.Livello = static_cast<qint16>(livello);
    s.NumeroMin = limiti[livello - 1][0];
    s.NumeroMax = limiti[livello - 1][1];
}
} // namespace

std::vector<EsempioEsercizio> esempiEsercizi(qint16 operazione, SorgenteCasuale& casuale,
                                             const Orologio& orologio) {
    std::vector<EsempioEsercizio> esempi;
    if (operazione < 1 || operazione > 3) {
        return esempi;
    }
    for (int livello = 1; livello <= livelli; ++livello) {
        // A state of its own: an example never touches the pupil's series.
        StatoCondiviso s;
        s.Operazione = operazione;
        impostaLivello(s, livello);
        const QString segno = GeneraOperazioneTermini(s, casuale, orologio);
        const RigaOperazione mostrata = PresentaOperazione(s, casuale, orologio);
        const auto& n = mostrata.numeri;
        const QString tra = QLatin1Char(' ') + segno + QLatin1Char(' ');
        esempi.push_back({livello, n[0] + tra + n[1] + tra + n[2] + QStringLiteral(" = ") + n[3],
                          s.TestoRisultato.trimmed()});
    }
    return esempi;
}

std::vector<EsempioScheda> esempiSchede(qint16 operazione, qint16 livello, SorgenteCasuale& casuale,
                                        const Orologio& orologio) {
    std::vector<EsempioScheda> esempi;
    for (const OperazioneScheda& o : operazioniDellaScheda(operazione)) {
        for (int tipo = 1; tipo <= o.tipi; ++tipo) {
            StatoCondiviso s;
            s.Operazione = operazione;
            impostaLivello(s, livello);
            s.TipoMin = s.TipoMax = static_cast<qint16>(tipo);
            s.IndiceRiga = 1;
            o.genera(s, casuale, orologio);
            esempi.push_back({QLatin1String(o.nome), tipo, s.RigheAlunni[1], s.RigheDocenti[1]});
        }
    }
    return esempi;
}
