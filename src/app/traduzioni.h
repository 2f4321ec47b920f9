// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own words, such as the right-click menu of a text box ("Annulla", "Copia", "Incolla"),
// in Italian like every other word the program shows. The translator installed, owned by the
// program; null when the machine has no Italian translation of Qt: the words then stay English,
// and nothing else changes.
QTranslator* caricaTraduzioniQt(QCoreApplication& programma);
