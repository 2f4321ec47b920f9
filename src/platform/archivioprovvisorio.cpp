// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/archivioprovvisorio.h"

#include <QRandomGenerator>

QString nomeProvvisorio(const QString& percorso) {
    // 64 random bits: a name already taken is as good as impossible, and the writer that finds
    // one anyway draws again rather than touch it.
    const quint64 caso = QRandomGenerator::system()->generate64();
    return percorso + QLatin1Char('.') + QString::number(caso, 36) + QStringLiteral(".tmp");
}
