// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filenuovo.h"

#include <QFile>

namespace {
// Jobs in the same second from several windows stay far below this.
constexpr int tentativi = 1000;
} // namespace

QString creaFileNuovo(const QString& base, const QString& estensione, QFile& file) {
    for (int n = 1; n <= tentativi; ++n) {
        const QString nome =
            n == 1 ? base + estensione : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(estensione);
        switch (creaSeNuovo(nome, file)) {
        case Creazione::Creato:
            return nome;
        case Creazione::Fallito:
            return {};
        case Creazione::Occupato:
            break;
        }
    }
    return {};
}
