// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/serieregistrata.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// What the teacher reads in the register: the class at a glance over a period, one pupil's
// progress series after series, and the facts a pupil missed most. Plain computations on series
// already read; nothing here touches a database.

// One pupil's line of the class at a glance.
struct SintesiAlunno {
    AlunnoRegistro alunno;
    int serie = 0, operazioni = 0, esatte = 0, errate = 0;
    // The grade of the pupil's latest series in the period; empty when there is none.
    QString valutazione;
    bool nulla() const { return serie == 0; }
};

// Every pupil of `classe`, in the class's order, with the series among `serie` that are theirs
// and began, by the local date, between `dal` and `al`, both included. Other pupils' series are
// left out; a pupil who did nothing in the period has a line of zeros.
QList<SintesiAlunno> sintesiClasse(const ClasseRegistro& classe,
                                   const QList<SerieRegistrata>& serie, QDate dal, QDate al);

// A series' two figures, as the chart draws them and the pupil's table writes them: the share of
// right answers among its answers, and the seconds an operation took on average. None where the
// series has no answer, or no operation.
std::optional<double> percentualeEsatte(const SerieRegistrata& s);
std::optional<double> secondiPerOperazione(const SerieRegistrata& s);

// One series on the progress chart: when it ended (when it began, if it never did), the share of
// right answers and the seconds an operation took on average.
struct PuntoAndamento {
    QDateTime quando;
    double percentualeEsatte = 0;
    double secondiPerOperazione = 0;
};

// The points oldest first, and the chart's axes: the first and last moment, the slowest average.
struct Andamento {
    QList<PuntoAndamento> punti;
    QDateTime dal, al;
    double secondiMassimi = 0;
};

// One point per series of one pupil, in any order. A series with no answer or no operation gets
// no point: it has no share of right answers to show, neither 0% nor 100%.
Andamento andamentoAlunno(const QList<SerieRegistrata>& serie);

// A fact as the pupil met it, "12 + 7 + 5" when the result was missing, "12 + ? + 5 = 24" when a
// term was, and how many operations of it went wrong or needed the teacher.
struct FattoSbagliato {
    QString fatto;
    int volte = 0;
};

// The `quanti` facts missed most in one pupil's series, most often first, then most recently
// first. An operation counts once, however many wrong answers it had.
QList<FattoSbagliato> fattiPiuSbagliati(const QList<SerieRegistrata>& serie, int quanti);

// "m:ss" for a number of seconds, as a teacher reads a time: "0:07", "2:05", "75:00".
QString minutiSecondi(qint64 secondi);
