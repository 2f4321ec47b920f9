// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad and the three panels that take its place: help, warning and intervention.
#include "exercise/pannelli.h"
#include "exercise/tastierino.h"
#include "rules/palette.h"

#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

#include <QLabel>

namespace {
constexpr double larghezzaPannello = 4605;
constexpr double altezzaPannello = 3300;

QFont caratterePulsanti() {
    return carattere(QStringLiteral("Arial"), 20.25);
}

QLabel* titolo(QWidget* pannello, const char* nome, const char* testo, ACapo aCapo = ACapo::no) {
    return creaEtichetta(pannello, QLatin1String(nome), QLatin1String(testo),
                         carattere(QStringLiteral("Arial"), 18), colori::nero, Qt::AlignCenter,
                         aCapo);
}

// Two buttons: a letter, "1" or "2" brings the focus to each; Space to the other one.
RegoleTasti regoleCoppia(char lettera1, char lettera2) {
    RegoleTasti regole;
    regole.tasti = {{lettera1, Effetto::fuoco, 0}, {lettera2, Effetto::fuoco, 1}};
    regole.frecceTengono = false;
    regole.ogniCarattereTiene = false;
    return regole;
}

PannelloScelte* creaAiuto(QWidget* area) {
    auto* fraAiuto = new PannelloScelte(area, QStringLiteral("fraAiuto"), colori::pesca);
    posizionaTwip(fraAiuto, 5865, 5610, larghezzaPannello, altezzaPannello);
    posizionaTwip(titolo(fraAiuto, "LblAiuto", "Ti aiuto ?"), 1065, 300, 2385, 585);
    fraAiuto->creaPulsanti(
        {{QStringLiteral("Option3(0)"), QStringLiteral("SI"), 780, 1320, 3120, 945},
         {QStringLiteral("Option3(1)"), QStringLiteral("NO"), 780, 2295, 3120, 945}},
        caratterePulsanti(), colori::blu, regoleCoppia('S', 'N'));
    return fraAiuto;
}

// A warning over the keypad: its text, "Stampa", and the way on that loses the series.
struct Avviso {
    const char* pannello;
    const char* testo;
    const char* nomeTesto;
    const char* nomePulsanti; // "optAvviso" gives "optAvviso(0)" and "optAvviso(1)"
    const char* secondo;
    char lettera;
};

PannelloScelte* creaAvviso(QWidget* area, const Avviso& a) {
    auto* pannello = new PannelloScelte(area, QLatin1String(a.pannello), colori::pesca);
    posizionaTwip(pannello, 6090, 5280, larghezzaPannello, altezzaPannello);
    posizionaTwip(titolo(pannello, a.nomeTesto, a.testo, ACapo::si), 75, 225, 3780, 870);
    const auto nome = [&a](int i) {
        return QStringLiteral("%1(%2)").arg(QLatin1String(a.nomePulsanti)).arg(i);
    };
    pannello->creaPulsanti({{nome(0), QStringLiteral("Stampa"), 780, 1260, 3330, 840},
                            {nome(1), QLatin1String(a.secondo), 780, 2130, 3330, 840}},
                           caratterePulsanti(), colori::blu, regoleCoppia('S', a.lettera));
    return pannello;
}

// "OK" cannot be refused: Enter and Space both press it, and no other key does anything.
PannelloScelte* creaIntervento(QWidget* area) {
    auto* fraIntervento = new PannelloScelte(area, QStringLiteral("fraIntervento"), colori::pesca);
    posizionaTwip(fraIntervento, 5880, 5595, larghezzaPannello, altezzaPannello);
    QLabel* lblIntervento = titolo(fraIntervento, "lblIntervento", "Intervengo io");
    impostaSfondo(lblIntervento, colori::crema);
    posizionaTwip(lblIntervento, 420, 195, 4095, 510);
    RegoleTasti regole;
    regole.cifrePerPosto = false;
    regole.frecceTengono = false;
    regole.spazio = Spazio::preme;
    regole.ogniCarattereTiene = false;
    fraIntervento->creaPulsanti(
        {{QStringLiteral("optOK"), QStringLiteral("OK"), 720, 1155, 3330, 945}},
        caratterePulsanti(), colori::blu, regole);
    PulsanteOpzione* optOK = fraIntervento->pulsante(0);
    optOK->usaColoriFuoco(false);
    impostaSfondo(optOK, colori::arancio);
    return fraIntervento;
}
} // namespace

Pannelli Pannelli::crea(QWidget* area) {
    Pannelli p;
    p.tastierino = new Tastierino(area);
    posizionaTwip(p.tastierino, 5850, 5580, larghezzaPannello, altezzaPannello);
    p.aiuto = creaAiuto(area);
    p.avviso = creaAvviso(area, {"fraAvviso", "Se ricominci gli esercizi andranno persi",
                                 "Label4(1)", "optAvviso", "Ricomincia", 'R'});
    p.testoAvviso = p.avviso->findChild<QLabel*>(QStringLiteral("Label4(1)"));
    p.intervento = creaIntervento(area);
    p.uscita = creaAvviso(area, {"fraUscita", "Se esci gli esercizi andranno persi", "lblUscita",
                                 "optUscita", "Esco", 'E'});
    // A key pressed on one panel is often let go on another (Enter on "Verifica" brings the help
    // panel): its repeats must not act on the buttons that took the focus meanwhile.
    for (PannelloScelte* pannello : {p.aiuto, p.avviso, p.intervento, p.uscita}) {
        pannello->condividiTenuta(*p.tastierino);
    }
    p.riferimento = new QLabel(area);
    p.riferimento->setObjectName(QStringLiteral("lblRiferimento"));
    posizionaTwip(p.riferimento, 7005, 5010, 60, 90);
    return p;
}

// In the order the window has always moved and switched them.
std::array<QFrame*, 5> Pannelli::tutti() const {
    return {aiuto, tastierino, avviso, intervento, uscita};
}

void Pannelli::posiziona() {
    for (QFrame* pannello : tutti()) {
        pannello->move(riferimento->pos());
    }
}

// A panel behind the one in front is hidden as well as off: covered, it would still be read out
// by a screen reader, its buttons among the keypad's.
void Pannelli::disattiva() {
    for (QFrame* pannello : tutti()) {
        pannello->setEnabled(false);
        pannello->hide();
    }
}

void Pannelli::attiva(QFrame* pannello) {
    disattiva();
    pannello->setEnabled(true);
    pannello->show();
    pannello->raise();
}
