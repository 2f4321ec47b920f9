// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/paginaimpostazioni.h"

#include "platform/archivio.h"
#include "platform/messaggi.h"
#include "register/deposito.h"
#include "register/pin.h"
#include "rules/impostazioni.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The two readings of each code: the exercises know the first three, the worksheets all seven.
const char* const operazioni[] = {
    "1: addizioni (schede: addizioni)",
    "2: sottrazioni (schede: sottrazioni)",
    "3: moltiplicazioni (schede: addizioni e sottrazioni)",
    "4: nessun esercizio (schede: moltiplicazioni)",
    "5: nessun esercizio (schede: divisioni)",
    "6: nessun esercizio (schede: moltiplicazioni e divisioni)",
    "7: nessun esercizio (schede: tutte e quattro le operazioni)",
};
} // namespace

PaginaImpostazioni::PaginaImpostazioni(Deposito& deposito, Messaggi& messaggi, Archivio& archivio,
                                       QString fileImpostazioni, Dici dici, QWidget* parent)
    : QWidget(parent), deposito(deposito), messaggi(messaggi), archivio(archivio),
      fileImpostazioni(std::move(fileImpostazioni)), dici(std::move(dici)) {
    auto* colonna = new QVBoxLayout(this);

    auto* gruppoOperazione = new QGroupBox(QStringLiteral("Operazione di questo PC"), this);
    operazione = new QComboBox(gruppoOperazione);
    operazione->setObjectName(QStringLiteral("operazione"));
    operazione->setAccessibleName(QStringLiteral("Codice operazione"));
    for (const char* voce : operazioni) {
        operazione->addItem(QString::fromUtf8(voce));
    }
    qint16 codice = 1, gruppo = 1;
    impostazioni::leggiLivelli(archivio, this->fileImpostazioni, codice, gruppo);
    operazione->setCurrentIndex(std::clamp<int>(codice, 1, 7) - 1);
    auto* salva = pulsante(QStringLiteral("Salva l'operazione"), QStringLiteral("salvaOperazione"),
                           gruppoOperazione);
    auto* spiega = new QLabel(
        QStringLiteral("Vale dal prossimo avvio di VELTRIX; è scritta in %1.")
            .arg(QDir::toNativeSeparators(QFileInfo(this->fileImpostazioni).absoluteFilePath())),
        gruppoOperazione);
    spiega->setWordWrap(true);
    auto* righeOperazione = new QVBoxLayout(gruppoOperazione);
    righeOperazione->addWidget(operazione);
    righeOperazione->addWidget(salva, 0, Qt::AlignLeft);
    righeOperazione->addWidget(spiega);
    colonna->addWidget(gruppoOperazione);

    auto* gruppoPin = new QGroupBox(QStringLiteral("PIN del docente"), this);
    nuovoPin = campoPin(QStringLiteral("nuovoPin"), gruppoPin);
    ripetiPin = campoPin(QStringLiteral("ripetiNuovoPin"), gruppoPin);
    auto* cambia =
        pulsante(QStringLiteral("Cambia il PIN"), QStringLiteral("cambiaPin"), gruppoPin);
    auto* modulo = new QFormLayout(gruppoPin);
    modulo->addRow(QStringLiteral("Nuovo PIN:"), nuovoPin);
    modulo->addRow(QStringLiteral("Ripeti il nuovo PIN:"), ripetiPin);
    modulo->addRow(cambia);
    colonna->addWidget(gruppoPin);

    auto* gruppoDimentica = new QGroupBox(QStringLiteral("Fine dell'anno scolastico"), this);
    prima = campoData(QDate(QDate::currentDate().year(), 9, 1), QStringLiteral("primaDel"),
                      QStringLiteral("Rimuovi le serie iniziate prima del"), gruppoDimentica);
    auto* rimuovi =
        pulsante(QStringLiteral("Rimuovi le serie"), QStringLiteral("dimentica"), gruppoDimentica);
    auto* moduloDimentica = new QFormLayout(gruppoDimentica);
    moduloDimentica->addRow(QStringLiteral("Rimuovi tutte le serie iniziate prima del:"), prima);
    moduloDimentica->addRow(rimuovi);
    colonna->addWidget(gruppoDimentica);
    colonna->addStretch();

    connect(salva, &QPushButton::clicked, this, &PaginaImpostazioni::salvaOperazione);
    connect(cambia, &QPushButton::clicked, this, &PaginaImpostazioni::cambiaPin);
    connect(rimuovi, &QPushButton::clicked, this, &PaginaImpostazioni::dimentica);
}

void PaginaImpostazioni::salvaOperazione() {
    // The objective set is the start window's own: it stays as the file has it.
    qint16 codice = 1, gruppo = 1;
    impostazioni::leggiLivelli(archivio, fileImpostazioni, codice, gruppo);
    codice = qint16(operazione->currentIndex() + 1);
    if (!impostazioni::scriviLivelli(archivio, fileImpostazioni, codice, gruppo)) {
        messaggi.mostra(
            QStringLiteral("Non riesco a scrivere %1: l'operazione resta quella di prima.")
                .arg(QDir::toNativeSeparators(fileImpostazioni)));
        return;
    }
    dici(QStringLiteral("Operazione %1 salvata: vale dal prossimo avvio.").arg(codice));
}

void PaginaImpostazioni::cambiaPin() {
    const QString scelto = nuovoPin->text();
    QString problema = pin::problema(scelto);
    if (problema.isEmpty() && ripetiPin->text() != scelto) {
        problema = pin::diversi();
    }
    nuovoPin->clear();
    ripetiPin->clear();
    if (problema.isEmpty()) {
        problema = pin::salva(deposito, scelto);
    }
    dici(problema.isEmpty() ? QStringLiteral("PIN cambiato.") : problema);
}

void PaginaImpostazioni::dimentica() {
    const QDateTime limite = prima->date().startOfDay();
    QString errore;
    const int quante = deposito.contaSeriePrima(limite, errore);
    if (!errore.isEmpty()) {
        messaggi.mostra(nonLeggo(errore));
        return;
    }
    if (quante == 0) {
        dici(QStringLiteral("Nessuna serie è iniziata prima del %1.")
                 .arg(prima->date().toString(QStringLiteral("dd/MM/yyyy"))));
        return;
    }
    if (!messaggi.chiedi(
            QStringLiteral("Rimuovo le %1 serie iniziate prima del %2? Non si potranno recuperare.")
                .arg(quante)
                .arg(prima->date().toString(QStringLiteral("dd/MM/yyyy"))))) {
        return;
    }
    if (const QString e = deposito.rimuoviSeriePrima(limite); !e.isEmpty()) {
        messaggi.mostra(QStringLiteral("Le serie non sono state rimosse: %1").arg(e));
        return;
    }
    dici(QStringLiteral("%1 serie rimosse.").arg(quante));
    emit cambiato();
}
