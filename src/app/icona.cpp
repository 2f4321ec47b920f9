// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/icona.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

void impostaIcona() {
    // Every size the build drew: a window manager takes the nearest, rather than shrinking a
    // large picture into a blur at 16 pixels. The images are read as the PNGs they are: a reader
    // left to guess the format would first load every image plugin installed (gif, ico, jpeg) to
    // ask each, which would put off the program's first window by tens of milliseconds.
    QIcon icona;
    QDirIterator immagini(QStringLiteral(":/icone"), {QStringLiteral("veltrix-*.png")},
                          QDir::Files);
    while (immagini.hasNext()) {
        QImageReader lettore(immagini.next(), "png");
        lettore.setAutoDetectImageFormat(false);
        icona.addPixmap(QPixmap::fromImage(lettore.read()));
    }
    QApplication::setWindowIcon(icona);
    QGuiApplication::setDesktopFileName(QStringLiteral(VELTRIX_ID));
}
