// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/nomeprogramma.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

QString nomeDaPercorso(const QString& percorso) {
    const QFileInfo info(percorso);
    const QString nome = info.completeBaseName();
    return nome.isEmpty() ? info.fileName() : nome;
}

QString nomeProgrammaInEsecuzione() {
    const QStringList argomenti = QCoreApplication::arguments();
    const QString percorso =
        argomenti.isEmpty() ? QCoreApplication::applicationFilePath() : argomenti.first();
    return nomeDaPercorso(percorso);
}
