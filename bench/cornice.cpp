// SPDX-License-Identifier: GPL-3.0-or-later
// A reference between the floor and the program: the start window's frame as the pupil first
// sees it (the main window maximized, its menu bar, the closed curtain) with none of the
// controls behind the curtain. What the program costs beyond this is its controls and fonts.
#include "rules/palette.h"
#include "widgets/colori.h"
#include "widgets/stile.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new StileVeltrix);
    QMainWindow finestra;
    for (const char* voce : {"Stampa schede", "Valutazione", "Esemplicazione"}) {
        finestra.menuBar()->addMenu(QString::fromUtf8(voce));
    }
    auto* area = new QWidget;
    finestra.setCentralWidget(area);
    QWidget* sinistra = new QWidget(area);
    QWidget* destra = new QWidget(area);
    finestra.showMaximized();
    const QSize lato = finestra.screen()->availableSize();
    sinistra->setGeometry(0, 0, lato.width() / 2, lato.height());
    destra->setGeometry(lato.width() / 2, 0, lato.width() - lato.width() / 2, lato.height());
    for (QWidget* pannello : {sinistra, destra}) {
        impostaSfondo(pannello, colori::rosa);
    }
    return app.exec();
}
