// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/pin.h"

#include <QWidget>

class Annuncio;
class Deposito;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The door of the register. The first time, the teacher chooses the PIN and types it twice;
// after that, nothing of the register shows until it is typed right. After five wrong tries each
// further one waits, twice as long as the last, with the time left shown as it runs down. The
// tries are kept in the register, so closing the program does not reset them.
class PaginaPin : public QWidget {
    Q_OBJECT
public:
    explicit PaginaPin(Deposito& deposito, QWidget* parent = nullptr);

signals:
    void aperto();

private:
    void prepara();
    void conferma();
    void scegli();
    void prova();
    void aggiornaAttesa();
    bool attesaInCorso() const;
    void errore(const QString& testo);

    Deposito& deposito;
    QString impronta;
    pin::Tentativi tentativi;
    QFormLayout* modulo = nullptr;
    QLabel* titolo = nullptr;
    QLabel* esito = nullptr;
    QLineEdit* campo = nullptr;
    QLineEdit* ripeti = nullptr;
    QPushButton* entra = nullptr;
    QTimer* conto = nullptr;
    Annuncio* annuncio = nullptr;
};
