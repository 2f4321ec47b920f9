// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/paginapin.h"

#include "register/deposito.h"
#include "register/riepilogo.h"
#include "teacher/condivisi.h"
#include "widgets/annuncio.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

PaginaPin::PaginaPin(Deposito& deposito, QWidget* parent) : QWidget(parent), deposito(deposito) {
    titolo = new QLabel(this);
    titolo->setWordWrap(true);
    campo = campoPin(QStringLiteral("pin"), this);
    ripeti = campoPin(QStringLiteral("ripetiPin"), this);
    entra = new QPushButton(QStringLiteral("Entra"), this);
    entra->setObjectName(QStringLiteral("entra"));
    entra->setDefault(true);
    esito = new QLabel(this);
    esito->setObjectName(QStringLiteral("esitoPin"));
    esito->setWordWrap(true);
    annuncio = new Annuncio(this);
    conto = new QTimer(this);
    conto->setInterval(1000);

    modulo = new QFormLayout;
    modulo->addRow(QStringLiteral("PIN:"), campo);
    modulo->addRow(QStringLiteral("Ripeti il PIN:"), ripeti);
    // A narrow column in the middle: eight digits need no more, and the eye finds it at once.
    auto* riquadro = new QWidget(this);
    riquadro->setMaximumWidth(titolo->fontMetrics().averageCharWidth() * 60);
    auto* colonna = new QVBoxLayout(riquadro);
    colonna->addWidget(titolo);
    colonna->addLayout(modulo);
    colonna->addWidget(entra, 0, Qt::AlignLeft);
    colonna->addWidget(esito);
    auto* centro = new QGridLayout(this);
    centro->addWidget(riquadro, 0, 0, Qt::AlignCenter);

    connect(entra, &QPushButton::clicked, this, &PaginaPin::conferma);
    connect(campo, &QLineEdit::returnPressed, this, &PaginaPin::conferma);
    connect(ripeti, &QLineEdit::returnPressed, this, &PaginaPin::conferma);
    connect(conto, &QTimer::timeout, this, &PaginaPin::aggiornaAttesa);
    prepara();
}

void PaginaPin::prepara() {
    QString problema;
    impronta = deposito.impostazione(QString::fromLatin1(pin::chiaveImpronta), problema);
    tentativi =
        pin::daTesto(deposito.impostazione(QString::fromLatin1(pin::chiaveTentativi), problema));
    const bool nuovo = impronta.isEmpty();
    titolo->setText(nuovo ? QStringLiteral("Scegli il PIN del docente: da 4 a 8 cifre. Serve per "
                                           "aprire il registro; gli alunni non lo conoscono.")
                          : QStringLiteral("Scrivi il PIN del docente."));
    modulo->setRowVisible(ripeti, nuovo);
    if (!problema.isEmpty()) {
        errore(nonLeggo(problema));
        entra->setEnabled(false);
        return;
    }
    aggiornaAttesa();
    if (attesaInCorso()) {
        conto->start();
    }
    campo->setFocus();
}

bool PaginaPin::attesaInCorso() const {
    return pin::attesa(tentativi, QDateTime::currentDateTimeUtc()).count() > 0;
}

void PaginaPin::conferma() {
    if (impronta.isEmpty()) {
        scegli();
    } else {
        prova();
    }
}

void PaginaPin::scegli() {
    if (const QString problema = pin::problema(campo->text()); !problema.isEmpty()) {
        errore(problema);
        return;
    }
    if (ripeti->text() != campo->text()) {
        errore(pin::diversi());
        ripeti->clear();
        ripeti->setFocus();
        return;
    }
    if (const QString e = pin::salva(deposito, campo->text()); !e.isEmpty()) {
        errore(QStringLiteral("Non riesco a scrivere nel registro: %1").arg(e));
        return;
    }
    campo->clear();
    ripeti->clear();
    emit aperto();
}

void PaginaPin::prova() {
    const QDateTime adesso = QDateTime::currentDateTimeUtc();
    if (pin::attesa(tentativi, adesso).count() > 0) {
        return;
    }
    const bool giusto = pin::giusto(campo->text(), impronta);
    campo->clear();
    // Re-read: a try made meanwhile on another PC of the lab counts too.
    QString problema;
    tentativi =
        pin::daTesto(deposito.impostazione(QString::fromLatin1(pin::chiaveTentativi), problema));
    tentativi = giusto ? pin::Tentativi{} : pin::dopoErrore(tentativi, adesso);
    deposito.scriviImpostazione(QString::fromLatin1(pin::chiaveTentativi),
                                pin::comeTesto(tentativi));
    if (giusto) {
        esito->clear();
        emit aperto();
        return;
    }
    errore(QStringLiteral("PIN errato."));
    aggiornaAttesa();
    if (attesaInCorso()) {
        conto->start();
    }
}

void PaginaPin::aggiornaAttesa() {
    const auto resta = pin::attesa(tentativi, QDateTime::currentDateTimeUtc());
    const bool aspetta = resta.count() > 0;
    campo->setEnabled(!aspetta);
    entra->setEnabled(!aspetta);
    if (aspetta) {
        esito->setText(QStringLiteral("Troppi tentativi sbagliati: riprova tra %1.")
                           .arg(minutiSecondi(resta.count())));
    } else if (conto->isActive()) {
        conto->stop();
        esito->setText(QStringLiteral("Puoi riprovare."));
        campo->setFocus();
    }
}

void PaginaPin::errore(const QString& testo) {
    esito->setText(testo);
    annuncio->annuncia(testo);
    campo->setFocus();
}
