// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "start/frminizio.h"

#include <QApplication>

Banco::Banco(const QString& nomeProgramma, Stampante* altraStampante) {
    programma = std::make_unique<Programma>(Servizi{orologio, casuale, messaggi,
                                                    altraStampante ? *altraStampante : stampante,
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

bool usaTuttiIMomentiDiScrittura(Banco& banco) {
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    for (const char* nome : {"lblCambiaOb", "Option1(0)", "Option2(0)", "Option3(0)"}) {
        premi(f, QLatin1String(nome));
    }
    const bool esercizi = banco.programma->finestre.caricata(Finestra::Operativo);
    banco.programma->finestre.CloseAllWindows();
    return esercizi;
}
