// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/linea.h"

#include <QPainter>

Linea::Linea(QWidget* parent, const QColor& colore, int spessore)
    : QWidget(parent), colore(colore), spessore(spessore) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Linea::impostaEstremi(QPoint inizio, QPoint fine) {
    da = inizio;
    a = fine;
    const int margine = spessore;
    setGeometry(QRect(da, a).normalized().adjusted(-margine, -margine, margine, margine));
    update();
}

void Linea::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap));
    pittore.drawLine(da - pos(), a - pos());
}
