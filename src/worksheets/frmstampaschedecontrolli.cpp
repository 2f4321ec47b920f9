// SPDX-License-Identifier: GPL-3.0-or-later
// Building the controls of the worksheet window at their designed places, colours and fonts.
#include "worksheets/frmstampaschede.h"

#include "rules/palette.h"
#include "rules/scelte.h"
#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsantecomando.h"
#include "widgets/unita.h"

#include <QGroupBox>
#include <QLabel>

namespace {
PannelloScelte* creaFila(QGroupBox* cornice, const QString& nome,
                         const std::vector<PannelloScelte::Pulsante>& pulsanti) {
    auto* fila = new PannelloScelte(cornice, nome);
    fila->creaPulsanti(pulsanti, carattere(QStringLiteral("Arial"), 9), colori::rossoScuro);
    return fila;
}
} // namespace

void FrmStampaSchede::creaRighe() {
    impostaSfondo(area, colori::crema);
    lblTitolo = creaEtichetta(area, QStringLiteral("Label1"), QString(),
                              carattere(QStringLiteral("Arial"), 12), colori::rossoScuro,
                              Qt::AlignLeft | Qt::AlignVCenter);
    posizionaTwip(lblTitolo, 90, 0, 11790, 435);

    constexpr double sinistre[3] = {525, 4260, 7935};
    constexpr double alti[2] = {570, 2880};
    for (int k = 1; k <= 60; ++k) {
        const int blocco = (k - 1) / 10; // 0-2 above, 3-5 below
        auto* riga = creaEtichetta(area, QStringLiteral("LblOp(%1)").arg(k), QString(),
                                   carattere(QStringLiteral("Courier New"), 8, false),
                                   colori::bluScuro, Qt::AlignLeft | Qt::AlignVCenter);
        riga->setTextFormat(Qt::PlainText);
        impostaSfondo(riga, colori::pesca);
        posizionaTwip(riga, sinistre[blocco % 3], alti[blocco / 3] + 210 * ((k - 1) % 10), 3510,
                      225);
        LblOp[static_cast<size_t>(k)] = riga;
    }
    // Between the lines and the choices, where a missing line is noticed.
    lblAvvisoScheda = creaEtichetta(area, QStringLiteral("lblAvvisoScheda"), QString(),
                                    carattere(QStringLiteral("Arial"), 10), colori::rosso,
                                    Qt::AlignLeft | Qt::AlignVCenter, ACapo::si);
    posizionaTwip(lblAvvisoScheda, 525, 5010, 11145, 420);
}

void FrmStampaSchede::creaObiettivi() {
    fraUno = creaCornice(area, QStringLiteral("fraUno"), QStringLiteral("OBIETTIVI "),
                         colori::crema, colori::marroneScuro);
    posizionaTwip(fraUno, 2910, 6315, 2505, 1890);
    std::vector<PannelloScelte::Pulsante> pulsanti;
    for (int i = 0; i < numeroObiettiviScheda; ++i) {
        // Named from 1, as the objectives' numbers.
        pulsanti.push_back({QStringLiteral("Option1(%1)").arg(i + 1),
                            QLatin1String(obiettivoScheda(i).pulsante), 120, 270 + 525.0 * i, 2265,
                            480});
    }
    obiettivi = creaFila(fraUno, QStringLiteral("filaObiettivi"), pulsanti);
    connect(obiettivi, &PannelloScelte::scelto, this,
            [this](int posto) { sceltaObiettivo(posto + 1); });
}

void FrmStampaSchede::creaLivelli() {
    fraLivelli = creaCornice(area, QStringLiteral("fraLivelli"), QStringLiteral("LIVELLI"),
                             colori::crema, colori::marroneScuro);
    posizionaTwip(fraLivelli, 5490, 5460, 2085, 2730);
    const char* testi[4] = {"da  1   a 40", "da 30  a  70", "da 50  a 99", "da   1 a 99"};
    std::vector<PannelloScelte::Pulsante> pulsanti;
    for (int i = 0; i < 4; ++i) {
        pulsanti.push_back({QStringLiteral("Option3(%1)").arg(i), QLatin1String(testi[i]), 120,
                            285 + 600.0 * i, 1845, 540});
    }
    livelli = creaFila(fraLivelli, QStringLiteral("filaLivelli"), pulsanti);
    connect(livelli, &PannelloScelte::scelto, this, &FrmStampaSchede::sceltaLivello);
}

