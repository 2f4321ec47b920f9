// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/riepilogo.h"
#include "teacher/esporta.h"

#include <QWidget>

class Deposito;
class Messaggi;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QTableWidget;
class Stampante;

// One pupil's progress over a period: every series as a row, the chart of the share right and
// the seconds per operation, and the facts missed most. "Stampa" gives the family's page,
// "Esporta" the series for a spreadsheet.
class PaginaAlunno : public QWidget {
    Q_OBJECT
public:
    PaginaAlunno(Deposito& deposito, Messaggi& messaggi, Stampante& stampante, Dici dici,
                 QWidget* parent = nullptr);

    void mostra(const QList<ClasseRegistro>& classi);
    void scegli(const QString& classe, const QString& alunno);
    void impostaSalvataggio(SceltaSalvataggio scelta) { salvataggio = std::move(scelta); }

private:
    void scegliClasse();
    void aggiorna();
    void stampa();
    QString periodoScritto() const;

    Deposito& deposito;
    Messaggi& messaggi;
    Stampante& stampante;
    Dici dici;
    SceltaSalvataggio salvataggio;
    QList<ClasseRegistro> classi;
    QList<SerieRegistrata> serie;
    Andamento andamento;
    QList<FattoSbagliato> fatti;
    QComboBox* classe = nullptr;
    QComboBox* alunno = nullptr;
    QDateEdit* dal = nullptr;
    QDateEdit* al = nullptr;
    QChartView* grafico = nullptr;
    QTableWidget* righe = nullptr;
    QListWidget* daEsercitare = nullptr;
};
