// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/paginagiornata.h"

#include "platform/messaggi.h"
#include "register/deposito.h"
#include "register/riepilogo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

PaginaGiornata::PaginaGiornata(Deposito& deposito, Messaggi& messaggi, Dici dici, QWidget* parent)
    : QWidget(parent), deposito(deposito), messaggi(messaggi), dici(std::move(dici)),
      salvataggio(dialogoSalvataggio(this)) {
    classe = new QComboBox(this);
    classe->setObjectName(QStringLiteral("classeGiornata"));
    classe->setAccessibleName(QStringLiteral("Classe"));
    giorno =
        campoData(QDate::currentDate(), QStringLiteral("giorno"), QStringLiteral("Giorno"), this);
    periodo = new QComboBox(this);
    periodo->setObjectName(QStringLiteral("periodo"));
    periodo->setAccessibleName(QStringLiteral("Periodo"));
    periodo->addItems({QStringLiteral("Il giorno"), QStringLiteral("La settimana")});
    auto* esporta = new QPushButton(QStringLiteral("Esporta la classe…"), this);
    esporta->setObjectName(QStringLiteral("esportaClasse"));

    righe = new QTableWidget(0, 6, this);
    righe->setObjectName(QStringLiteral("tabellaGiornata"));
    righe->setAccessibleName(QStringLiteral("La classe nel periodo"));
    righe->setHorizontalHeaderLabels(
        {QStringLiteral("Alunno"), QStringLiteral("Serie"), QStringLiteral("Operazioni"),
         QStringLiteral("Esatte"), QStringLiteral("Errate"), QStringLiteral("Ultima valutazione")});
    righe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    righe->setSelectionBehavior(QAbstractItemView::SelectRows);
    righe->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    righe->horizontalHeader()->setStretchLastSection(true);

    auto* scelte = new QHBoxLayout;
    for (auto [testo, campo] : {std::pair<const char*, QWidget*>{"Classe:", classe},
                                {"Giorno:", giorno},
                                {"Periodo:", periodo}}) {
        auto* etichetta = new QLabel(QString::fromUtf8(testo), this);
        etichetta->setBuddy(campo);
        scelte->addWidget(etichetta);
        scelte->addWidget(campo);
    }
    scelte->addStretch();
    scelte->addWidget(esporta);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(scelte);
    colonna->addWidget(righe);

    connect(classe, &QComboBox::currentIndexChanged, this, &PaginaGiornata::aggiorna);
    connect(periodo, &QComboBox::currentIndexChanged, this, &PaginaGiornata::aggiorna);
    connect(giorno, &QDateEdit::dateChanged, this, &PaginaGiornata::aggiorna);
    connect(esporta, &QPushButton::clicked, this, &PaginaGiornata::esportaClasse);
    connect(righe, &QTableWidget::cellActivated, this, [this](int riga) {
        emit apriAlunno(idScelto(classe), righe->item(riga, 0)->data(Qt::UserRole).toString());
    });
}

void PaginaGiornata::mostra(const QList<ClasseRegistro>& tutte) {
    classi = tutte;
    riempiClassi(classe, classi);
}

void PaginaGiornata::aggiorna() {
    const ClasseRegistro scelta = classeScelta(classe, classi);
    QDate dal = giorno->date();
    QDate al = dal;
    if (periodo->currentIndex() == 1) {
        // Monday to Sunday, as a school week is read.
        dal = dal.addDays(1 - dal.dayOfWeek());
        al = dal.addDays(6);
    }
    QString errore;
    // Read a day either side: the local day of a series is only known once it is read.
    const QList<SerieRegistrata> serie =
        scelta.id.isEmpty() ? QList<SerieRegistrata>{}
                            : deposito.serieDellaClasse(scelta.id, dal.addDays(-1).startOfDay(),
                                                        al.addDays(2).startOfDay(), errore,
                                                        Deposito::Lettura::soloSerie);
    if (!errore.isEmpty()) {
        dici(nonLeggo(errore));
    }
    const QList<SintesiAlunno> sintesi = sintesiClasse(scelta, serie, dal, al);
    righe->setRowCount(int(sintesi.size()));
    for (int r = 0; r < sintesi.size(); ++r) {
        const SintesiAlunno& s = sintesi[r];
        const QStringList celle{s.alunno.nome,
                                QString::number(s.serie),
                                QString::number(s.operazioni),
                                QString::number(s.esatte),
                                QString::number(s.errate),
                                s.nulla() ? QStringLiteral("nessuna serie") : s.valutazione};
        for (int c = 0; c < celle.size(); ++c) {
            auto* cella = new QTableWidgetItem(celle[c]);
            if (s.nulla()) {
                // Who did nothing is what the teacher looks for first.
                QFont f = cella->font();
                f.setItalic(true);
                cella->setFont(f);
                cella->setForeground(Qt::darkRed);
            }
            righe->setItem(r, c, cella);
        }
        righe->item(r, 0)->setData(Qt::UserRole, s.alunno.id);
    }
}

void PaginaGiornata::esportaClasse() {
    const ClasseRegistro scelta = classeScelta(classe, classi);
    if (scelta.id.isEmpty()) {
        return;
    }
    QString errore;
    const QList<SerieRegistrata> serie =
        deposito.serieDellaClasse(scelta.id, {}, {}, errore, Deposito::Lettura::soloSerie);
    if (!errore.isEmpty()) {
        messaggi.mostra(nonLeggo(errore));
        return;
    }
    esportaSerie(serie, QStringLiteral("classe %1.csv").arg(scelta.nome), salvataggio, messaggi,
                 dici);
}