PulsanteComando* FrmStampaSchede::creaComando(QWidget* genitore, const char* nome,
                                              const QString& testo) {
    auto* p = new PulsanteComando(testo, genitore);
    p->setObjectName(QLatin1String(nome));
    p->setFont(carattere(QStringLiteral("Arial"), 9));
    impostaColori(p, colori::pesca, colori::blu);
    return p;
}

// Each frame's print button shows itself when the frame's first button gets the focus.
void FrmStampaSchede::creaSchede() {
    fraAlunni = creaCornice(area, QStringLiteral("fraAlunni"), QStringLiteral("ALUNNI"),
                            colori::crema, colori::marroneScuro);
    posizionaTwip(fraAlunni, 7620, 5460, 2085, 2730);
    fraDocenti = creaCornice(area, QStringLiteral("fraDocenti"), QStringLiteral("DOCENTI"),
                             colori::crema, colori::marroneScuro);
    posizionaTwip(fraDocenti, 9750, 5460, 2085, 2730);
    struct Coppia {
        QGroupBox* cornice;
        PulsanteComando** scheda;
        const char* nomeScheda;
        const char* testoScheda;
        PulsanteComando** stampa;
        const char* nomeStampa;
        const char* testoStampa;
    };
    const Coppia coppie[2] = {
        {fraAlunni, &CmdSchedaAlunni, "CmdSchedaAlunni", "VISUALIZZA SCHEDA ALUNNI",
         &CmdStampaAlunni, "CmdStampaAlunni", "STAMPA SCHEDA ALUNNI"},
        {fraDocenti, &CmdSchedaDocenti, "CmdSchedaDocenti", "VISUALIZZA SCHEDA DOCENTI",
         &CmdStampaDocenti, "CmdStampaDocenti", "STAMPA SCHEDA DOCENTI"},
    };
    for (const Coppia& c : coppie) {
        *c.scheda = creaComando(c.cornice, c.nomeScheda, QLatin1String(c.testoScheda));
        posizionaTwip(*c.scheda, 120, 330, 1845, 1080);
        *c.stampa = creaComando(c.cornice, c.nomeStampa, QLatin1String(c.testoStampa));
        posizionaTwip(*c.stampa, 120, 1530, 1845, 1080);
        (*c.stampa)->hide();
        connect(*c.scheda, &PulsanteComando::fuocoPreso, *c.stampa, &QWidget::show);
        c.cornice->setEnabled(false);
    }
    connect(CmdSchedaAlunni, &QPushButton::clicked, this, &FrmStampaSchede::mostraSchedaAlunni);
    connect(CmdSchedaDocenti, &QPushButton::clicked, this, &FrmStampaSchede::mostraSchedaDocenti);
    connect(CmdStampaAlunni, &QPushButton::clicked, this, [this] { stampa(Destinatari::Alunni); });
    connect(CmdStampaDocenti, &QPushButton::clicked, this,
            [this] { stampa(Destinatari::Docenti); });
}

// Left of the objectives, where the sheet's lines leave room.
void FrmStampaSchede::creaComandi() {
    CmdRicomincia = creaComando(area, "CmdRicomincia", QStringLiteral("CANCELLA SCHEDA"));
    posizionaTwip(CmdRicomincia, 525, 5700, 2160, 900);
    cmdEsci = creaComando(area, "Command1", QStringLiteral("ESCI"));
    posizionaTwip(cmdEsci, 525, 7080, 2160, 900);
    connect(CmdRicomincia, &QPushButton::clicked, this, &FrmStampaSchede::cancellaScheda);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}
