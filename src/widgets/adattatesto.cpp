// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/adattatesto.h"

#include "printouts/restringi.h"
#include "widgets/caratteri.h"
#include "widgets/pulsantecomando.h"
#include "widgets/pulsanteopzione.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyleOptionButton>
#include <QTextDocument>

#include <optional>

namespace {
constexpr char puntiProgettati[] = "veltrixPuntiProgettati";
constexpr char improntaAdattata[] = "veltrixImprontaAdattata";

// What a fit depends on that changes after a window is built.
struct Impronta {
    QString testo;
    QSize dimensioni;
    QFont font;
    bool operator==(const Impronta&) const = default;
};

struct Spazio {
    QRectF rettangolo;
    int allineamento;
    QString testo;
};

std::optional<Spazio> spazioEtichetta(const QLabel* l) {
    const bool ricco = l->textFormat() == Qt::RichText ||
                       (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    if (l->text().isEmpty() || ricco) {
        return std::nullopt;
    }
    const int m = l->margin();
    const int a_capo = l->wordWrap() ? int(Qt::TextWordWrap) : 0;
    return Spazio{QRectF(l->contentsRect().adjusted(m, m, -m, -m)), int(l->alignment()) | a_capo,
                  l->text()};
}

std::optional<Spazio> spazioPulsante(const QPushButton* p) {
    if (p->text().isEmpty()) {
        return std::nullopt;
    }
    // The program's buttons wrap their captions inside the style's margin.
    if (qobject_cast<const PulsanteOpzione*>(p) || qobject_cast<const PulsanteComando*>(p)) {
        return Spazio{QRectF(spazioDidascalia(p)), int(Qt::AlignCenter | Qt::TextWordWrap),
                      p->text()};
    }
    QStyleOptionButton opzione;
    opzione.initFrom(p);
    opzione.text = p->text();
    return Spazio{QRectF(p->style()->subElementRect(QStyle::SE_PushButtonContents, &opzione, p)),
                  int(Qt::AlignCenter | Qt::TextShowMnemonic), p->text()};
}

std::optional<Spazio> spazio(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return spazioEtichetta(l);
    }
    if (const auto* p = qobject_cast<const QPushButton*>(w)) {
        return spazioPulsante(p);
    }
    return std::nullopt;
}

// Across, the lines' advance must fit. Down, only the ink counts: the line box keeps room above
// the capitals and below the baseline that digits and capitals never fill, and a row of large
// digits must not shrink for room it does not use.
bool entra(const Spazio& s, const QFont& font, const QWidget* w) {
    const QFontMetricsF fm(font, w);
    const QRectF r = s.rettangolo;
    const QRectF righe = fm.boundingRect(r, s.allineamento, s.testo);
    constexpr double tolleranza = 0.5;
    if (righe.left() < r.left() - tolleranza || righe.right() > r.right() + tolleranza) {
        return false;
    }
    QString unaRiga = s.testo;
    unaRiga.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QRectF inchiostro = fm.tightBoundingRect(unaRiga);
    const double alto = righe.top() + fm.ascent() + inchiostro.top();
    const double basso = righe.bottom() - fm.descent() + inchiostro.bottom();
    return alto >= r.top() - tolleranza && basso <= r.bottom() + tolleranza;
}

QFont conPunti(QFont font, double punti) {
    font.setPointSizeF(punti);
    return font;
}

} // namespace

void adattaTesto(QWidget* controllo) {
    const auto s = spazio(controllo);
    const QFont attuale = controllo->font();
    if (!s || attuale.pointSizeF() <= 0) {
        return;
    }
    // Most paints find the text, the size and the font as the last fit left them: measuring
    // again, on every control at every paint, would only repeat that fit.
    const Impronta ora{s->testo, controllo->size(), attuale};
    if (controllo->property(improntaAdattata).value<Impronta>() == ora) {
        return;
    }
    const QVariant memoria = controllo->property(puntiProgettati);
    const double progetto = memoria.isValid() ? memoria.toDouble() : attuale.pointSizeF();
    if (!memoria.isValid()) {
        controllo->setProperty(puntiProgettati, progetto);
    }
    const double punti = puntiCheEntrano(progetto, puntiLeggibili, [&](double p) {
        return entra(*s, conPunti(attuale, p), controllo);
    });
    if (punti != attuale.pointSizeF()) {
        controllo->setFont(conPunti(attuale, punti));
    }
    controllo->setProperty(improntaAdattata, QVariant::fromValue(Impronta{
                                                 s->testo, controllo->size(), controllo->font()}));
}

void AdattaTesti::segui(QWidget* controllo) {
    if (qobject_cast<QLabel*>(controllo) || qobject_cast<QPushButton*>(controllo)) {
        controllo->installEventFilter(this);
    }
}

// Fitting just before painting catches every change of text or size, whoever made it.
bool AdattaTesti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Paint) {
        adattaTesto(static_cast<QWidget*>(oggetto));
    }
    return false;
}
