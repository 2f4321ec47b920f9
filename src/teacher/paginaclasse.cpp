// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/paginaclasse.h"

#include "platform/messaggi.h"
#include "register/deposito.h"
#include "register/importazione.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUuid>

namespace {
// A class list is a few kilobytes; a file much larger is not one.
constexpr qint64 massimoElenco = 1 << 20;

QString nuovoId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QLineEdit* campo(const QString& nome, const QString& suggerimento, QWidget* genitore) {
    auto* c = new QLineEdit(genitore);
    c->setObjectName(nome);
    c->setPlaceholderText(suggerimento);
    c->setAccessibleName(suggerimento);
    return c;
}
} // namespace

PaginaClasse::PaginaClasse(Deposito& deposito, Messaggi& messaggi, Dici dici, QWidget* parent)
    : QWidget(parent), deposito(deposito), messaggi(messaggi), dici(std::move(dici)) {
    fileDaLeggere = [this] {
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("Importa l'elenco della classe"), {},
            QStringLiteral("Elenchi (*.csv *.txt);;Tutti i file (*)"));
    };
    elencoClassi = new QListWidget(this);
    elencoClassi->setObjectName(QStringLiteral("elencoClassi"));
    elencoClassi->setAccessibleName(QStringLiteral("Classi"));
    elencoAlunni = new QListWidget(this);
    elencoAlunni->setObjectName(QStringLiteral("elencoAlunni"));
    elencoAlunni->setAccessibleName(QStringLiteral("Alunni della classe"));
    nomeClasse = campo(QStringLiteral("nomeClasse"), QStringLiteral("Nome della classe"), this);
    nomeAlunno = campo(QStringLiteral("nomeAlunno"), QStringLiteral("Cognome e nome"), this);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(new QLabel(QStringLiteral("Classi"), this), 0, 0);
    griglia->addWidget(new QLabel(QStringLiteral("Alunni"), this), 0, 1);
    griglia->addWidget(elencoClassi, 1, 0);
    griglia->addWidget(elencoAlunni, 1, 1);
    griglia->addWidget(nomeClasse, 2, 0);
    griglia->addWidget(nomeAlunno, 2, 1);
    const QList<std::tuple<QString, QString, void (PaginaClasse::*)(), int>> azioni{
        {QStringLiteral("Nuova classe"), QStringLiteral("nuovaClasse"), &PaginaClasse::nuovaClasse,
         0},
        {QStringLiteral("Rinomina la classe"), QStringLiteral("rinominaClasse"),
         &PaginaClasse::rinominaClasse, 0},
        {QStringLiteral("Rimuovi la classe"), QStringLiteral("rimuoviClasse"),
         &PaginaClasse::rimuoviClasse, 0},
        {QStringLiteral("Aggiungi l'alunno"), QStringLiteral("aggiungiAlunno"), nullptr, 1},
        {QStringLiteral("Rinomina l'alunno"), QStringLiteral("rinominaAlunno"),
         &PaginaClasse::rinominaAlunno, 1},
        {QStringLiteral("Rimuovi l'alunno"), QStringLiteral("rimuoviAlunno"),
         &PaginaClasse::rimuoviAlunno, 1},
        {QStringLiteral("Importa l'elenco…"), QStringLiteral("importa"), &PaginaClasse::importa, 1},
    };
    int righe[2] = {3, 3};
    for (const auto& [testo, nome, azione, colonna] : azioni) {
        QPushButton* p = pulsante(testo, nome, this);
        griglia->addWidget(p, righe[colonna]++, colonna);
        if (azione) {
            connect(p, &QPushButton::clicked, this, azione);
        } else {
            connect(p, &QPushButton::clicked, this,
                    [this] { aggiungiAlunni({nomeAlunno->text().simplified()}); });
        }
    }
    connect(elencoClassi, &QListWidget::currentRowChanged, this, &PaginaClasse::mostraAlunni);
    connect(nomeAlunno, &QLineEdit::returnPressed, this,
            [this] { aggiungiAlunni({nomeAlunno->text().simplified()}); });
    connect(nomeClasse, &QLineEdit::returnPressed, this, &PaginaClasse::nuovaClasse);
}

void PaginaClasse::mostra(const QList<ClasseRegistro>& tutte) {
    classi = tutte;
    riempiElenco(elencoClassi, classi);
    for (int i = 0; i < elencoClassi->count() && !daScegliere.isEmpty(); ++i) {
        if (elencoClassi->item(i)->data(Qt::UserRole).toString() == daScegliere) {
            elencoClassi->setCurrentRow(i);
        }
    }
    daScegliere.clear();
    mostraAlunni();
}

ClasseRegistro PaginaClasse::classe() const {
    for (const ClasseRegistro& c : classi) {
        if (c.id == idScelto(elencoClassi)) {
            return c;
        }
    }
    return {};
}

void PaginaClasse::mostraAlunni() {
    riempiElenco(elencoAlunni, classe().alunni);
}

void PaginaClasse::esito(const QString& errore, const QString& fatto) {
    if (!errore.isEmpty()) {
        dici(QStringLiteral("Non è stato possibile: %1").arg(errore));
        return;
    }
    dici(fatto);
    emit cambiato();
}

