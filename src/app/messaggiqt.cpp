// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messaggiqt.h"

#include <QApplication>
#include <QMessageBox>

MessaggiQt::MessaggiQt(QString titolo) : titolo(std::move(titolo)) {}

void MessaggiQt::mostra(const QString& testo) {
    QMessageBox scatola(QMessageBox::NoIcon, titolo, testo, QMessageBox::Ok,
                        QApplication::activeWindow());
    scatola.exec();
}
