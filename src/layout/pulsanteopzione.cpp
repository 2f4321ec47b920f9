#include "layout/pulsanteopzione.h"

#include "layout/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

PulsanteOpzione::PulsanteOpzione(const QString& testo, int indice, QWidget* parent)
    : QPushButton(testo, parent), posto(indice) {
    setAutoDefault(false);
    setCheckable(false);
    impostaSfondo(this, sfondoSenzaFuoco);
}

void PulsanteOpzione::usaColoriFuoco(bool si) {
    coloriFuoco = si;
    impostaSfondo(this, si && hasFocus() ? sfondoConFuoco : sfondoSenzaFuoco);
}

void PulsanteOpzione::mousePressEvent(QMouseEvent* e) {
    if (focusPolicy() != Qt::NoFocus) {
        setFocus(Qt::MouseFocusReason);
    }
    e->accept();
    emit premuto(posto);
}

void PulsanteOpzione::mouseReleaseEvent(QMouseEvent* e) {
    setDown(false);
    e->accept();
}

// Keys never press the button: the window decides what a key means for the group.
void PulsanteOpzione::keyPressEvent(QKeyEvent* e) {
    e->accept();
    emit tastoGiu(posto, e);
}

void PulsanteOpzione::keyReleaseEvent(QKeyEvent* e) {
    e->accept();
    emit tastoSu(posto, e);
}

void PulsanteOpzione::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    setDown(false);
    if (coloriFuoco) {
        impostaSfondo(this, sfondoConFuoco);
    }
}

void PulsanteOpzione::focusOutEvent(QFocusEvent* e) {
    QPushButton::focusOutEvent(e);
    setDown(false);
    if (coloriFuoco) {
        impostaSfondo(this, sfondoSenzaFuoco);
    }
}

// Long captions wrap onto more lines, as they do on the buttons pupils know, instead of being cut.
void PulsanteOpzione::paintEvent(QPaintEvent*) {
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    const QString didascalia = opzione.text;
    opzione.text.clear();
    pittore.drawControl(QStyle::CE_PushButton, opzione);
    const auto gruppo = !isEnabled()       ? QPalette::Disabled
                        : isActiveWindow() ? QPalette::Active
                                           : QPalette::Inactive;
    pittore.setPen(palette().color(gruppo, QPalette::ButtonText));
    const int margine = style()->pixelMetric(QStyle::PM_ButtonMargin, &opzione, this) / 2 + 2;
    pittore.drawText(rect().adjusted(margine, margine, -margine, -margine),
                     Qt::AlignCenter | Qt::TextWordWrap, didascalia);
}
