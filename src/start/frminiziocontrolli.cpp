// Building the controls of the start window at their designed places, colours and fonts.
#include "rules/palette.h"
#include "start/finestraesempi.h"
#include "start/finestravalutazione.h"
#include "start/frminizio.h"
#include "rules/scelte.h"

#include "widgets/areaproporzionale.h"
#include "widgets/etichetta.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"
#include "widgets/colori.h"
#include "widgets/caratteri.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

namespace {
QLabel* etichetta(QWidget* genitore, const char* nome, const QString& testo, const QFont& font,
                  Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(QLatin1String(nome));
    l->setFont(font);
    l->setAlignment(allineamento);
    l->setWordWrap(true);
    return l;
}

PulsanteOpzione* pulsante(QWidget* genitore, const QString& nome, const QString& testo, int i,
                          const QFont& font) {
    auto* p = new PulsanteOpzione(testo, i, genitore);
    p->setObjectName(nome);
    p->setFont(font);
    impostaColori(p, PulsanteOpzione::sfondoSenzaFuoco, colori::blu);
    return p;
}
} // namespace

void frmInizio::creaTitolo() {
    auto* fraTitolo = new QWidget(area);
    fraTitolo->setObjectName(QStringLiteral("fraTitolo"));
    impostaSfondo(fraTitolo, colori::crema);
    posizionaTwip(fraTitolo, 90, 0, 11745, 1800);

    auto* Frame5 = new QWidget(fraTitolo);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    impostaSfondo(Frame5, colori::pesca);
    posizionaTwip(Frame5, 135, 120, 8256, 1500);

    lblNomeOperazione = etichetta(Frame5, "lblNomeOperazione", QStringLiteral("OPE"),
                                  carattere("Arial", 48), Qt::AlignCenter);
    impostaTesto(lblNomeOperazione, colori::blu);
    posizionaTwip(lblNomeOperazione, 240, 165, 7755, 945);

    auto* Label6 =
        etichetta(Frame5, "Label6", QStringLiteral(" OPERAZIONI IN  RIGA CON NUMERI INTERI"),
                  carattere("Arial", 20.25), Qt::AlignCenter);
    impostaTesto(Label6, colori::blu);
    posizionaTwip(Label6, 0, 1080, 8205, 375);
    adattaAllaLarghezza(Label6);

    lblVersione =
        etichetta(fraTitolo, "lblVersione", QStringLiteral("Ver.1.0.3\n\nUtilizza il MOUSE"),
                  carattere("Arial", 12), Qt::AlignCenter);
    impostaTesto(lblVersione, colori::blu);
    posizionaTwip(lblVersione, 8790, 345, 2250, 1005);
}

void frmInizio::creaRiepilogo() {
    auto* Label7 =
        etichetta(area, "Label7", QStringLiteral("Le tue scelte"), carattere("Arial", 20.25));
    impostaTesto(Label7, colori::rossoScuro);
    posizionaTwip(Label7, 540, 2085, 2490, 480);

    Label1 = etichetta(area, "Label1", QStringLiteral("Obiettivo"), carattere("Arial", 18));
    impostaColori(Label1, colori::giallo, colori::rossoScuro);
    posizionaTwip(Label1, 3270, 2130, 7875, 495);

    Label3 = etichetta(area, "Label3", QStringLiteral("Livello"), carattere("Arial", 18));
    impostaColori(Label3, colori::giallo, colori::rossoScuro);
    posizionaTwip(Label3, 3270, 2580, 7875, 495);

    lblCambiaOb = new Etichetta(QStringLiteral("Cambia gli obiettivi"), area);
    lblCambiaOb->setObjectName(QStringLiteral("lblCambiaOb"));
    lblCambiaOb->setFont(carattere("Arial", 18));
    lblCambiaOb->setCursor(Qt::PointingHandCursor);
    impostaColori(lblCambiaOb, colori::crema, colori::blu);
    posizionaTwip(lblCambiaOb, 495, 3165, 3645, 435);

    auto* Label5 = etichetta(area, "Label5", QStringLiteral("Il nuovo software di Quendil"),
                             carattere("Arial", 27.75), Qt::AlignCenter);
    impostaColori(Label5, colori::arancio, colori::marrone);
    posizionaTwip(Label5, 270, 7440, 11445, 705);
}

QGroupBox* frmInizio::creaCornice(const char* nome, const QString& titolo, double sinistra,
                                  double larghezza, double altezza) {
    auto* cornice = new QGroupBox(titolo, area);
    cornice->setObjectName(QLatin1String(nome));
    cornice->setFont(carattere("MS Sans Serif", 8.25));
    impostaColori(cornice, colori::crema, colori::rossoScuro);
    posizionaTwip(cornice, sinistra, 3615, larghezza, altezza);
    return cornice;
}

