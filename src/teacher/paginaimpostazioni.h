// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/condivisi.h"

#include <QWidget>

class Archivio;
class Deposito;
class Messaggi;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// What a teacher sets once in a while: the operation code of this PC's settings file, the PIN,
// and forgetting the series of a school year that is over.
class PaginaImpostazioni : public QWidget {
    Q_OBJECT
public:
    PaginaImpostazioni(Deposito& deposito, Messaggi& messaggi, Archivio& archivio,
                       QString fileImpostazioni, Dici dici, QWidget* parent = nullptr);

signals:
    void cambiato();

private:
    void salvaOperazione();
    void cambiaPin();
    void dimentica();

    Deposito& deposito;
    Messaggi& messaggi;
    Archivio& archivio;
    QString fileImpostazioni;
    Dici dici;
    QComboBox* operazione = nullptr;
    QLineEdit* nuovoPin = nullptr;
    QLineEdit* ripetiPin = nullptr;
    QDateEdit* prima = nullptr;
};
