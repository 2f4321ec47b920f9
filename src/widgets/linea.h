// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

// A straight line between two points of its parent, like the crosses over a wrong answer. It
// takes no mouse input, so it never hides the label under it from a click.
class Linea : public QWidget {
    Q_OBJECT
public:
    explicit Linea(QWidget* parent, const QColor& colore = Qt::red, int spessore = 3);
    void impostaEstremi(QPoint da, QPoint a);
    QPoint inizio() const { return da; }
    QPoint fine() const { return a; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPoint da, a;
    QColor colore;
    int spessore;
};