QLabel* frmInizio::creaStriscia(QWidget* cornice, const QString& nome, double sinistra, double alto,
                                double larghezza, double altezza) {
    auto* striscia = new QLabel(cornice);
    striscia->setObjectName(nome);
    impostaSfondo(striscia, colori::crema);
    posizionaTwip(striscia, sinistra, alto, larghezza, altezza);
    return striscia;
}

void frmInizio::creaObiettivi() {
    Frame1 = creaCornice("Frame1", QStringLiteral("OBIETTIVI"), 450, 4050, 3645);
    constexpr std::array<double, 3> alti{300, 1380, 2445};
    for (int i = 0; i < numeroObiettivi; ++i) {
        const double alto = alti[i % 3];
        Option1[i] =
            pulsante(Frame1, QStringLiteral("Option1(%1)").arg(i),
                     QString::fromUtf8(obiettivo(i).pulsante), i, carattere("Arial", 13.5));
        posizionaTwip(Option1[i], 90, alto, 3585, 1050);
        Option1[i]->impostaScelto(false);
        connect(Option1[i], &PulsanteOpzione::premuto, this, &frmInizio::sceltaObiettivo);
        Label9[i] = creaStriscia(Frame1, QStringLiteral("Label9(%1)").arg(i), 3750, alto, 240, 960);
    }
    // At design the second set lies on top, its strips in the window's colour.
    for (int i = 3; i < numeroObiettivi; ++i) {
        impostaSfondo(Label9[i], colori::crema);
        Label9[i]->raise();
        Option1[i]->raise();
    }
}

void frmInizio::creaLivelli() {
    Frame2 = creaCornice("Frame2", QStringLiteral("LIVELLI"), 4590, 4050, 3645);
    constexpr std::array<double, numeroLivelli> alti{300, 1125, 1965, 2775};
    for (int i = 0; i < numeroLivelli; ++i) {
        Option2[i] = pulsante(Frame2, QStringLiteral("Option2(%1)").arg(i),
                              QString::fromUtf8(livello(i).pulsante), i, carattere("Arial", 14.25));
        posizionaTwip(Option2[i], 90, alti[i], 3585, 795);
        Option2[i]->impostaScelto(false);
        connect(Option2[i], &PulsanteOpzione::premuto, this, &frmInizio::sceltaLivello);
        Label10[i] =
            creaStriscia(Frame2, QStringLiteral("Label10(%1)").arg(i), 3720, alti[i], 240, 795);
    }
}

void frmInizio::creaOperativita() {
    Frame3 = creaCornice("Frame3", QStringLiteral("OPERATIVITA'"), 8745, 2925, 3660);
    Option3[0] = pulsante(Frame3, QStringLiteral("Option3(0)"), QStringLiteral("Avanti"), 0,
                          carattere("Arial", 14.25));
    posizionaTwip(Option3[0], 90, 285, 2775, 1635);
    // "Esci" lies over the frame without belonging to it, so it works while the frame is off.
    Option3[1] = pulsante(area, QStringLiteral("Option3(1)"), QStringLiteral("Esci"), 1,
                          carattere("Arial", 14.25));
    posizionaTwip(Option3[1], 8850, 5565, 2775, 1575);
    for (PulsanteOpzione* p : Option3) {
        p->usaColoriFuoco(true);
        connect(p, &PulsanteOpzione::premuto, this, &frmInizio::sceltaOperativita);
    }
}

void frmInizio::creaTendine() {
    Picture2 = new QWidget(area);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture1 = new QWidget(area);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    for (QWidget* pannello : {Picture2, Picture1}) {
        impostaSfondo(pannello, colori::rosa);
        pannello->raise();
    }
}

void frmInizio::creaMenu() {
    mnuSchede = menuBar()->addAction(QStringLiteral("Stampa schede"));
    mnuSchede->setObjectName(QStringLiteral("mnuSchede"));
    mnuSchede->setEnabled(false);
    connect(mnuSchede, &QAction::triggered, this,
            [this] { contesto.finestre.apri(Finestra::StampaSchede); });

    mnuValutazione = menuBar()->addAction(QStringLiteral("Valutazione"));
    mnuValutazione->setObjectName(QStringLiteral("mnuValutazione"));
    connect(mnuValutazione, &QAction::triggered, this,
            [this] { (new FinestraValutazione(stato.NomeProgramma, this))->show(); });

    mnuEsempi = menuBar()->addAction(QStringLiteral("Esemplicazione"));
    mnuEsempi->setObjectName(QStringLiteral("mnuEsempi"));
    connect(mnuEsempi, &QAction::triggered, this,
            [this] { (new FinestraEsempi(contesto, this))->show(); });
}
