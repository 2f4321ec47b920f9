#include "worksheets/frmstampaschede.h"

#include <QLabel>

FrmStampaSchede::FrmStampaSchede(Contesto& contesto) : contesto(contesto) {
    setObjectName(QStringLiteral("FrmStampaSchede"));
    setWindowTitle(QStringLiteral("Stampa schede"));
    auto* avviso = new QLabel(QStringLiteral("Finestra in preparazione."), this);
    avviso->setAlignment(Qt::AlignCenter);
    setCentralWidget(avviso);
    resize(640, 480);
}
