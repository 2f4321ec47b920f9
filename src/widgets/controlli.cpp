// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controlli.h"

#include "rules/palette.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/pulsanteopzione.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

QLabel* creaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                      const QFont& font, const QColor& colore, Qt::Alignment allineamento,
                      ACapo aCapo) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    l->setFont(font);
    l->setAlignment(allineamento);
    l->setWordWrap(aCapo == ACapo::si);
    impostaTesto(l, colore);
    return l;
}

PulsanteOpzione* creaPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                              int indice, const QFont& font, const QColor& colore,
                              ColoriFuoco coloriFuoco) {
    auto* p = new PulsanteOpzione(testo, indice, genitore);
    p->setObjectName(nome);
    p->setFont(font);
    impostaColori(p, colori::sfondoSenzaFuoco, colore);
    p->usaColoriFuoco(coloriFuoco == ColoriFuoco::si);
    return p;
}

QFrame* creaRiquadro(QWidget* genitore, const QString& nome, const QColor& sfondo) {
    auto* f = new QFrame(genitore);
    f->setObjectName(nome);
    impostaRiquadro(f, sfondo);
    return f;
}

void impostaRiquadro(QFrame* riquadro, const QColor& sfondo) {
    riquadro->setFrameShape(QFrame::Box);
    impostaSfondo(riquadro, sfondo);
}

QGroupBox* creaCornice(QWidget* genitore, const QString& nome, const QString& titolo,
                       const QColor& sfondo, const QColor& testo) {
    auto* cornice = new QGroupBox(titolo, genitore);
    cornice->setObjectName(nome);
    cornice->setFont(carattere(QStringLiteral("MS Sans Serif"), 8.25));
    impostaColori(cornice, sfondo, testo);
    return cornice;
}
