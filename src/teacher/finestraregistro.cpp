// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/finestraregistro.h"

#include "platform/messaggi.h"
#include "rules/impostazioni.h"
#include "teacher/paginaalunno.h"
#include "teacher/paginaclasse.h"
#include "teacher/paginagiornata.h"
#include "teacher/paginaimpostazioni.h"
#include "teacher/paginapin.h"
#include "widgets/annuncio.h"

#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>

namespace {
// Room for the table's columns, and still inside a 1024×768 screen with its panel.
const QSize dimensioniProgettate(1000, 680);
} // namespace

FinestraRegistro::FinestraRegistro(Contesto& contesto) : contesto(contesto) {
    setObjectName(QStringLiteral("FinestraRegistro"));
    setWindowTitle(QStringLiteral("Registro - %1").arg(contesto.servizi.nomeProgramma));
    porta = new QStackedWidget(this);
    setCentralWidget(porta);
    stato = new QLabel(this);
    stato->setObjectName(QStringLiteral("statoRegistro"));
    statusBar()->addWidget(stato, 1);
    annuncio = new Annuncio(this);
    resize(dimensioneNelloSchermo(dimensioniProgettate));

    if (!contesto.registro) {
        porta->addWidget(new QLabel(QStringLiteral("Questo VELTRIX non ha un registro."), porta));
        return;
    }
    pin = new PaginaPin(contesto.registro->principale(), porta);
    porta->addWidget(pin);
    connect(pin, &PaginaPin::aperto, this, &FinestraRegistro::apri);
}

// The pages are only made once the PIN is right: until then nothing of the register is read.
void FinestraRegistro::apri() {
    Deposito& deposito = contesto.registro->principale();
    Messaggi& messaggi = contesto.servizi.messaggi;
    const Dici dici = [this](const QString& testo) { this->dici(testo); };
    pagine = new QTabWidget(porta);
    pagine->setObjectName(QStringLiteral("schede"));
    giornata = new PaginaGiornata(deposito, messaggi, dici, pagine);
    alunno = new PaginaAlunno(deposito, messaggi, contesto.servizi.stampante, dici, pagine);
    classe = new PaginaClasse(deposito, messaggi, dici, pagine);
    paginaImpostazioni = new PaginaImpostazioni(
        deposito, messaggi, contesto.servizi.archivio,
        impostazioni::nomeFileImpostazioni(contesto.stato.NomeProgramma), dici, pagine);
    pagine->addTab(giornata, QStringLiteral("&Giornata"));
    pagine->addTab(alunno, QStringLiteral("&Alunno"));
    pagine->addTab(classe, QStringLiteral("&Classi"));
    pagine->addTab(paginaImpostazioni, QStringLiteral("&Impostazioni"));
    porta->addWidget(pagine);
    porta->setCurrentWidget(pagine);
    porta->removeWidget(pin);
    pin->deleteLater();
    pin = nullptr;

    connect(classe, &PaginaClasse::cambiato, this, &FinestraRegistro::ricarica);
    connect(paginaImpostazioni, &PaginaImpostazioni::cambiato, this, &FinestraRegistro::ricarica);
    connect(giornata, &PaginaGiornata::apriAlunno, this,
            [this](const QString& c, const QString& a) {
                alunno->scegli(c, a);
                pagine->setCurrentWidget(alunno);
            });
    ricarica();
    // A register with no class yet: the teacher's first job is making one.
    pagine->setCurrentWidget(giornata->tabella()->rowCount() ? static_cast<QWidget*>(giornata)
                                                             : classe);
    pagine->currentWidget()->setFocus();
}

void FinestraRegistro::ricarica() {
    QString errore;
    const QList<ClasseRegistro> classi = contesto.registro->principale().classi(errore);
    if (!errore.isEmpty()) {
        dici(nonLeggo(errore));
    }
    classe->mostra(classi);
    giornata->mostra(classi);
    alunno->mostra(classi);
}

void FinestraRegistro::dici(const QString& testo) {
    stato->setText(testo);
    annuncio->annuncia(testo);
}
