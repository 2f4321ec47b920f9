// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/condivisi.h"

#include "register/pin.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {
template <typename T> void riempi(QComboBox* scelta, const QList<T>& voci) {
    const QString prima = idScelto(scelta);
    {
        // Only the final choice is news to whoever listens.
        const QSignalBlocker zitto(scelta);
        scelta->clear();
        for (const T& voce : voci) {
            scelta->addItem(voce.nome, voce.id);
        }
        scelta->setCurrentIndex(std::max(0, scelta->findData(prima)));
    }
    emit scelta->currentIndexChanged(scelta->currentIndex());
}
} // namespace

void riempiClassi(QComboBox* scelta, const QList<ClasseRegistro>& classi) {
    riempi(scelta, classi);
}

void riempiAlunni(QComboBox* scelta, const QList<AlunnoRegistro>& alunni) {
    riempi(scelta, alunni);
}

void riempiElenco(QListWidget* elenco, const QList<AlunnoRegistro>& voci) {
    const QString prima = idScelto(elenco);
    const QSignalBlocker zitto(elenco);
    elenco->clear();
    for (const AlunnoRegistro& voce : voci) {
        auto* riga = new QListWidgetItem(voce.nome, elenco);
        riga->setData(Qt::UserRole, voce.id);
        if (voce.id == prima) {
            elenco->setCurrentItem(riga);
        }
    }
    if (!elenco->currentItem() && elenco->count() > 0) {
        elenco->setCurrentRow(0);
    }
}

void riempiElenco(QListWidget* elenco, const QList<ClasseRegistro>& classi) {
    QList<AlunnoRegistro> voci;
    for (const ClasseRegistro& c : classi) {
        voci.append({c.id, c.nome});
    }
    riempiElenco(elenco, voci);
}

QString idScelto(const QComboBox* scelta) {
    return scelta->currentData().toString();
}

QString idScelto(const QListWidget* elenco) {
    return elenco->currentItem() ? elenco->currentItem()->data(Qt::UserRole).toString() : QString();
}

ClasseRegistro classeScelta(const QComboBox* scelta, const QList<ClasseRegistro>& classi) {
    for (const ClasseRegistro& c : classi) {
        if (c.id == idScelto(scelta)) {
            return c;
        }
    }
    return {};
}

QPushButton* pulsante(const QString& testo, const QString& nome, QWidget* genitore) {
    auto* p = new QPushButton(testo, genitore);
    p->setObjectName(nome);
    return p;
}

QLineEdit* campoPin(const QString& nome, QWidget* genitore) {
    auto* campo = new QLineEdit(genitore);
    campo->setObjectName(nome);
    campo->setEchoMode(QLineEdit::Password);
    campo->setMaxLength(pin::cifreMassime);
    campo->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), campo));
    // A touch screen's keyboard opens on its digits, and keeps nothing of what was typed.
    campo->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    return campo;
}

QDateEdit* campoData(const QDate& quando, const QString& nome, const QString& significato,
                     QWidget* genitore) {
    auto* d = new QDateEdit(quando, genitore);
    d->setObjectName(nome);
    d->setAccessibleName(significato);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return d;
}

QString nonLeggo(const QString& errore) {
    return QStringLiteral("Non riesco a leggere il registro: %1").arg(errore);
}
