// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/tastierino.h"
#include "rules/palette.h"

#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/tasti.h"
#include "widgets/unita.h"

namespace {
struct Tasto {
    const char* testo;
    double sinistra, alto, larghezza;
};
constexpr Tasto disposizione[Tastierino::numeroTasti] = {
    {"0", 30, 120, 1110},       {"1", 1170, 120, 1110},       {"2", 2295, 120, 1110},
    {"3", 3435, 120, 1110},     {"4", 45, 705, 1110},         {"5", 1170, 705, 1110},
    {"6", 2295, 705, 1110},     {"7", 3435, 705, 1110},       {"8", 45, 1290, 1110},
    {"9", 1170, 1290, 1110},    {"Cancella", 45, 1875, 2250}, {"Verifica", 2295, 1875, 2250},
    {"Avanti", 45, 2460, 2250}, {"Esco", 2295, 2460, 2250},
};
constexpr double altezzaTasto = 585;

// A digit typed enters it and C or Backspace deletes, the focus staying where it is; V, A and E
// only bring the focus to "Verifica", "Avanti" and "Esco", for Enter to press.
RegoleTasti regoleTastierino() {
    RegoleTasti regole;
    regole.cifrePerPosto = false;
    regole.ogniCarattereTiene = false;
    for (int cifra = 0; cifra <= 9; ++cifra) {
        regole.tasti.push_back({tasti::zero + cifra, Effetto::premi, cifra});
        regole.tasti.push_back({tasti::zeroTastierino + cifra, Effetto::premi, cifra});
    }
    regole.tasti.insert(regole.tasti.end(),
                        {{'C', Effetto::premi, Tastierino::cancella},
                         {tasti::cancella, Effetto::premi, Tastierino::cancella},
                         {'V', Effetto::fuoco, Tastierino::verifica},
                         {'A', Effetto::fuoco, Tastierino::avanti},
                         {'E', Effetto::fuoco, Tastierino::esco}});
    return regole;
}
} // namespace

QString Tastierino::nomeTasto(int indice) {
    return QStringLiteral("Option2(%1)").arg(indice);
}

Tastierino::Tastierino(QWidget* genitore)
    : PannelloScelte(genitore, QStringLiteral("fraTastierino"), colori::pesca) {
    std::vector<Pulsante> pulsanti;
    for (int i = 0; i < numeroTasti; ++i) {
        const Tasto& t = disposizione[i];
        pulsanti.push_back(
            {nomeTasto(i), QLatin1String(t.testo), t.sinistra, t.alto, t.larghezza, altezzaTasto});
    }
    creaPulsanti(pulsanti, carattere(QStringLiteral("Arial"), 24), colori::blu, regoleTastierino());
}

void Tastierino::prepara() {
    for (int i = 0; i <= verifica; ++i) {
        pulsante(i)->setEnabled(true);
    }
    if (!daiFuoco(1)) {
        return;
    }
    pulsante(avanti)->setEnabled(false);
    pulsante(esco)->setEnabled(false);
}

void Tastierino::blocca() {
    for (int i = 0; i <= verifica; ++i) {
        pulsante(i)->setEnabled(false);
    }
    pulsante(avanti)->setEnabled(true);
    pulsante(esco)->setEnabled(true);
    daiFuoco(avanti);
}

void Tastierino::soloEsco() {
    for (int i = 0; i < numeroTasti; ++i) {
        pulsante(i)->setEnabled(i == esco);
    }
    daiFuoco(esco);
}
