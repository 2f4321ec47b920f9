// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/finestravalutazione.h"

#include "rules/valutazione.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* paragrafo(const QString& testo, QWidget* genitore) {
    auto* l = new QLabel(testo, genitore);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// One row per band: the shares it covers, the grade, whether it can be printed.
QGridLayout* tabellaFasce(QWidget* genitore) {
    auto* griglia = new QGridLayout;
    griglia->setHorizontalSpacing(24);
    int riga = 0;
    for (const FasciaValutazione& fascia : fasceValutazione) {
        auto* quota = paragrafo(quotaDellaFascia(fascia), genitore);
        auto* voto = paragrafo(testoValutazione(fascia), genitore);
        voto->setObjectName(QStringLiteral("lblFascia(%1)").arg(riga));
        QFont grassetto = voto->font();
        grassetto.setBold(true);
        voto->setFont(grassetto);
        auto* stampa = paragrafo(fascia.stampabile ? QStringLiteral("si stampa")
                                                   : QStringLiteral("non si stampa"),
                                 genitore);
        griglia->addWidget(quota, riga, 0);
        griglia->addWidget(voto, riga, 1);
        griglia->addWidget(stampa, riga, 2);
        ++riga;
    }
    return griglia;
}

QString esempio() {
    const int esatte = 17, operazioni = 20;
    const std::optional<int> p = decimiEsatti(esatte, operazioni);
    return QStringLiteral("Esempio: %1 risposte esatte su %2 operazioni sono %3 decimi, cioè "
                          "\"%4\".")
        .arg(esatte)
        .arg(operazioni)
        .arg(p.value_or(0))
        .arg(testoValutazione(fasciaValutazione(p)));
}
} // namespace

FinestraValutazione::FinestraValutazione(const QString& nomeProgramma, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FinestraValutazione"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(nomeProgramma + QStringLiteral(" - Valutazione"));

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(paragrafo(
        QStringLiteral("L'attestato giudica la serie di operazioni dalla parte di risposte "
                       "esatte sulle operazioni richieste, contando anche quella in corso. La "
                       "parte si conta in decimi, arrotondati per difetto:"),
        this));
    colonna->addLayout(tabellaFasce(this));
    colonna->addWidget(paragrafo(esempio(), this));
    colonna->addWidget(paragrafo(
        QStringLiteral("L'elenco degli esercizi e l'attestato si stampano solo dopo %1. Un "
                       "attestato \"%2\" non si può stampare.")
            .arg(almenoOperazioniMinime(), testoValutazione(nonClassificato)),
        this));
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    chiudi->setDefault(true);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    colonna->addWidget(chiudi, 0, Qt::AlignRight);
    resize(560, sizeHint().height());
}
