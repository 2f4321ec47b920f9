// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/esempi.h"

#include "practice/generazione.h"
#include "practice/presentazione.h"
#include "practice/righescheda.h"
#include "rules/scelte.h"
#include "state/statocondiviso.h"

std::vector<EsempioEsercizio> esempiEsercizi(qint16 operazione, SorgenteCasuale& casuale,
                                             const Orologio& orologio) {
    std::vector<EsempioEsercizio> esempi;
    if (operazione < 1 || operazione > 3) {
        return esempi;
    }
    for (int livello = 1; livello <= numeroLivelli; ++livello) {
        // A state of its own: an example never touches the pupil's series.
        StatoCondiviso s;
        s.Operazione = operazione;
        scegliLivello(s, livello - 1);
        s.LivelloSerie = s.Livello;
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
            scegliLivello(s, livello - 1);
            s.TipoMin = s.TipoMax = static_cast<qint16>(tipo);
            s.IndiceRiga = 1;
            o.genera(s, casuale, orologio);
            esempi.push_back({QLatin1String(o.nome), tipo, s.RigheAlunni[1], s.RigheDocenti[1]});
        }
    }
    return esempi;
}
