// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A command button whose caption wraps onto more lines when the button is narrow, and which says
// when it gets the focus (a window may reveal what goes with it).
class PulsanteComando : public QPushButton {
    Q_OBJECT
public:
    PulsanteComando(const QString& testo, QWidget* parent);

signals:
    void fuocoPreso();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};
