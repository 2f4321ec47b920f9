// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The row of the exercise window as a screen reader says it: "12 più 7 più ? uguale 24". The
// parts are the captions from left to right, numbers and signs; blanks around them are dropped,
// and so is a part left empty together with the sign before it, so a row with one term less
// does not say a sign with nothing after it.
QString fraseOperazione(const QStringList& parti);
