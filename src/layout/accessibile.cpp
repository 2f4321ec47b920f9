#include "layout/accessibile.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include <mutex>

namespace {
const char* const chiave = "veltrix_significato";

// A label that shows data, a number or a record line, is read as its meaning and its text, so the
// reader says what changed, not only where.
class EtichettaAccessibile : public QAccessibleWidget {
public:
    explicit EtichettaAccessibile(QLabel* etichetta)
        : QAccessibleWidget(etichetta, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const auto* etichetta = static_cast<const QLabel*>(widget());
        const QString significato = etichetta->property(chiave).toString();
        const QString testo = etichetta->text().simplified();
        return testo.isEmpty() ? significato : significato + QStringLiteral(": ") + testo;
    }
};

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
    auto* etichetta = qobject_cast<QLabel*>(oggetto);
    if (etichetta && etichetta->property(chiave).isValid()) {
        return new EtichettaAccessibile(etichetta);
    }
    return nullptr;
}
} // namespace

void impostaSignificato(QWidget* controllo, const QString& significato) {
    static std::once_flag installata;
    std::call_once(installata, [] { QAccessible::installFactory(fabbrica); });
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
