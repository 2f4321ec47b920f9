// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pulsanteopzione.h"

#include "rules/palette.h"
#include "widgets/colori.h"
#include "widgets/tasti.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

PulsanteOpzione::PulsanteOpzione(const QString& testo, int indice, QWidget* parent)
    : QPushButton(testo, parent), posto(indice) {
    setAutoDefault(false);
    setCheckable(false);
    impostaSfondo(this, colori::sfondoSenzaFuoco);
}

void PulsanteOpzione::usaColoriFuoco(bool si) {
    coloriFuoco = si;
    impostaSfondo(this, si && hasFocus() ? colori::sfondoConFuoco : colori::sfondoSenzaFuoco);
}

void PulsanteOpzione::mousePressEvent(QMouseEvent* e) {
    e->accept();
    premi();
}

void PulsanteOpzione::premi() {
    if (!isEnabled()) {
        return;
    }
    if (focusPolicy() != Qt::NoFocus) {
        setFocus(Qt::MouseFocusReason);
    }
    emit premuto(posto);
}

void PulsanteOpzione::impostaScelto(bool si) {
    scelta = true;
    if (sceltoOra == si) {
        return;
    }
    sceltoOra = si;
    QAccessible::State cambiato;
    cambiato.checked = true;
    QAccessibleStateChangeEvent evento(this, cambiato);
    QAccessible::updateAccessibility(&evento);
}

void PulsanteOpzione::mouseReleaseEvent(QMouseEvent* e) {
    setDown(false);
    e->accept();
}

// Keys never press the button: the window decides what a key means for the group. Only the
// arrows keep the toolkit's meaning, moving the focus between the buttons.
void PulsanteOpzione::keyPressEvent(QKeyEvent* e) {
    const int codice = tasti::codice(e);
    const int carattere = tasti::carattere(e);
    QPointer<PulsanteOpzione> vivo(this);
    e->accept();
    emit tastoGiu(posto, codice);
    if (vivo && carattere != 0) {
        emit this->carattere(posto, carattere);
    }
    if (vivo && tasti::perIlToolkit(codice)) {
        QPushButton::keyPressEvent(e);
    }
}

void PulsanteOpzione::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    setDown(false);
    if (coloriFuoco) {
        impostaSfondo(this, colori::sfondoConFuoco);
    }
}

void PulsanteOpzione::focusOutEvent(QFocusEvent* e) {
    QPushButton::focusOutEvent(e);
    setDown(false);
    if (coloriFuoco) {
        impostaSfondo(this, colori::sfondoSenzaFuoco);
    }
}

void PulsanteOpzione::paintEvent(QPaintEvent*) {
    disegnaACapo(this);
}

// Long captions wrap onto more lines, as they do on the buttons pupils know, instead of being cut.
void disegnaACapo(QPushButton* pulsante) {
    QStylePainter pittore(pulsante);
    QStyleOptionButton opzione;
    opzione.initFrom(pulsante);
    opzione.features = QStyleOptionButton::None;
    if (pulsante->isDown()) {
        opzione.state |= QStyle::State_Sunken;
    }
    const QString didascalia = pulsante->text();
    pittore.drawControl(QStyle::CE_PushButton, opzione);
    const auto gruppo = !pulsante->isEnabled()       ? QPalette::Disabled
                        : pulsante->isActiveWindow() ? QPalette::Active
                                                     : QPalette::Inactive;
    pittore.setPen(pulsante->palette().color(gruppo, QPalette::ButtonText));
    pittore.drawText(spazioDidascalia(pulsante), Qt::AlignCenter | Qt::TextWordWrap, didascalia);
}

QRect spazioDidascalia(const QPushButton* pulsante) {
    QStyleOptionButton opzione;
    opzione.initFrom(pulsante);
    const int margine =
        pulsante->style()->pixelMetric(QStyle::PM_ButtonMargin, &opzione, pulsante) / 2 + 2;
    return pulsante->rect().adjusted(margine, margine, -margine, -margine);
}
