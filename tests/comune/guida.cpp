// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/guida.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

bool mostrataEAttiva(QWidget* finestra) {
    if (!QTest::qWaitForWindowExposed(finestra)) {
        return false;
    }
    QApplication::setActiveWindow(finestra);
    return true;
}

QWidget* destinatario() {
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

// A key that closes its window is let go on nothing.
void premi(Qt::Key k, Qt::KeyboardModifiers m) {
    QTest::keyPress(destinatario(), k, m);
    if (QWidget* w = destinatario()) {
        QTest::keyRelease(w, k, m);
    }
}

void tieni(Qt::Key k, const QString& testo, int ripetizioni) {
    QTest::keyPress(destinatario(), k);
    for (int i = 0; i < ripetizioni; ++i) {
        QKeyEvent rilascio(QEvent::KeyRelease, k, Qt::NoModifier, testo, true);
        QApplication::sendEvent(destinatario(), &rilascio);
        QKeyEvent ripetuto(QEvent::KeyPress, k, Qt::NoModifier, testo, true);
        QApplication::sendEvent(destinatario(), &ripetuto);
    }
    QTest::keyRelease(destinatario(), k);
}

void tastoDalSistema(QWidget* finestra, bool giu, Qt::Key k, Qt::KeyboardModifiers m,
                     quint32 codice, quint64 istante, bool ripetuto) {
    const QString testo = k >= Qt::Key_0 && k <= Qt::Key_9 ? QString(QChar(k)) : QString();
    QKeyEvent e(giu ? QEvent::KeyPress : QEvent::KeyRelease, k, m, codice, 0, 0, testo, ripetuto);
    e.setTimestamp(istante);
    QApplication::sendEvent(finestra->windowHandle(), &e);
}

QString nomeFuoco() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void scriviTesto(QWidget* w, const QString& testo) {
    for (QChar c : testo) {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString testoDi(QWidget* finestra, const QString& nome) {
    auto* l = finestra ? finestra->findChild<QLabel*>(nome) : nullptr;
    return l ? l->text() : QStringLiteral("<manca %1>").arg(nome);
}

void premi(QWidget* finestra, const QString& nome) {
    QPointer<QWidget> w = controllo(finestra, nome);
    QVERIFY2(w, qPrintable(nome));
    QTest::mousePress(w, Qt::LeftButton);
    if (w && w->isVisibleTo(w->window())) {
        QTest::mouseRelease(w, Qt::LeftButton);
    }
}

bool attivo(QWidget* finestra, const QString& nome) {
    const QWidget* w = finestra ? finestra->findChild<QWidget*>(nome) : nullptr;
    return w && w->isEnabled();
}
