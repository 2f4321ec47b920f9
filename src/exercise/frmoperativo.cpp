#include "exercise/frmoperativo.h"

#include <QLabel>

FrmOperativo::FrmOperativo(Contesto& contesto) : contesto(contesto) {
    setObjectName(QStringLiteral("FrmOperativo"));
    setWindowTitle(QStringLiteral("ESERCIZI SULLE ADDIZIONI.1"));
    auto* avviso = new QLabel(QStringLiteral("Finestra in preparazione."), this);
    avviso->setAlignment(Qt::AlignCenter);
    setCentralWidget(avviso);
    resize(640, 480);
}
