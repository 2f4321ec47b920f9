#include "reports/frmattestato.h"

#include <QLabel>

FrmAttestato::FrmAttestato(Contesto& contesto) : contesto(contesto) {
    setObjectName(QStringLiteral("FrmAttestato"));
    setWindowTitle(QStringLiteral("Attestato"));
    auto* avviso = new QLabel(QStringLiteral("Finestra in preparazione."), this);
    avviso->setAlignment(Qt::AlignCenter);
    setCentralWidget(avviso);
    resize(640, 480);
}
