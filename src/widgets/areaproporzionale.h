// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/posizioni.h"

#include <QWidget>

// The inner area of a window, designed at a size in twips. Once its controls are built it
// records their places; every resize puts them back in proportion and then tells the window.
class AreaProporzionale : public QWidget {
    Q_OBJECT
public:
    AreaProporzionale(double larghezzaTwip, double altezzaTwip, QWidget* parent = nullptr);
    void registraPosizioni();
    Posizioni& posizioni() { return tabella; }

signals:
    void ridimensionata();
    void cliccata();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    Posizioni tabella;
};
