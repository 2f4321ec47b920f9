// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/frminizio.h"
#include "platform/archivio.h"
#include "printouts/nomealunno.h"
#include "rules/impostazioni.h"
#include "rules/palette.h"
#include "rules/scelte.h"
#include "start/finestrasceltaalunno.h"
#include "widgets/accessibile.h"

#include "widgets/areaproporzionale.h"
#include "widgets/colori.h"
#include "widgets/etichetta.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

frmInizio::frmInizio(Contesto& contesto) : contesto(contesto), stato(contesto.stato) {
    setObjectName(QStringLiteral("frmInizio"));
    stato.NomeProgramma = contesto.servizi.nomeProgramma;
    stato.Operazione = 1;

    area = new AreaProporzionale(11910, 8340, this);
    area->setObjectName(QStringLiteral("area"));
    impostaSfondo(area, colori::crema);
    setCentralWidget(area);
    creaMenu();
    creaTitolo();
    creaRiepilogo();
    creaObiettivi();
    creaLivelli();
    creaOperativita();
    creaTendine();
    resize(area->size() + QSize(0, menuBar()->sizeHint().height()));

    TimerTendine = new QTimer(this);
    TimerTendine->setObjectName(QStringLiteral("TimerTendine"));
    TimerTendine->setInterval(5);
    connect(TimerTendine, &QTimer::timeout, this, &frmInizio::tickTendine);
    connect(lblCambiaOb, &Etichetta::cliccata, this, &frmInizio::cambiaObiettivi);
    // A window resized while the curtain opens is still covered as far as the curtain has come.
    connect(area, &AreaProporzionale::ridimensionata, this, [this] {
        if (!siparioDestro->isHidden()) {
            tendine.ridimensiona(pixelInTwip(frameGeometry().width(), this));
            disponiTendine();
        }
    });

    preparaTendine();
    area->registraPosizioni();

    setWindowTitle(stato.NomeProgramma);
    impostaSignificati(this, {{"area", "Finestra iniziale"},
                              {"fraTitolo", "Titolo"},
                              {"Frame5", "Nome del programma"},
                              {"Picture1", "Sipario destro"},
                              {"Picture2", "Sipario sinistro"}});
    mostraDidascalie(QStringLiteral("Obiettivo: "), QStringLiteral("Livello: "));
    fraLivelli->setEnabled(false);
    fraOperativita->setEnabled(false);
    leggiLivelli();
    // Only a hand-edited file holds another set; the pupil gets the first one, and the switch
    // below alternates from there.
    if (GruppoObiettivi != 2) {
        GruppoObiettivi = 1;
    }
    mostraGruppo(GruppoObiettivi);
    massimizza();
}

void frmInizio::mostraDidascalie(const QString& obiettivo, const QString& livello) {
    lblObiettivo->setText(obiettivo);
    lblLivello->setText(livello);
    stato.DidascaliaObiettivo = obiettivo;
}

// Both panels start at half the window's outer width, so together they cover it all.
void frmInizio::preparaTendine() {
    tendine.chiudi(pixelInTwip(frameGeometry().width(), this));
    disponiTendine();
    inizioTendine.invalidate();
    TimerTendine->start();
}

// The time runs from the first tick, when the program starts handling its events and the
// window comes on screen.
void frmInizio::tickTendine() {
    if (!inizioTendine.isValid()) {
        inizioTendine.start();
    }
    avanzaTendine(double(inizioTendine.elapsed()));
}

// Once open the panels go: what is left of them would stay as a strip at the screen's edges.
void frmInizio::avanzaTendine(double trascorsi) {
    const bool aperta = tendine.avanza(trascorsi, pixelInTwip(frameGeometry().width(), this));
    disponiTendine();
    if (aperta) {
        TimerTendine->stop();
        siparioDestro->hide();
        siparioSinistro->hide();
        mnuSchede->setEnabled(true);
        if (mnuRegistro) {
            mnuRegistro->setEnabled(true);
        }
    }
}

void frmInizio::disponiTendine() {
    const int destra = twipInPixel(tendine.destra, this);
    const int sinistra = twipInPixel(tendine.sinistra, this);
    siparioSinistro->setGeometry(0, 0, sinistra, area->height());
    siparioDestro->setGeometry(area->width() - destra, 0, destra, area->height());
}

// The lab's code stands in for 1 where the user has no settings file; a code asked for on the
// command line is used for this run, and the file keeps its own.
void frmInizio::leggiLivelli() {
    const Avvio& avvio = contesto.servizi.avvio;
    if (avvio.operazioneLaboratorio) {
        stato.Operazione = *avvio.operazioneLaboratorio;
    }
    impostazioni::leggiLivelli(contesto.servizi.archivio,
                               impostazioni::nomeFileImpostazioni(stato.NomeProgramma),
                               stato.Operazione, GruppoObiettivi);
    OperazioneDelFile = stato.Operazione;
    if (avvio.operazioneRichiesta) {
        stato.Operazione = *avvio.operazioneRichiesta;
    }
}

void frmInizio::scriviLivelli() {
    // The teacher may have changed the file's operation code meanwhile, in the register's
    // window: that one stands, and only the objective set is this window's to write.
    const QString file = impostazioni::nomeFileImpostazioni(stato.NomeProgramma);
    qint16 operazione = OperazioneDelFile, gruppoNelFile = 1;
    impostazioni::leggiLivelli(contesto.servizi.archivio, file, operazione, gruppoNelFile);
    // A settings file that cannot be written is not worth interrupting the pupil for.
    impostazioni::scriviLivelli(contesto.servizi.archivio, file, operazione, GruppoObiettivi);
}

