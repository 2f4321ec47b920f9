// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/fraseoperazione.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<const char*, const char*>, 5> segni{{
    {"+", "più"},
    {"-", "meno"},
    {"x", "per"},
    {":", "diviso"},
    {"=", "uguale"},
}};

// The word said for a sign; empty for a number or "?".
QString parola(const QString& parte) {
    for (const auto& [segno, detto] : segni) {
        if (parte == QLatin1String(segno)) {
            return QString::fromUtf8(detto);
        }
    }
    return {};
}
} // namespace

QString fraseOperazione(const QStringList& parti) {
    QStringList parole;
    for (const QString& parte : parti) {
        const QString testo = parte.simplified();
        if (!testo.isEmpty()) {
            parole << testo;
        } else if (!parole.isEmpty() && !parola(parole.last()).isEmpty()) {
            parole.removeLast();
        }
    }
    for (QString& p : parole) {
        if (const QString detto = parola(p); !detto.isEmpty()) {
            p = detto;
        }
    }
    return parole.join(QLatin1Char(' '));
}
