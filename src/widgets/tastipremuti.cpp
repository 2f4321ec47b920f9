// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tastipremuti.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {
// A key by its scan code; where the platform gives none, by its key and its pad.
quint32 chiave(const QKeyEvent* e) {
    if (e->nativeScanCode() != 0) {
        return e->nativeScanCode();
    }
    const bool tastierino = e->modifiers().testFlag(Qt::KeypadModifier);
    return 0x80000000u | (tastierino ? 0x40000000u : 0u) | static_cast<quint32>(e->key());
}

bool scrivendo() {
    const QWidget* fuoco = QApplication::focusWidget();
    return fuoco && fuoco->testAttribute(Qt::WA_InputMethodEnabled);
}
} // namespace

TastiPremuti::TastiPremuti(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("TastiPremuti"));
    parent->installEventFilter(this);
    // A key let go while another program has the keyboard never reaches us: forget every key
    // then, or its next press would pass for a repeat.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) {
            dimentica();
        }
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TastiPremuti::rilasciato);
}

TastiPremuti* TastiPremuti::perApplicazione() {
    QCoreApplication* app = QCoreApplication::instance();
    if (auto* esistente = app->findChild<TastiPremuti*>(QString(), Qt::FindDirectChildrenOnly)) {
        return esistente;
    }
    return new TastiPremuti(app);
}

// Only the events the window system hands to a window: the same event then travels on to the
// focused control and up its parents, and must be counted once.
bool TastiPremuti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (!oggetto->isWindowType()) {
        return false;
    }
    if (evento->type() == QEvent::KeyPress) {
        return ripetizione(static_cast<QKeyEvent*>(evento)) && !scrivendo();
    }
    if (evento->type() == QEvent::KeyRelease) {
        lasciato(static_cast<QKeyEvent*>(evento));
    }
    return false;
}

bool TastiPremuti::ripetizione(const QKeyEvent* e) {
    const quint32 k = chiave(e);
    const bool appenaLasciato =
        k == ultimoLasciato && e->timestamp() != 0 && e->timestamp() == istanteLasciato;
    const bool ripetuto = e->isAutoRepeat() || giu.contains(k) || appenaLasciato;
    giu.insert(k);
    return ripetuto;
}

void TastiPremuti::lasciato(const QKeyEvent* e) {
    if (e->isAutoRepeat()) {
        return;
    }
    const quint32 k = chiave(e);
    giu.remove(k);
    ultimoLasciato = k;
    istanteLasciato = e->timestamp();
    emit rilasciato();
}

void TastiPremuti::dimentica() {
    giu.clear();
    ultimoLasciato = 0;
    istanteLasciato = 0;
    emit rilasciato();
}
