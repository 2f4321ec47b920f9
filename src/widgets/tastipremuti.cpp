// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tastipremuti.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <cstring>

namespace {
// The start of the X protocol's KeyPress and KeyRelease events, as the server sends them: the
// type (the top bit marks an event another client sent), the keycode (what the toolkit gives as
// the key's native scan code) and the server's time in milliseconds.
struct InizioEventoX {
    quint8 tipo;
    quint8 tasto;
    quint16 sequenza;
    quint32 istante;
};
constexpr quint8 pressioneX = 2;
constexpr quint8 rilascioDiX = 3;

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
    QCoreApplication::instance()->installNativeEventFilter(this);
    // A key let go while another program has the keyboard never reaches us: forget every key
    // then, or its next press would pass for a repeat.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) {
            dimentica();
        }
    });
    // While the focus passes from a window that closed to the next one, X has nowhere to send a
    // key's release and drops it: a key still down when the focus moves would stay "down", and
    // its next press pass for a repeat. A held key's repeats are still told by the server's
    // times, whichever window gets them.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* finestra) {
        segui(finestra);
        giu.clear();
        emit rilasciato();
    });
    segui(QGuiApplication::focusWindow());
}

TastiPremuti* TastiPremuti::perApplicazione() {
    QCoreApplication* app = QCoreApplication::instance();
    if (auto* esistente = app->findChild<TastiPremuti*>(QString(), Qt::FindDirectChildrenOnly)) {
        return esistente;
    }
    return new TastiPremuti(app);
}

// Keys go to the window with the focus. The tracker watches each such window itself, not the
// whole application: a filter of the window runs after the accessibility bridge's, so it sees
// the key events the window really gets, once each.
void TastiPremuti::segui(QWindow* finestra) {
    if (finestra) {
        finestra->installEventFilter(this);
    }
}

bool TastiPremuti::nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr*) {
    if (tipo != "xcb_generic_event_t") {
        return false;
    }
    InizioEventoX e;
    std::memcpy(&e, messaggio, sizeof e);
    const quint8 genere = e.tipo & 0x7f;
    if (genere == rilascioDiX) {
        // The key is up, whichever window the toolkit gives the release to, if any: a window
        // behind a message box gets no key at all.
        rilascioX[e.tasto] = e.istante;
        lasciato(e.tasto);
        return false;
    }
    if (genere != pressioneX) {
        return false;
    }
    const bool ripetuta = e.istante != 0 && rilascioX[e.tasto] == e.istante;
    rilascioX[e.tasto] = 0;
    return ripetuta && !tieneIlTesto(e.tasto);
}

bool TastiPremuti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (!oggetto->isWindowType()) {
        return false;
    }
    if (evento->type() == QEvent::KeyPress) {
        return ripetizione(static_cast<QKeyEvent*>(evento));
    }
    if (evento->type() == QEvent::KeyRelease) {
        if (const auto* e = static_cast<QKeyEvent*>(evento); !e->isAutoRepeat()) {
            lasciato(chiave(e));
        }
    }
    return false;
}

bool TastiPremuti::ripetizione(const QKeyEvent* e) {
    const quint32 k = chiave(e);
    if (e->isAutoRepeat() || giu.contains(k)) {
        return !tieneIlTesto(k);
    }
    giu.insert(k);
    tenutaNelTesto.insert(k, scrivendo());
    return false;
}

// A repeat reaches a text box only when the hold began in one; a key not known to be down is
// judged by where the focus is now.
bool TastiPremuti::tieneIlTesto(quint32 tasto) const {
    return tenutaNelTesto.value(tasto, scrivendo()) && scrivendo();
}

void TastiPremuti::lasciato(quint32 tasto) {
    giu.remove(tasto);
    emit rilasciato();
}

void TastiPremuti::dimentica() {
    giu.clear();
    tenutaNelTesto.clear();
    rilascioX.fill(0);
    emit rilasciato();
}
