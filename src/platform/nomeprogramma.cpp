// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/nomeprogramma.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

QString nomeDaPercorso(const QString& percorso) {
    const QFileInfo info(percorso);
    const QString nome = info.completeBaseName();
    if (!nome.isEmpty()) {
        return nome;
    }
    // Started with no name at all (execve allows it), the settings file would be a hidden ".dat".
    return info.fileName().isEmpty() ? QStringLiteral("veltrix") : info.fileName();
}

QString nomeProgrammaInEsecuzione() {
    const QStringList argomenti = QCoreApplication::arguments();
    const QString percorso =
        argomenti.isEmpty() ? QCoreApplication::applicationFilePath() : argomenti.first();
    return nomeDaPercorso(percorso);
}
