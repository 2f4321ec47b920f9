#include "widgets/controlli.h"

#include "widgets/colori.h"
#include "widgets/pulsanteopzione.h"

#include <QFrame>
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
                              int indice, const QFont& font, const QColor& colore) {
    auto* p = new PulsanteOpzione(testo, indice, genitore);
    p->setObjectName(nome);
    p->setFont(font);
    impostaColori(p, PulsanteOpzione::sfondoSenzaFuoco, colore);
    p->usaColoriFuoco(true);
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
