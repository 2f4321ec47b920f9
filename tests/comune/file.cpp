// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/file.h"

#include <QDir>
#include <QFile>

QByteArray contenuto(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mancante>");
}

bool scrivi(const QString& percorso, const QByteArray& testo) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(testo) == testo.size();
}

CartellaDiLavoro::CartellaDiLavoro() : precedente(QDir::currentPath()) {
    QDir::setCurrent(cartella.path());
}

CartellaDiLavoro::~CartellaDiLavoro() {
    QDir::setCurrent(precedente);
}
