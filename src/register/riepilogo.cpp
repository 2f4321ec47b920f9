// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/riepilogo.h"

#include "practice/presentazione.h"
#include "state/statocondiviso.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {

// When a series happened: its end, or its start where no end was kept.
QDateTime momento(const SerieRegistrata& s) {
    return s.fine.isValid() ? s.fine : s.inizio;
}

// Oldest first, whatever order the caller read them in; series of the same moment keep theirs.
std::vector<const SerieRegistrata*> inOrdine(const QList<SerieRegistrata>& serie) {
    std::vector<const SerieRegistrata*> ordinate;
    for (const SerieRegistrata& s : serie) {
        ordinate.push_back(&s);
    }
    std::stable_sort(ordinate.begin(), ordinate.end(),
                     [](const auto* a, const auto* b) { return momento(*a) < momento(*b); });
    return ordinate;
}

bool sbagliata(const OperazioneRegistrata& o) {
    return o.intervento || std::any_of(o.risposte.cbegin(), o.risposte.cend(),
                                       [](const RispostaRegistrata& r) { return !r.esatta; });
}

// The row is rebuilt by the exercise window's own layout, so the terms stand where the pupil saw
// them: a subtraction's minuend is the sum of the three numbers, and which of them follows it
// depends on the hidden element. Empty for a row the window cannot show (an operation without
// exercises, a hidden element out of range), which a damaged register could hold.
QString fattoMostrato(StatoCondiviso& prova, const SerieRegistrata& s,
                      const OperazioneRegistrata& o) {
    prova.TermineA = o.termineA;
    prova.TermineB = o.termineB;
    prova.TermineC = o.termineC;
    const RigaOperazione riga = EseguiSchema(prova, s.operazione, o.mancante);
    if (riga.mancante < 0) {
        return {};
    }
    const auto& n = riga.numeri;
    const QString tra = QLatin1Char(' ') + o.segno.trimmed() + QLatin1Char(' ');
    const QString termini = n[0] + tra + n[1] + tra + n[2];
    // With the result missing, "= ?" says nothing: the bare fact is what the pupil must learn.
    return riga.mancante == indiceEtichetta(1) ? termini : termini + QStringLiteral(" = ") + n[3];
}

} // namespace

QList<SintesiAlunno> sintesiClasse(const ClasseRegistro& classe,
                                   const QList<SerieRegistrata>& serie, QDate dal, QDate al) {
    QList<SintesiAlunno> righe;
    QHash<QString, qsizetype> riga;
    for (const AlunnoRegistro& a : classe.alunni) {
        riga.insert(a.id, righe.size());
        righe.emplaceBack().alunno = a;
    }
    // Oldest first, so the grade left on each line is the one of the pupil's latest series.
    for (const SerieRegistrata* s : inOrdine(serie)) {
        const QDate giorno = s->inizio.toLocalTime().date();
        const auto chi = riga.constFind(s->alunno);
        if (chi == riga.cend() || !giorno.isValid() || giorno < dal || giorno > al) {
            continue;
        }
        SintesiAlunno& r = righe[*chi];
        ++r.serie;
        r.operazioni += s->operazioni;
        r.esatte += s->esatte;
        r.errate += s->errate;
        r.valutazione = s->valutazione;
    }
    return righe;
}

std::optional<double> percentualeEsatte(const SerieRegistrata& s) {
    const int risposte = s.esatte + s.errate;
    return risposte ? std::optional(100.0 * s.esatte / risposte) : std::nullopt;
}

std::optional<double> secondiPerOperazione(const SerieRegistrata& s) {
    return s.operazioni ? std::optional(static_cast<double>(s.tempoTotale) / s.operazioni)
                        : std::nullopt;
}

Andamento andamentoAlunno(const QList<SerieRegistrata>& serie) {
    Andamento andamento;
    for (const SerieRegistrata* s : inOrdine(serie)) {
        const auto esatte = percentualeEsatte(*s);
        const auto secondi = secondiPerOperazione(*s);
        // Only a damaged register holds negative counts: such a series has no point.
        if (!momento(*s).isValid() || s->esatte < 0 || s->errate < 0 || s->operazioni < 0 ||
            !esatte || !secondi) {
            continue;
        }
        const PuntoAndamento p{momento(*s), *esatte, *secondi};
        andamento.punti.append(p);
        andamento.secondiMassimi = std::max(andamento.secondiMassimi, p.secondiPerOperazione);
    }
    if (!andamento.punti.isEmpty()) {
        andamento.dal = andamento.punti.first().quando;
        andamento.al = andamento.punti.last().quando;
    }
    return andamento;
}

QList<FattoSbagliato> fattiPiuSbagliati(const QList<SerieRegistrata>& serie, int quanti) {
    struct Conto {
        FattoSbagliato fatto;
        // The place of its latest miss among all the operations, oldest first.
        int ultimo = 0;
    };
    QHash<QString, Conto> conti;
    StatoCondiviso prova;
    int posto = 0;
    for (const SerieRegistrata* s : inOrdine(serie)) {
        for (const OperazioneRegistrata& o : s->operazioniGiudicate) {
            ++posto;
            const QString fatto = sbagliata(o) ? fattoMostrato(prova, *s, o) : QString();
            if (!fatto.isEmpty()) {
                Conto& c = conti[fatto];
                c.fatto = {fatto, c.fatto.volte + 1};
                c.ultimo = posto;
            }
        }
    }
    std::vector<Conto> ordinati(conti.cbegin(), conti.cend());
    std::sort(ordinati.begin(), ordinati.end(), [](const Conto& a, const Conto& b) {
        return a.fatto.volte != b.fatto.volte ? a.fatto.volte > b.fatto.volte : a.ultimo > b.ultimo;
    });
    QList<FattoSbagliato> primi;
    for (const Conto& c : ordinati) {
        if (primi.size() >= quanti) {
            break;
        }
        primi.append(c.fatto);
    }
    return primi;
}

QString minutiSecondi(qint64 secondi) {
    // Only a damaged register holds a negative time: shown as none, not as "-1:-5".
    secondi = std::max<qint64>(secondi, 0);
    return QStringLiteral("%1:%2").arg(secondi / 60).arg(secondi % 60, 2, 10, QLatin1Char('0'));
}
