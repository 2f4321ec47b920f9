// SPDX-License-Identifier: GPL-3.0-or-later
// Building the controls of the list window at their designed places, colours and fonts.
#include "reports/frmstampaesercizio.h"

#include "printouts/nomealunno.h"
#include "rules/palette.h"
#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/pannelloscelte.h"
#include "widgets/unita.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The record lines line their numbers up with blanks: they need a fixed-pitch face. A line too
// long for its column goes on below.
void preparaRiga(QLabel* riga) {
    riga->setTextFormat(Qt::PlainText);
    riga->setFont(carattere(QStringLiteral("Courier New"), 11));
    riga->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    riga->setWordWrap(true);
    impostaSfondo(riga, colori::celeste);
}

struct Colonna {
    double sinistra, larghezza, passo;
};
// Two wide columns for lines 1 to 20, and a narrow third for 21 to 30, which stays empty in a
// series of twenty operations or fewer. The middle column stops short of the right one: running
// under it, its lines lost their ends behind the right column's boxes.
constexpr Colonna dueColonne[3] = {{45, 5145, 615}, {5505, 4800, 615}, {10350, 1440, 660}};
// A longer series has three columns of the same width: in the narrow one, a line would have to be
// too small to read.
constexpr Colonna treColonne[3] = {{45, 3855, 615}, {4005, 3855, 615}, {7965, 3855, 615}};
} // namespace

void FrmStampaEsercizio::creaElenco() {
    impostaSfondo(area, colori::crema);
    lblTitolo = creaEtichetta(area, QStringLiteral("Label5"),
                              QStringLiteral("E S E R C I Z I   E S E G U I T I "),
                              carattere(QStringLiteral("Arial"), 16), colori::rossoScuro);
    posizionaTwip(lblTitolo, 432, -12, 10728, 492);

    const auto& colonne = stato.ContaOperazioni > 20 ? treColonne : dueColonne;
    for (int k = 1; k <= 30; ++k) {
        const Colonna& c = colonne[(k - 1) / 10];
        auto* riga = new QLabel(area);
        riga->setObjectName(QStringLiteral("LblOp(%1)").arg(k));
        preparaRiga(riga);
        posizionaTwip(riga, c.sinistra, 450 + c.passo * ((k - 1) % 10), c.larghezza, 600);
        LblOp[static_cast<size_t>(k)] = riga;
    }
}

void FrmStampaEsercizio::creaScelte() {
    scelte = new PannelloScelte(area, QStringLiteral("Frame1"), colori::celeste);
    posizionaTwip(scelte, 72, 7305, 11688, 825);
    const char* testi[4] = {"E S C I", "SCRIVI IL NOME", "STAMPA", "ATTESTATO"};
    constexpr double sinistre[4] = {144, 3048, 5928, 8832};
    std::vector<PannelloScelte::Pulsante> pulsanti;
    for (int i = 0; i < 4; ++i) {
        pulsanti.push_back({QStringLiteral("Option1(%1)").arg(i), QLatin1String(testi[i]),
                            sinistre[i], 45, 2796, 720});
    }
    scelte->creaPulsanti(pulsanti, carattere(QStringLiteral("Arial"), 12), colori::blu);
    connect(scelte, &PannelloScelte::scelto, this, &FrmStampaEsercizio::EseguiScelta);
}

void FrmStampaEsercizio::creaNome() {
    fraNome = creaRiquadro(area, QStringLiteral("fraNome"), colori::lilla);
    posizionaTwip(fraNome, 1395, 855, 6720, 4500);
    auto* Label6 = creaEtichetta(fraNome, QStringLiteral("Label6"),
                                 QStringLiteral("   IMMETTI   IL  TUO  NOME"),
                                 carattere(QStringLiteral("Arial"), 14), colori::rossoScuro,
                                 Qt::AlignLeft | Qt::AlignVCenter);
    posizionaTwip(Label6, 720, 195, 4950, 465);

    txtNome = new QLineEdit(fraNome);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setFont(carattere(QStringLiteral("Arial"), 18));
    // Fifteen characters as the pupil sees them, not as the string stores them.
    txtNome->setValidator(new ValidatoreNome(txtNome));
    posizionaTwip(txtNome, 720, 840, 5280, 630);

    auto* Label4 =
        creaEtichetta(fraNome, QStringLiteral("Label4"),
                      QStringLiteral("Il nome viene troncato automaticamente alla 15a lettera"),
                      carattere(QStringLiteral("Arial"), 11), colori::nero);
    Label4->setWordWrap(true);
    posizionaTwip(Label4, 285, 1740, 5925, 630);
    auto* Label9 = creaEtichetta(fraNome, QStringLiteral("Label9"),
                                 QStringLiteral("Presta attenzione all'ortografia"),
                                 carattere(QStringLiteral("Arial"), 11), colori::nero);
    posizionaTwip(Label9, 270, 2400, 5925, 450);

    cmdAvanti = new QPushButton(QStringLiteral("AVANTI"), fraNome);
    cmdAvanti->setObjectName(QStringLiteral("cmdAvanti"));
    cmdAvanti->setFont(carattere(QStringLiteral("Arial"), 14));
    cmdAvanti->setAutoDefault(false);
    posizionaTwip(cmdAvanti, 2160, 3240, 2400, 720);
    connect(cmdAvanti, &QPushButton::clicked, this, &FrmStampaEsercizio::confermaNome);
    // Enter in the box confirms the name, as the pupil expects after typing it.
    connect(txtNome, &QLineEdit::returnPressed, this, &FrmStampaEsercizio::confermaNome);
    fraNome->hide();
}
