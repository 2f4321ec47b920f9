// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/finestrasceltaalunno.h"

#include "rules/palette.h"
#include "widgets/accessibile.h"
#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

#include <QLabel>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {
// Each page is drawn on the start window's own area, so that laid over it every button is as
// large as the start window's.
constexpr double larghezzaPagina = 11910, altezzaPagina = 8340;
constexpr double margine = 270;
constexpr double larghezzaUtile = larghezzaPagina - 2 * margine;
// The grid of names between the heading and the bottom row.
constexpr double altoGriglia = 1050, altezzaGriglia = 6000;
constexpr double spazioColonne = 150, spazioRighe = 120;
// A name's button is never larger than an objective's button of the start window.
constexpr double larghezzaMassima = 3585, altezzaMassima = 1050;
// Six rows at most: a seventh would make the buttons lower than the start window's levels.
constexpr int righeMassime = 6, colonneMassime = 6;
// The bottom row: "Ospite" where "Esci" is in the start window, "Altra classe" opposite.
constexpr double altoFondo = 7200, altezzaFondo = 990;

struct Casella {
    double sinistra, alto, larghezza, altezza;
};

// Up to 18 names in three columns of the objectives' width; more take more columns, narrower,
// never more than six rows: thirty names stand in five columns of six. The grid starts under
// the heading, in the middle across, filled a row at a time, the order Tab follows.
std::vector<Casella> griglia(int numero) {
    const int colonne =
        numero <= 3 ? std::max(numero, 1)
                    : std::clamp((numero + righeMassime - 1) / righeMassime, 3, colonneMassime);
    const int righe = (numero + colonne - 1) / colonne;
    const double larghezza =
        std::min(larghezzaMassima, (larghezzaUtile - (colonne - 1) * spazioColonne) / colonne);
    const double altezza =
        std::min(altezzaMassima, (altezzaGriglia - (righe - 1) * spazioRighe) / righe);
    const double sinistra =
        margine + (larghezzaUtile - colonne * larghezza - (colonne - 1) * spazioColonne) / 2;
    std::vector<Casella> caselle;
    for (int i = 0; i < numero; ++i) {
        caselle.push_back({sinistra + (i % colonne) * (larghezza + spazioColonne),
                           altoGriglia + (i / colonne) * (altezza + spazioRighe), larghezza,
                           altezza});
    }
    return caselle;
}

QFont carattereScelte() {
    return carattere(QStringLiteral("Arial"), 14.25);
}

// A button of a page, what a screen reader says of it, and what choosing it does, by mouse or
// by key.
struct Voce {
    QString nome, testo, significato;
    Casella casella;
    std::function<void()> azione;
};

// "Ospite", on every page where "Esci" is in the start window.
Voce ospite(std::function<void()> azione) {
    return {QStringLiteral("optOspite"),
            QStringLiteral("Ospite"),
            QStringLiteral("Ospite: la serie non si registra"),
            {larghezzaPagina - margine - 2775, altoFondo, 2775, altezzaFondo},
            std::move(azione)};
}
} // namespace

QList<ClasseRegistro> classiConAlunni(const QList<ClasseRegistro>& classi) {
    QList<ClasseRegistro> conAlunni;
    std::copy_if(classi.begin(), classi.end(), std::back_inserter(conAlunni),
                 [](const ClasseRegistro& c) { return !c.alunni.isEmpty(); });
    return conAlunni;
}

