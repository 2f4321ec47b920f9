// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Every text must be read whole. A window smaller than designed, a screen of higher resolution
// or a caption longer than the designer expected leaves a label or a button too little room for
// its font: its text would be cut at the edges. Before the control paints, its font shrinks as
// every text of the program does (printouts/restringi.h) until the text, wrapped where the
// control wraps, fits; never below the smallest size a pupil still reads (puntiLeggibili): a
// control that needs less is one to give more room. With room again the font grows back, never
// past its design.
class AdattaTesti : public QObject {
    Q_OBJECT
public:
    explicit AdattaTesti(QObject* parent) : QObject(parent) {}
    void segui(QWidget* controllo);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};

// Sets the control's font to the largest size, not above its designed one, that its text fits.
void adattaTesto(QWidget* controllo);
