// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pannelloscelte.h"

#include "widgets/controlli.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

PannelloScelte::PannelloScelte(QWidget* genitore, const QString& nome, const QColor& sfondo)
    : QFrame(genitore) {
    setObjectName(nome);
    impostaRiquadro(this, sfondo);
}

PannelloScelte::PannelloScelte(QWidget* cornice, const QString& nome) : QFrame(cornice) {
    setObjectName(nome);
    setGeometry(cornice->rect());
}

void PannelloScelte::creaPulsanti(const std::vector<Pulsante>& descrizioni, const QFont& font,
                                  const QColor& colore, RegoleTasti regole,
                                  ColoriFuoco coloriFuoco) {
    for (const Pulsante& d : descrizioni) {
        const int posto = numeroPulsanti();
        PulsanteOpzione* p = creaPulsante(this, d.nome, d.testo, posto, font, colore, coloriFuoco);
        posizionaTwip(p, d.sinistra, d.alto, d.larghezza, d.altezza);
        connect(p, &PulsanteOpzione::premuto, this, &PannelloScelte::scelto);
        pulsanti.push_back(p);
    }
    tasti = new GruppoTasti(
        pulsanti, [this](int posto) { emit scelto(posto); }, this, std::move(regole));
}

bool PannelloScelte::daiFuoco(int posto) {
    return tasti->daiFuoco(posto);
}

void PannelloScelte::condividiTenuta(const PannelloScelte& altro) {
    tasti->condividiTenuta(*altro.tasti);
}