void frmInizio::azzeraObiettivi() {
    for (int k = 0; k < numeroObiettivi; ++k) {
        impostaSfondo(strisceObiettivi[k], colori::crema);
        impostaTesto(optObiettivo[k], colori::blu);
        optObiettivo[k]->impostaScelto(false);
    }
}

void frmInizio::azzeraLivelli() {
    for (int k = 0; k < numeroLivelli; ++k) {
        impostaSfondo(strisceLivelli[k], colori::crema);
        impostaTesto(optLivello[k], colori::blu);
        optLivello[k]->impostaScelto(false);
    }
}

void frmInizio::sceltaObiettivo(int i) {
    azzeraObiettivi();
    strisceObiettivi[i]->raise();
    impostaSfondo(strisceObiettivi[i], colori::rosso);
    impostaTesto(optObiettivo[i], colori::rosso);
    optObiettivo[i]->impostaScelto(true);
    mostraDidascalie(scegliObiettivo(stato, i), lblLivello->text());
    fraLivelli->setEnabled(true);
}

void frmInizio::sceltaLivello(int i) {
    azzeraLivelli();
    mostraDidascalie(lblObiettivo->text(), scegliLivello(stato, i));
    fraOperativita->setEnabled(true);
    impostaSfondo(strisceLivelli[i], colori::rosso);
    impostaTesto(optLivello[i], colori::rosso);
    optLivello[i]->impostaScelto(true);
}

void frmInizio::sceltaOperativita(int i) {
    stato.NomeAlunno.clear();
    if (i == 0) {
        if (!chiediAlunno()) {
            apriEsercizi();
        }
    } else {
        chiudiFinestre();
    }
}

// Asked once per run, before the first series. With no class in the register, or no register,
// the pupil goes straight on as ever; Esc leaves the pupil here, to be asked at the next "Avanti".
bool frmInizio::chiediAlunno() {
    Registro* registro = contesto.registro;
    if (!registro || registro->sceltaFatta()) {
        return false;
    }
    // A window closed a moment ago is still there until the event loop deletes it.
    if (sceltaAlunno && sceltaAlunno->isVisible()) {
        sceltaAlunno->raise();
        sceltaAlunno->activateWindow();
        return true;
    }
    const QList<ClasseRegistro> classi = classiConAlunni(registro->classi());
    if (classi.isEmpty()) {
        return false;
    }
    sceltaAlunno = new FinestraSceltaAlunno(stato.NomeProgramma, classi,
                                            dimensioneNelloSchermo(area->size()), this);
    connect(sceltaAlunno, &FinestraSceltaAlunno::scelto, this,
            [this](const std::optional<AlunnoRegistro>& alunno) {
                contesto.registro->scegliAlunno(alunno);
                apriEsercizi();
            });
    sceltaAlunno->show();
    return true;
}

// The pupil chosen, now or earlier in the run, is the name on the list and the certificate.
void frmInizio::apriEsercizi() {
    if (contesto.registro && contesto.registro->alunnoScelto()) {
        // As the name box would take it: the printouts have room for 15 characters; the
        // register keeps the whole name.
        stato.NomeAlunno = nomeAmmesso(contesto.registro->alunnoScelto()->nome);
    }
    scriviLivelli();
    attendiEsercizi(contesto.finestre.apri(Finestra::Operativo));
}

// While a series is open the window keeps only its menu, for the teacher. On a whiteboard its
// choices and "Esci" lie beside the exercise window: a touch on them would change the objective
// under the series, or end the program with it. A touch beside the exercise window must not take
// the keyboard from it either, or the digits typed next would go nowhere.
void frmInizio::attendiEsercizi(QWidget* esercizi) {
    auto* finestra = qobject_cast<FinestraVeltrix*>(esercizi);
    if (!finestra) {
        return;
    }
    inAttesa(true);
    connect(finestra, &FinestraVeltrix::scaricata, this, [this] {
        inAttesa(false);
        activateWindow();
    });
}

void frmInizio::inAttesa(bool si) {
    area->setEnabled(!si);
    if (QWindow* finestra = windowHandle()) {
        finestra->setFlag(Qt::WindowDoesNotAcceptFocus, si);
    }
}

void frmInizio::cambiaObiettivi() {
    azzeraObiettivi();
    azzeraLivelli();
    mostraDidascalie(QStringLiteral("Obiettivo"), QStringLiteral("Livello"));
    fraLivelli->setEnabled(false);
    fraOperativita->setEnabled(false);
    GruppoObiettivi = GruppoObiettivi == 1 ? 2 : 1;
    mostraGruppo(GruppoObiettivi);
    scriviLivelli();
}

void frmInizio::mostraGruppo(qint16 k) {
    lblNomeOperazione->setText(stato.NomeProgramma + QStringLiteral(".%1").arg(k));
    fraObiettivi->setTitle(QStringLiteral("OBIETTIVI %1").arg(k));
    const int primo = k == 1 ? 0 : 3;
    const int altro = k == 1 ? 3 : 0;
    for (int i = 0; i < 3; ++i) {
        optObiettivo[primo + i]->show();
        optObiettivo[primo + i]->raise();
        optObiettivo[altro + i]->hide();
    }
}

void frmInizio::chiudiFinestre() {
    contesto.finestre.chiudiAperte();
}

void frmInizio::alloScaricamento() {
    scriviLivelli();
    chiudiFinestre();
}
