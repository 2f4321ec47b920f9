// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cartellalavoro.h"

#include <QDir>
#include <QStandardPaths>

QString lavoraInDocumenti() {
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString cartella = documenti + QStringLiteral("/VELTRIX");
    if (!documenti.isEmpty() && QDir().mkpath(cartella) && QDir::setCurrent(cartella)) {
        return {};
    }
    return QStringLiteral("Impossibile lavorare nella cartella %1: il programma resta in %2")
        .arg(QDir::toNativeSeparators(cartella), QDir::toNativeSeparators(QDir::currentPath()));
}
