// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"

#include <QApplication>

Banco::Banco(const QString& nomeProgramma, Stampante* altraStampante) {
    programma = std::make_unique<Programma>(Servizi{
        orologio, casuale, messaggi, altraStampante ? *altraStampante : stampante,
        archivio, nomeProgramma});
}

Banco::~Banco() {
    programma->finestre.CloseAllWindows();
    // Closed windows are deleted on the next pass of the event loop, while the program lives.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    programma.reset();
}

QString Banco::percorso(const QString& nomeFile) const {
    return cartella.percorso(nomeFile);
}
