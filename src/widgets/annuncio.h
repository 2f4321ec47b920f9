// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// What a screen reader must say at once though the focus is elsewhere: the verdict on an answer,
// the next operation. For the reader it is a notification that appears anew with each message,
// which Orca speaks whatever control has the focus; on screen it is nothing, and a click goes
// through it to what lies below.
//
// A reader drops what a window says before it is the active one, so a message of a window that
// is not active yet (a window just opened, whose first operation is ready before the window
// manager has given it the focus) is said when the window becomes active.
class Annuncio : public QWidget {
    Q_OBJECT
public:
    explicit Annuncio(QWidget* parent);

    void annuncia(const QString& testo);
    QString messaggio() const { return ultimo; }

protected:
    bool event(QEvent* e) override;

private:
    void dillo();

    QString ultimo;
    bool inAttesa = false;
};