void PaginaClasse::nuovaClasse() {
    const QString nome = nomeClasse->text().simplified();
    if (nome.isEmpty()) {
        dici(QStringLiteral("Scrivi prima il nome della classe."));
        return;
    }
    for (const ClasseRegistro& c : classi) {
        if (c.nome.compare(nome, Qt::CaseInsensitive) == 0) {
            dici(QStringLiteral("La classe %1 c'è già.").arg(c.nome));
            return;
        }
    }
    const ClasseRegistro nuova{nuovoId(), nome, {}};
    nomeClasse->clear();
    // The new class is the one the teacher fills next.
    daScegliere = nuova.id;
    esito(deposito.aggiungiClasse(nuova), QStringLiteral("Classe %1 creata.").arg(nome));
}

void PaginaClasse::rinominaClasse() {
    const QString nome = nomeClasse->text().simplified();
    if (nome.isEmpty() || classe().id.isEmpty()) {
        dici(QStringLiteral("Scegli la classe e scrivi il nuovo nome."));
        return;
    }
    esito(deposito.rinominaClasse(classe().id, nome),
          QStringLiteral("Classe rinominata %1.").arg(nome));
    nomeClasse->clear();
}

void PaginaClasse::rimuoviClasse() {
    const ClasseRegistro c = classe();
    if (c.id.isEmpty()) {
        return;
    }
    QString errore;
    const int serie =
        deposito.serieDellaClasse(c.id, {}, {}, errore, Deposito::Lettura::soloSerie).size();
    if (!messaggi.chiedi(QStringLiteral("Rimuovo la classe %1, i suoi %2 alunni e le loro %3 "
                                        "serie? Non si potranno recuperare.")
                             .arg(c.nome)
                             .arg(c.alunni.size())
                             .arg(serie))) {
        return;
    }
    esito(deposito.rimuoviClasse(c.id), QStringLiteral("Classe %1 rimossa.").arg(c.nome));
}

void PaginaClasse::aggiungiAlunni(const QStringList& nomi) {
    ClasseRegistro c = classe();
    if (c.id.isEmpty()) {
        dici(QStringLiteral("Crea o scegli prima una classe."));
        return;
    }
    QStringList aggiunti;
    for (const QString& nome : nomi) {
        const bool presente =
            std::any_of(c.alunni.cbegin(), c.alunni.cend(), [&](const AlunnoRegistro& a) {
                return a.nome.compare(nome, Qt::CaseInsensitive) == 0;
            });
        if (!nome.isEmpty() && !presente) {
            c.alunni.append({nuovoId(), nome});
            aggiunti << nome;
        }
    }
    if (aggiunti.isEmpty()) {
        dici(nomi.value(0).isEmpty() ? QStringLiteral("Scrivi prima cognome e nome.")
                                     : QStringLiteral("%1 è già nella classe.").arg(nomi.value(0)));
        return;
    }
    nomeAlunno->clear();
    esito(deposito.aggiungiClasse(c),
          aggiunti.size() == 1 ? QStringLiteral("%1 aggiunto alla classe.").arg(aggiunti[0])
                               : QStringLiteral("%1 alunni aggiunti.").arg(aggiunti.size()));
}

void PaginaClasse::rinominaAlunno() {
    const QString nome = nomeAlunno->text().simplified();
    const QString id = idScelto(elencoAlunni);
    if (nome.isEmpty() || id.isEmpty()) {
        dici(QStringLiteral("Scegli l'alunno e scrivi il nuovo nome."));
        return;
    }
    nomeAlunno->clear();
    esito(deposito.rinominaAlunno(id, nome), QStringLiteral("Alunno rinominato %1.").arg(nome));
}

void PaginaClasse::rimuoviAlunno() {
    const QString id = idScelto(elencoAlunni);
    if (id.isEmpty()) {
        return;
    }
    const QString nome = elencoAlunni->currentItem()->text();
    QString errore;
    const int serie =
        deposito.seriePerAlunno(id, errore, {}, {}, Deposito::Lettura::soloSerie).size();
    if (!messaggi.chiedi(QStringLiteral("Rimuovo %1 e le sue %2 serie? Non si potranno recuperare.")
                             .arg(nome)
                             .arg(serie))) {
        return;
    }
    esito(deposito.rimuoviAlunno(id),
          QStringLiteral("%1 rimosso, con le sue %2 serie.").arg(nome).arg(serie));
}

void PaginaClasse::importa() {
    const ClasseRegistro c = classe();
    if (c.id.isEmpty()) {
        dici(QStringLiteral("Crea o scegli prima la classe in cui importare l'elenco."));
        return;
    }
    const QString percorso = fileDaLeggere();
    if (percorso.isEmpty()) {
        return;
    }
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly) || file.size() > massimoElenco) {
        messaggi.mostra(
            QStringLiteral("Non riesco a leggere %1 come elenco di una classe.").arg(percorso));
        return;
    }
    QStringList presenti;
    for (const AlunnoRegistro& a : c.alunni) {
        presenti << a.nome;
    }
    const ElencoClasse elenco = leggiElencoClasse(file.read(massimoElenco), presenti);
    if (!elenco.errore.isEmpty()) {
        messaggi.mostra(elenco.errore);
        return;
    }
    if (!elenco.alunni.isEmpty()) {
        aggiungiAlunni(elenco.alunni);
    }
    messaggi.mostra(resocontoImportazione(elenco));
}
