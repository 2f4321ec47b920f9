// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that answers a click, for captions that act like links.
class Etichetta : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void cliccata();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool premuta = false;
};
