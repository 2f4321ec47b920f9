// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/finestraveltrix.h"

#include <QCloseEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>

FinestraVeltrix::FinestraVeltrix(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void FinestraVeltrix::closeEvent(QCloseEvent* e) {
    e->accept();
    if (scaricando) {
        return;
    }
    scaricando = true;
    emit scaricata();
    alloScaricamento();
}

void FinestraVeltrix::massimizza() {
    if (const QScreen* schermo = screen()) {
        resize(schermo->availableGeometry().size());
    }
    setWindowState(Qt::WindowMaximized);
}

// A window manager keeps a window above another only when it is marked as that window's
// transient, and Qt marks only windows of dialog type. The start window does not own it: the
// window set decides when each window is unloaded.
void FinestraVeltrix::tieniSopra(QWidget* finestra) {
    if (!finestra) {
        return;
    }
    setWindowFlag(Qt::Dialog);
    winId();
    finestra->winId();
    windowHandle()->setTransientParent(finestra->windowHandle());
}

QSize FinestraVeltrix::dimensioneNelloSchermo(QSize progettata) const {
    const QScreen* schermo = screen();
    if (!schermo) {
        return progettata;
    }
    // The title bar is not known before the window is on screen; the style's is close to it.
    const int titolo = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize disponibile = schermo->availableGeometry().size() - QSize(0, titolo);
    return progettata.boundedTo(disponibile);
}

void FinestraVeltrix::centraNelloSchermo() {
    if (const QScreen* schermo = screen()) {
        QRect posto(QPoint(), size());
        posto.moveCenter(schermo->availableGeometry().center());
        move(posto.topLeft());
    }
}
