// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/traduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator* caricaTraduzioniQt(QCoreApplication& programma) {
    auto* traduttore = new QTranslator(&programma);
    // The program speaks Italian whatever the desktop's language is.
    if (!traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return nullptr;
    }
    QCoreApplication::installTranslator(traduttore);
    return traduttore;
}
