#include "reports/frmstampaesercizio.h"

#include <QLabel>

FrmStampaEsercizio::FrmStampaEsercizio(Contesto& contesto) : contesto(contesto) {
    setObjectName(QStringLiteral("FrmStampaEsercizio"));
    setWindowTitle(QStringLiteral("Esercizi svolti"));
    auto* avviso = new QLabel(QStringLiteral("Finestra in preparazione."), this);
    avviso->setAlignment(Qt::AlignCenter);
    setCentralWidget(avviso);
    resize(640, 480);
}
