// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/esporta.h"

#include <QWidget>

class Deposito;
class Messaggi;
class QComboBox;
class QDateEdit;
class QPushButton;
class QTableWidget;

// A class at a glance for one day or one week: each pupil's series, operations, right and wrong
// answers and last grade; who did nothing stands out. A pupil's row opens their progress.
class PaginaGiornata : public QWidget {
    Q_OBJECT
public:
    PaginaGiornata(Deposito& deposito, Messaggi& messaggi, Dici dici, QWidget* parent = nullptr);

    void mostra(const QList<ClasseRegistro>& classi);
    void impostaSalvataggio(SceltaSalvataggio scelta) { salvataggio = std::move(scelta); }
    QTableWidget* tabella() const { return righe; }

signals:
    void apriAlunno(const QString& classe, const QString& alunno);

private:
    void aggiorna();
    void esportaClasse();

    Deposito& deposito;
    Messaggi& messaggi;
    Dici dici;
    SceltaSalvataggio salvataggio;
    QList<ClasseRegistro> classi;
    QComboBox* classe = nullptr;
    QDateEdit* giorno = nullptr;
    QComboBox* periodo = nullptr;
    QTableWidget* righe = nullptr;
};
