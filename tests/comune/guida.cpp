// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/guida.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <array>
#include <cstring>

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

QString testoDelTasto(Qt::Key k) {
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        // Qt names a Latin-1 key by its capital letter.
        return k >= Qt::Key_Space && k <= Qt::Key_ydiaeresis ? QString(QChar(k)).toLower()
                                                             : QString();
    }
}

// Through the toolkit's window system entry, so the window's filters see the key before its
// control does and a window behind a modal box gets nothing. A key that closes its window is let
// go on nothing.
void mandaTasto(QEvent::Type tipo, Qt::Key k, Qt::KeyboardModifiers m, const QString& testo,
                bool ripetuto, QWidget* dove) {
    QWidget* w = dove ? dove : destinatario();
    QWindow* finestra = w ? w->window()->windowHandle() : nullptr;
    if (!finestra) {
        return;
    }
    qt_handleKeyEvent(finestra, tipo, k, m, testo.isEmpty() ? testoDelTasto(k) : testo, ripetuto);
}

void premi(Qt::Key k, Qt::KeyboardModifiers m) {
    mandaTasto(QEvent::KeyPress, k, m);
    mandaTasto(QEvent::KeyRelease, k, m);
}

void tieni(Qt::Key k, const QString& testo, int ripetizioni) {
    mandaTasto(QEvent::KeyPress, k, Qt::NoModifier, testo);
    for (int i = 0; i < ripetizioni; ++i) {
        mandaTasto(QEvent::KeyRelease, k, Qt::NoModifier, testo, true);
        mandaTasto(QEvent::KeyPress, k, Qt::NoModifier, testo, true);
    }
    mandaTasto(QEvent::KeyRelease, k, Qt::NoModifier, testo);
}

namespace {
// One key event as X11 hands it over: first the server's event with its keycode and time, which
// the program's native filters see and may drop; then, unless dropped, the key event the toolkit
// makes of it, to the window.
struct TastoX {
    bool giu;
    Qt::Key tasto;
    Qt::KeyboardModifiers modificatori;
    quint32 codice;
    quint32 istante;
    bool ripetuto;     // marked as a repeat by the toolkit
    bool senzaIstante; // the accessibility bridge's copy, which has lost its timestamp
    bool soloServer;   // the toolkit drops it: its window is behind a modal box
};

void mandaTastoX(QWidget* finestra, const TastoX& t) {
    std::array<quint8, 32> x{};
    x[0] = t.giu ? 2 : 3;
    x[1] = static_cast<quint8>(t.codice);
    std::memcpy(&x[4], &t.istante, sizeof t.istante);
    qintptr esito = 0;
    if (QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", x.data(),
                                                                &esito) ||
        t.soloServer || !finestra) {
        return;
    }
    const QString testo =
        t.tasto >= Qt::Key_0 && t.tasto <= Qt::Key_9 ? QString(QChar(t.tasto)) : QString();
    QKeyEvent e(t.giu ? QEvent::KeyPress : QEvent::KeyRelease, t.tasto, t.modificatori, t.codice, 0,
                0, testo, t.ripetuto);
    e.setTimestamp(t.senzaIstante ? 0 : t.istante);
    QApplication::sendEvent(finestra->windowHandle(), &e);
}
} // namespace

void sequenzaDalSistema(QWidget* finestra, const QString& sequenza) {
    QPointer<QWidget> destinazione = finestra;
    for (const QString& voce : sequenza.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (voce == QLatin1String("~")) {
            QWidget altra;
            altra.show();
            for (QWidget* attiva : {&altra, destinazione.data()}) {
                attiva->activateWindow();
                QTRY_COMPARE(QGuiApplication::focusWindow(), attiva->windowHandle());
            }
            continue;
        }
        const QString tasto = voce.mid(1).section(QLatin1Char('@'), 0, 0);
        const QString segni = voce.section(QLatin1Char('@'), 1);
        const QString numero = QString(segni).remove(QRegularExpression(QStringLiteral("[a-z]")));
        const bool tastierino = tasto.startsWith(QLatin1Char('k'));
        const Qt::Key k = tasto == QLatin1String("B") ? Qt::Key_Backspace
                          : tasto == QLatin1String("E")
                              ? Qt::Key_Return
                              : Qt::Key(Qt::Key_0 + tasto.back().digitValue());
        const TastoX t{voce.startsWith(QLatin1Char('+')),
                       k,
                       tastierino ? Qt::KeypadModifier : Qt::NoModifier,
                       (tastierino ? 80u : 10u) + static_cast<quint32>(k & 0xff),
                       numero.toUInt(),
                       segni.contains(QLatin1Char('r')),
                       segni.contains(QLatin1Char('c')),
                       segni.contains(QLatin1Char('n'))};
        // A key let go after its window closed goes to the window in front.
        mandaTastoX(destinazione ? destinazione.data() : QApplication::activeWindow(), t);
    }
}

QString nomeFuoco() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void scriviTesto(QWidget* w, const QString& testo) {
    for (QChar c : testo) {
        for (QEvent::Type tipo : {QEvent::KeyPress, QEvent::KeyRelease}) {
            mandaTasto(tipo, Qt::Key_unknown, Qt::NoModifier, QString(c), false, w);
        }
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
