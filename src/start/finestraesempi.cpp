// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/finestraesempi.h"

#include "practice/esempi.h"
#include "widgets/caratteri.h"
#include "widgets/contesto.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString testoEsercizi(const std::vector<EsempioEsercizio>& esempi) {
    if (esempi.empty()) {
        return QStringLiteral(
            "Esercizi disponibili solo per addizioni, sottrazioni e moltiplicazioni");
    }
    QStringList righe;
    for (const EsempioEsercizio& e : esempi) {
        righe << QStringLiteral("Livello %1:   %2      risposta: %3")
                     .arg(e.livello)
                     .arg(e.riga.leftJustified(22))
                     .arg(e.risposta);
    }
    return righe.join(QLatin1Char('\n'));
}

QString testoSchede(const std::vector<EsempioScheda>& esempi) {
    if (esempi.empty()) {
        return QStringLiteral("Nessuna scheda per questo codice di operazione.");
    }
    QStringList righe;
    QString operazione;
    for (const EsempioScheda& e : esempi) {
        if (e.operazione != operazione) {
            operazione = e.operazione;
            righe << QString() << operazione;
        }
        righe << QStringLiteral("  tipo %1   %2").arg(e.tipo, 2).arg(e.docenti);
    }
    righe.removeFirst();
    return righe.join(QLatin1Char('\n'));
}

QPlainTextEdit* riquadro(const QString& nome, const QString& significato, const QString& testo,
                         QWidget* genitore) {
    auto* r = new QPlainTextEdit(testo, genitore);
    r->setObjectName(nome);
    r->setAccessibleName(significato);
    r->setReadOnly(true);
    r->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fisso = carattere(QStringLiteral("Courier New"), 11, false);
    fisso.setStyleHint(QFont::TypeWriter);
    r->setFont(fisso);
    return r;
}

QLabel* titolo(const QString& testo, QWidget* genitore) {
    auto* l = new QLabel(testo, genitore);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
} // namespace

FinestraEsempi::FinestraEsempi(Contesto& contesto, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FinestraEsempi"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    const StatoCondiviso& stato = contesto.stato;
    setWindowTitle(stato.NomeProgramma + QStringLiteral(" - Esemplicazione"));
    Servizi& servizi = contesto.servizi;

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(
        titolo(QStringLiteral("Esercizi: un'operazione per livello, come la vede l'alunno"), this));
    auto* esercizi = riquadro(
        QStringLiteral("txtEsercizi"), QStringLiteral("Esempi di esercizi"),
        testoEsercizi(esempiEsercizi(stato.Operazione, servizi.casuale, servizi.orologio)), this);
    esercizi->setFixedHeight(esercizi->fontMetrics().lineSpacing() * 5 + 12);
    colonna->addWidget(esercizi);
    colonna->addWidget(titolo(QStringLiteral("Schede: una riga di ogni tipo, con la risposta "
                                             "come la stampa la scheda per i docenti"),
                              this));
    colonna->addWidget(riquadro(
        QStringLiteral("txtSchede"), QStringLiteral("Esempi di righe delle schede"),
        testoSchede(esempiSchede(stato.Operazione, 1, servizi.casuale, servizi.orologio)), this));
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("cmdChiudi"));
    chiudi->setDefault(true);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    colonna->addWidget(chiudi, 0, Qt::AlignRight);
    resize(720, 560);
}
