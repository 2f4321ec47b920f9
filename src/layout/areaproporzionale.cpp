#include "layout/areaproporzionale.h"

#include "layout/twips.h"

#include <QMouseEvent>

AreaProporzionale::AreaProporzionale(double larghezzaTwip, double altezzaTwip, QWidget* parent)
    : QWidget(parent) {
    resize(twipInPixel(larghezzaTwip, this), twipInPixel(altezzaTwip, this));
}

void AreaProporzionale::registraPosizioni() {
    tabella.registra(this);
}

void AreaProporzionale::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    tabella.applica(size());
    emit ridimensionata();
}

// Only a press on the bare background counts: a press that a control let through is not one.
void AreaProporzionale::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (!childAt(e->position().toPoint())) {
        emit cliccata();
    }
}
