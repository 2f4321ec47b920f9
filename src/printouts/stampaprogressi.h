// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/immagine.h"
#include "register/serieregistrata.h"

#include <QList>
#include <QString>
#include <QStringList>

class Stampante;

// The page a teacher hands to a family: the pupil's name, class and period, the chart of their
// progress, every series as a row, and the facts to practise; the name and "pagina N di M" at the
// foot of every page, so a loose sheet still says whose it is.

// What one series shows in the teacher's table and on paper, column by column.
QStringList intestazioniSerie();
QStringList colonneSerie(const SerieRegistrata& serie);
// The exercise window's reading of an operation code.
QString nomeOperazione(int codice);

struct RapportoProgressi {
    QString alunno;
    QString classe;
    QString periodo;
    QList<SerieRegistrata> serie;
    // "7 x 8: 3 volte", most missed first.
    QStringList fatti;
    // The chart as drawn on screen; printed across the page under the heading.
    Immagine grafico;
};

// One job, "progressi". False when the printer said it failed.
bool stampaProgressi(const RapportoProgressi& rapporto, Stampante& stampante);