FinestraSceltaAlunno::FinestraSceltaAlunno(const QString& nomeProgramma,
                                           const QList<ClasseRegistro>& tutte,
                                           const QSize& dimensioni, QWidget* parent)
    : QDialog(parent), classi(classiConAlunni(tutte)) {
    setObjectName(QStringLiteral("FinestraSceltaAlunno"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(nomeProgramma + QStringLiteral(" - Chi sei?"));

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    pagine = new QStackedWidget(this);
    pagine->setObjectName(QStringLiteral("pagine"));
    colonna->addWidget(pagine);

    if (classi.size() > 1) {
        creaPaginaClassi();
    }
    for (int k = 0; k < classi.size(); ++k) {
        creaPaginaAlunni(k);
    }
    // The option buttons take every key, Esc included, so Esc is the window's own shortcut.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QDialog::reject);

    mostraPagina(paginaClassi ? paginaClassi : pagineAlunni.value(0));
    const QSize progettata(twipInPixel(larghezzaPagina, this), twipInPixel(altezzaPagina, this));
    resize(dimensioni.isValid() ? dimensioni : progettata);
}

AreaProporzionale* FinestraSceltaAlunno::creaPagina(const QString& nome, const QString& significato,
                                                    const QString& titolo) {
    auto* pagina = new AreaProporzionale(larghezzaPagina, altezzaPagina, pagine);
    pagina->setObjectName(nome);
    impostaSfondo(pagina, colori::crema);
    impostaSignificato(pagina, significato);
    auto* lblScegli = creaEtichetta(pagina, QStringLiteral("lblScegli"), titolo,
                                    carattere(QStringLiteral("Arial"), 24), colori::rossoScuro,
                                    Qt::AlignCenter, ACapo::si);
    posizionaTwip(lblScegli, margine, 150, larghezzaUtile, 765);
    return pagina;
}

namespace {
// The page's buttons, over the whole page. Their keys: arrows and Tab go from button to button,
// Enter or Space chooses. The digits would reach only the first nine names, so they do nothing.
PannelloScelte* creaScelte(const std::vector<Voce>& voci, AreaProporzionale* pagina) {
    auto* scelte = new PannelloScelte(pagina, QStringLiteral("scelte"));
    std::vector<PannelloScelte::Pulsante> pulsanti;
    for (const Voce& v : voci) {
        const Casella& c = v.casella;
        pulsanti.push_back({v.nome, v.testo, c.sinistra, c.alto, c.larghezza, c.altezza});
    }
    RegoleTasti regole;
    regole.cifrePerPosto = false;
    regole.spazio = Spazio::preme;
    scelte->creaPulsanti(pulsanti, carattereScelte(), colori::blu, regole);
    for (int posto = 0; posto < scelte->numeroPulsanti(); ++posto) {
        impostaSignificato(scelte->pulsante(posto), voci[size_t(posto)].significato);
    }
    QObject::connect(scelte, &PannelloScelte::scelto, pagina,
                     [voci](int posto) { voci[size_t(posto)].azione(); });
    pagina->registraPosizioni();
    return scelte;
}
} // namespace

void FinestraSceltaAlunno::creaPaginaClassi() {
    paginaClassi = creaPagina(QStringLiteral("fraClassi"), QStringLiteral("Scelta della classe"),
                              QStringLiteral("Scegli la tua classe"));
    std::vector<Voce> voci;
    const std::vector<Casella> caselle = griglia(int(classi.size()));
    for (int k = 0; k < classi.size(); ++k) {
        const QString nome = classi[k].nome;
        voci.push_back({QStringLiteral("optClasse(%1)").arg(k), nome,
                        QStringLiteral("Classe %1").arg(nome), caselle[size_t(k)],
                        [this, k] { mostraPagina(pagineAlunni[k]); }});
    }
    voci.push_back(ospite([this] { scegli(std::nullopt); }));
    primoGruppo = creaScelte(voci, paginaClassi);
    pagine->addWidget(paginaClassi);
}

void FinestraSceltaAlunno::creaPaginaAlunni(int classe) {
    const ClasseRegistro& c = classi[classe];
    auto* pagina = creaPagina(QStringLiteral("fraAlunni(%1)").arg(classe),
                              QStringLiteral("Scelta del nome, classe %1").arg(c.nome),
                              QStringLiteral("Scegli il tuo nome"));
    std::vector<Voce> voci;
    const std::vector<Casella> caselle = griglia(int(c.alunni.size()));
    for (int i = 0; i < c.alunni.size(); ++i) {
        const AlunnoRegistro alunno = c.alunni[i];
        voci.push_back({QStringLiteral("optAlunno(%1)").arg(i), alunno.nome, alunno.nome,
                        caselle[size_t(i)], [this, alunno] { scegli(alunno); }});
    }
    // Before "Ospite", so Tab meets the bottom row from left to right.
    if (paginaClassi) {
        voci.push_back({QStringLiteral("optAltraClasse"),
                        QStringLiteral("Altra classe"),
                        QStringLiteral("Torna alla scelta della classe"),
                        {margine, altoFondo, larghezzaMassima, altezzaFondo},
                        [this] { mostraPagina(paginaClassi); }});
    }
    voci.push_back(ospite([this] { scegli(std::nullopt); }));
    PannelloScelte* scelte = creaScelte(voci, pagina);
    // Enter held on a class must not go on to choose the first name of the page it opened.
    if (primoGruppo) {
        scelte->condividiTenuta(*primoGruppo);
    } else {
        primoGruppo = scelte;
    }
    pagineAlunni.append(pagina);
    pagine->addWidget(pagina);
}

// The focus starts on the page's first button, so the keyboard can choose at once.
void FinestraSceltaAlunno::mostraPagina(AreaProporzionale* pagina) {
    pagine->setCurrentWidget(pagina);
    if (auto* primo = pagina->findChild<PulsanteOpzione*>()) {
        primo->setFocus(Qt::OtherFocusReason);
    }
}

// The window goes before the exercise window comes: a modal window still on screen would keep
// the keyboard from it.
void FinestraSceltaAlunno::scegli(const std::optional<AlunnoRegistro>& alunno) {
    accept();
    emit scelto(alunno);
}
