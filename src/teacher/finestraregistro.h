// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/serieregistrata.h"
#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

class Annuncio;
class PaginaAlunno;
class PaginaClasse;
class PaginaGiornata;
class PaginaImpostazioni;
class PaginaPin;
class QLabel;
class QStackedWidget;
class QTabWidget;

// The teacher's window: behind the PIN, the classes, a class at a glance, each pupil's progress
// and the settings. It reads and changes the register the program writes the series to: the
// school's, where the lab shares one.
class FinestraRegistro : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FinestraRegistro(Contesto& contesto);

    PaginaClasse* paginaClasse() const { return classe; }
    PaginaGiornata* paginaGiornata() const { return giornata; }
    PaginaAlunno* paginaAlunno() const { return alunno; }
    QTabWidget* schede() const { return pagine; }

private:
    void apri();
    void ricarica();
    void dici(const QString& testo);

    Contesto& contesto;
    QStackedWidget* porta = nullptr;
    PaginaPin* pin = nullptr;
    QTabWidget* pagine = nullptr;
    PaginaClasse* classe = nullptr;
    PaginaGiornata* giornata = nullptr;
    PaginaAlunno* alunno = nullptr;
    PaginaImpostazioni* paginaImpostazioni = nullptr;
    QLabel* stato = nullptr;
    Annuncio* annuncio = nullptr;
};
