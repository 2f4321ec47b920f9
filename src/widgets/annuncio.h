// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// What a screen reader must say at once though the focus is elsewhere: the verdict on an answer,
// the next operation. For the reader it is a notification that appears anew with each message,
// which Orca speaks whatever control has the focus; on screen it is nothing, and a click goes
// through it to what lies below.
class Annuncio : public QWidget {
    Q_OBJECT
public:
    explicit Annuncio(QWidget* parent);

    void annuncia(const QString& testo);
    QString messaggio() const { return ultimo; }

private:
    QString ultimo;
};
