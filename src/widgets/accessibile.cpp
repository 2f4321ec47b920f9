// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/accessibile.h"

#include "widgets/annuncio.h"
#include "widgets/etichetta.h"
#include "widgets/pulsanteopzione.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include <mutex>

namespace {
const char* const chiave = "veltrix_significato";

// A label that shows data, a number or a record line, is read as its meaning and its text, so the
// reader says what changed, not only where. An empty label, a strip of colour or a box waiting for
// its text, is not shown to the reader at all. A label that acts like a link is read as one, and
// answers the reader's "press" as it answers a click.
class EtichettaAccessibile : public QAccessibleWidget {
public:
    explicit EtichettaAccessibile(QLabel* etichetta)
        : QAccessibleWidget(etichetta, qobject_cast<Etichetta*>(etichetta)
                                           ? QAccessible::Link
                                           : QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const QString significato = etichetta()->property(chiave).toString();
        const QString testo = etichetta()->text().simplified();
        if (significato.isEmpty()) {
            return testo;
        }
        return testo.isEmpty() ? significato : significato + QStringLiteral(": ") + testo;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (etichetta()->text().trimmed().isEmpty() && etichetta()->pixmap().isNull()) {
            s.invisible = true;
        }
        return s;
    }

    QStringList actionNames() const override {
        return collegamento() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }

    void doAction(const QString& azione) override {
        if (Etichetta* e = collegamento(); e && azione == pressAction()) {
            emit e->cliccata();
            return;
        }
        QAccessibleWidget::doAction(azione);
    }

private:
    QLabel* etichetta() const { return static_cast<QLabel*>(widget()); }
    Etichetta* collegamento() const {
        auto* e = qobject_cast<Etichetta*>(widget());
        return e && e->isEnabled() ? e : nullptr;
    }
};

// The program's option buttons act on the mouse press, never on a click, so the toolkit's
// "press" (a click) would do nothing: here it presses them. A button of a group of choices is
// read as an option, checked when it is the one chosen.
class PulsanteAccessibile : public QAccessibleWidget {
public:
    explicit PulsanteAccessibile(PulsanteOpzione* pulsante)
        : QAccessibleWidget(pulsante, QAccessible::Button) {}

    QAccessible::Role role() const override {
        return pulsante()->eUnaScelta() ? QAccessible::RadioButton : QAccessible::Button;
    }

    // Its own caption, not the title of the frame around it, which the toolkit falls back on.
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const QString nome = pulsante()->accessibleName();
        return nome.isEmpty() ? pulsante()->text().remove(QLatin1Char('&')).simplified() : nome;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = pulsante()->eUnaScelta();
        s.checked = pulsante()->scelto();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& azione) override {
        if (azione == pressAction()) {
            pulsante()->premi();
            return;
        }
        QAccessibleWidget::doAction(azione);
    }

private:
    PulsanteOpzione* pulsante() const { return static_cast<PulsanteOpzione*>(widget()); }
};

class AnnuncioAccessibile : public QAccessibleWidget {
public:
    explicit AnnuncioAccessibile(Annuncio* annuncio)
        : QAccessibleWidget(annuncio, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? annuncio()->messaggio() : QAccessibleWidget::text(t);
    }

    // Nothing to read before the first message.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = s.invisible || annuncio()->messaggio().isEmpty();
        return s;
    }

private:
    Annuncio* annuncio() const { return static_cast<Annuncio*>(widget()); }
};

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
    if (auto* etichetta = qobject_cast<QLabel*>(oggetto)) {
        return new EtichettaAccessibile(etichetta);
    }
    if (auto* pulsante = qobject_cast<PulsanteOpzione*>(oggetto)) {
        return new PulsanteAccessibile(pulsante);
    }
    if (auto* annuncio = qobject_cast<Annuncio*>(oggetto)) {
        return new AnnuncioAccessibile(annuncio);
    }
    return nullptr;
}
} // namespace

void installaAccessibilita() {
    static std::once_flag installata;
    std::call_once(installata, [] { QAccessible::installFactory(fabbrica); });
}

void impostaSignificato(QWidget* controllo, const QString& significato) {
    installaAccessibilita();
    if (qobject_cast<QLabel*>(controllo)) {
        controllo->setProperty(chiave, significato);
    } else {
        controllo->setAccessibleName(significato);
    }
}

void impostaSignificati(QWidget* finestra, std::initializer_list<Significato> tabella) {
    for (const Significato& voce : tabella) {
        for (QWidget* controllo : finestra->findChildren<QWidget*>(QLatin1String(voce.nome))) {
            impostaSignificato(controllo, QString::fromUtf8(voce.significato));
        }
    }
}
