// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/stile.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QWidget>

StileVeltrix::StileVeltrix() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon StileVeltrix::standardIcon(StandardPixmap quale, const QStyleOption* opzione,
                                 const QWidget* widget) const {
    if (quale != SP_ToolBarHorizontalExtensionButton &&
        quale != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(quale, opzione, widget);
    }
    // Two chevrons pointing where the hidden entries are: right, or down.
    constexpr int lato = 16;
    QPixmap freccia(lato, lato);
    freccia.fill(Qt::transparent);
    QPainter p(&freccia);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(widget ? widget->palette().color(QPalette::ButtonText) : QColor(Qt::black), 1.5));
    if (quale == SP_ToolBarVerticalExtensionButton) {
        p.translate(lato, 0);
        p.rotate(90);
    }
    for (double x : {4.0, 9.0}) {
        const QPointF punte[] = {{x, 4}, {x + 4, 8}, {x, 12}};
        p.drawPolyline(punte, 3);
    }
    return QIcon(freccia);
}
