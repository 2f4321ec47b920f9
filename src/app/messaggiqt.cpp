// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messaggiqt.h"

#include "rules/palette.h"
#include "widgets/annuncio.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
// The window in front; else any window on screen, since a job may end while none has the focus.
QWidget* finestraDavanti() {
    if (QWidget* attiva = QApplication::activeWindow()) {
        return attiva;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowType() == Qt::Window) {
            return w;
        }
    }
    return nullptr;
}
} // namespace

MessaggiQt::MessaggiQt(QString titolo) : titolo(std::move(titolo)) {}

void MessaggiQt::mostra(const QString& testo) {
    QMessageBox scatola(QMessageBox::NoIcon, titolo, testo, QMessageBox::Ok,
                        QApplication::activeWindow());
    scatola.exec();
}

bool MessaggiQt::chiedi(const QString& testo) {
    QMessageBox scatola(QMessageBox::Question, titolo, testo, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
    scatola.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    scatola.button(QMessageBox::No)->setText(QStringLiteral("No"));
    // Enter alone must not remove a year of work.
    scatola.setDefaultButton(QMessageBox::No);
    return scatola.exec() == QMessageBox::Yes;
}

// A label near the bottom of the window, which clicks go through and nothing has to close. The
// screen reader hears it through a notification inside it, as it hears the exercise window's
// verdicts, wherever the focus is.
void MessaggiQt::avvisa(const QString& testo) {
    QWidget* finestra = finestraDavanti();
    if (!finestra) {
        return;
    }
    auto* etichetta = new QLabel(testo, finestra);
    etichetta->setObjectName(QStringLiteral("avviso"));
    etichetta->setAttribute(Qt::WA_TransparentForMouseEvents);
    etichetta->setFont(carattere(QStringLiteral("Arial"), 12));
    etichetta->setAutoFillBackground(true);
    impostaColori(etichetta, colori::giallo, colori::nero);
    etichetta->setFrameStyle(QFrame::Box | QFrame::Plain);
    etichetta->setMargin(etichetta->fontMetrics().height() / 2);
    etichetta->adjustSize();
    const QRect dentro = finestra->rect();
    etichetta->move(dentro.center().x() - etichetta->width() / 2,
                    dentro.bottom() - etichetta->height() * 2);
    auto* annuncio = new Annuncio(etichetta);
    etichetta->show();
    etichetta->raise();
    annuncio->annuncia(testo);
    QTimer::singleShot(durataAvviso, etichetta, &QObject::deleteLater);
}
