// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/testonumero.h"

#include <algorithm>

QString testoConSpazio(int numero) {
    const QString cifre = QString::number(numero);
    return numero < 0 ? cifre : QLatin1Char(' ') + cifre;
}

QString spazioPer(const QString& testo) {
    const auto cifre = static_cast<int>(testo.trimmed().size());
    return QString(std::max(0, 3 - cifre), QLatin1Char(' '));
}
