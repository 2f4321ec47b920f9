#include "start/finestranota.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FinestraNota::FinestraNota(const QString& argomento, const QString& nomeProgramma, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("finestraNota"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(nomeProgramma + QStringLiteral(" - ") + argomento);

    auto* testo = new QLabel(QStringLiteral("%1\n\nQuesta funzione non è ancora disponibile: "
                                            "lo sarà in una prossima versione del programma.")
                                 .arg(argomento),
                             this);
    testo->setObjectName(QStringLiteral("lblNota"));
    testo->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(testo);
    colonna->addWidget(ok, 0, Qt::AlignRight);
    resize(420, 160);
}
