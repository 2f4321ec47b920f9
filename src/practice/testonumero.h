// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the exercise window writes numbers outside its labels: expected answers, record lines and
// times all put one blank where a minus sign would go, so columns of them line up.

// " 24" for 24; a negative number keeps its sign in place of the blank.
QString testoConSpazio(int numero);

// The blanks that right-align a number text to three digits: "" for 3 digits, " " for 2, "  " for
// 1. Blanks at both ends of the text are not counted.
QString spazioPer(const QString& testo);
