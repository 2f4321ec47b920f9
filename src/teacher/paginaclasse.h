// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/condivisi.h"

#include <QWidget>

#include <functional>

class Deposito;
class Messaggi;
class QLineEdit;
class QListWidget;

// The classes and their pupils: made, renamed and removed here, or read from the class list the
// school's electronic register exports. Names are typed in the page itself, never in a box that
// waits on top of it.
class PaginaClasse : public QWidget {
    Q_OBJECT
public:
    using SceltaFile = std::function<QString()>;
    PaginaClasse(Deposito& deposito, Messaggi& messaggi, Dici dici, QWidget* parent = nullptr);

    void mostra(const QList<ClasseRegistro>& classi);
    // Where the class list is read from; a file dialog unless a test says otherwise.
    void impostaSceltaFile(SceltaFile scelta) { fileDaLeggere = std::move(scelta); }

signals:
    // The register changed: every page reads it again.
    void cambiato();

private:
    void mostraAlunni();
    ClasseRegistro classe() const;
    void nuovaClasse();
    void rinominaClasse();
    void rimuoviClasse();
    void aggiungiAlunni(const QStringList& nomi);
    void rinominaAlunno();
    void rimuoviAlunno();
    void importa();
    // Reports a failure, or says `fatto` and reads the register again.
    void esito(const QString& errore, const QString& fatto);

    Deposito& deposito;
    Messaggi& messaggi;
    Dici dici;
    SceltaFile fileDaLeggere;
    QList<ClasseRegistro> classi;
    QString daScegliere;
    QListWidget* elencoClassi = nullptr;
    QListWidget* elencoAlunni = nullptr;
    QLineEdit* nomeClasse = nullptr;
    QLineEdit* nomeAlunno = nullptr;
};
