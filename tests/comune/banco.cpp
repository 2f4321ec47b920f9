#include "comune/banco.h"

#include <QApplication>
#include <QDir>

Banco::Banco(const QString& nomeProgramma, Stampante* altraStampante)
    : cartellaPrecedente(QDir::currentPath()) {
    QDir::setCurrent(cartella.path());
    programma = std::make_unique<Programma>(Servizi{orologio, casuale, messaggi,
                                                    altraStampante ? *altraStampante : stampante,
                                                    archivio, nomeProgramma});
}

Banco::~Banco() {
    programma->finestre.CloseAllWindows();
    // Closed windows are deleted on the next pass of the event loop, while the program lives.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    programma.reset();
    QDir::setCurrent(cartellaPrecedente);
}

QString Banco::percorso(const QString& nomeFile) const {
    return cartella.filePath(nomeFile);
}
