// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/quadrooperazione.h"
#include "rules/palette.h"

#include "widgets/accessibile.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/linea.h"
#include "widgets/unita.h"

#include <QLabel>

QuadroOperazione::QuadroOperazione(QWidget* area) : QFrame(area) {
    setObjectName(QStringLiteral("frmNumero"));
    impostaRiquadro(this, colori::crema);
    posizionaTwip(this, 60, 1410, 11730, 2745);
    creaEtichette();
    creaCroci();
    nascondiCroci();
}

void QuadroOperazione::creaEtichette() {
    struct Posto {
        const char* nome;
        double sinistra, larghezza, altezza;
    };
    constexpr Posto posti[] = {
        {"LblNumero1", 45, 2235, 1095},      {"LblSegno", 2280, 765, 1245},
        {"LblNumero2", 3060, 2235, 1095},    {"lblSegno1", 5340, 765, 1140},
        {"lblNumero3", 6135, 2235, 1095},    {"LblUguale", 8430, 915, 1110},
        {"lblRisultato1", 9405, 2235, 1095},
    };
    for (size_t i = 0; i < riga.size(); ++i) {
        const Posto& p = posti[i];
        riga[i] = creaEtichetta(this, QLatin1String(p.nome), QString(), carattere("Arial", 60),
                                colori::blu);
        posizionaTwip(riga[i], p.sinistra, 120, p.larghezza, p.altezza);
    }
    numeri = {riga[0], riga[2], riga[4], riga[6]};
    LblSegno = riga[1];
    lblSegno1 = riga[3];
    LblUguale = riga[5];
    lblCorrezione = creaEtichetta(this, QStringLiteral("lblCorrezione"), QString(),
                                  carattere("Arial", 60), colori::rosso);
    posizionaTwip(lblCorrezione, 9420, 1230, 2235, 1095);

    // Where the row stands, for an operation code this window has no exercises for.
    lblNonDisponibile =
        creaEtichetta(this, QStringLiteral("lblNonDisponibile"), QString(), carattere("Arial", 24),
                      colori::rosso, Qt::AlignCenter, ACapo::si);
    posizionaTwip(lblNonDisponibile, 45, 120, 11595, 2400);
    lblNonDisponibile->hide();
}

void QuadroOperazione::creaCroci() {
    for (int k = 0; k < numeroNumeri; ++k) {
        Line1[k] = new Linea(this, colori::rosso, 4);
        Line1[k]->setObjectName(QStringLiteral("Line1(%1)").arg(k));
        Line2[k] = new Linea(this, colori::rosso, 4);
        Line2[k]->setObjectName(QStringLiteral("Line2(%1)").arg(k));
        for (Linea* croce : {Line1[k], Line2[k]}) {
            impostaSignificato(croce, QStringLiteral("Croce sulla risposta errata"));
        }
    }
}

bool QuadroOperazione::scrivi(int k, const QString& testo) {
    const bool cambiato = numeri[k]->text() != testo;
    numeri[k]->setText(testo);
    return cambiato && testo != QLatin1String("?");
}

void QuadroOperazione::scriviSegno(const QString& segno) {
    LblSegno->setText(segno);
    lblSegno1->setText(segno);
    LblUguale->setText(QStringLiteral("="));
}

QStringList QuadroOperazione::testi() const {
    QStringList parti;
    for (const QLabel* l : riga) {
        parti << l->text();
    }
    return parti;
}

void QuadroOperazione::pulisci() {
    lblCorrezione->clear();
    for (QLabel* numero : numeri) {
        impostaTesto(numero, colori::blu);
    }
    nascondiCroci();
}

void QuadroOperazione::segnaMancante(int k) {
    impostaTesto(numeri[k], colori::marrone);
}

void QuadroOperazione::mostraCroce(int k) {
    Line1[k]->show();
    Line2[k]->show();
    Line1[k]->raise();
    Line2[k]->raise();
}

void QuadroOperazione::nascondiCroci() {
    for (int k = 0; k < numeroNumeri; ++k) {
        Line1[k]->hide();
        Line2[k]->hide();
    }
}

void QuadroOperazione::posizionaCroci() {
    for (int k = 0; k < numeroNumeri; ++k) {
        const QRect r = numeri[k]->geometry();
        const int destra = r.x() + r.width();
        const int basso = r.y() + r.height();
        Line1[k]->impostaEstremi(r.topLeft(), {destra, basso});
        Line2[k]->impostaEstremi({r.x(), basso}, {destra, r.y()});
    }
}

void QuadroOperazione::mostraCorrezione(const QString& testo, int k) {
    lblCorrezione->setText(testo);
    if (k >= 0 && k < numeroNumeri) {
        lblCorrezione->move(numeri[k]->x(), lblCorrezione->y());
    }
}

// Only the notice stays: the pupil is told there is nothing to answer and can only leave.
void QuadroOperazione::mostraNonDisponibile(const QString& testo) {
    for (QLabel* l : riga) {
        l->hide();
    }
    lblNonDisponibile->setText(testo);
    lblNonDisponibile->show();
}
