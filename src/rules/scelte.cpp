// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/scelte.h"

#include "state/statocondiviso.h"

#include <array>

namespace {
constexpr std::array<Obiettivo, numeroObiettivi> obiettivi{{
    {"1. Calcolo del risultato", "CALCOLO DEL RISULTATO", 1, 1},
    {"2. Calcolo di un termine", "CALCOLO DEL TERMINE", 2, 3},
    {"3. Calcolo del risultato o di un termine", "CALCOLO CASUALE DEL RISULTATO O DEL TERMINE", 1,
     3},
    {"4. Calcolo di un termine", "CALCOLO DEL NUMERO", 1, 6},
    {"5. Calcolo del segno:  =  <  >", "CALCOLO DEL SEGNO", 7, 12},
    {"6. Calcolo di un termine o del segno", "CALCOLO CASUALE DEL NUMERO O DEL SEGNO", 1, 12},
}};

// The blanks inside the captions line the numbers up on the buttons; they are kept as they are.
constexpr std::array<LivelloScelta, numeroLivelli> livelli{{
    {"1. Numeri da  1   a 30", 1, 30},
    {"2. Numeri da 30  a  60", 30, 60},
    {"3. Numeri da 60  a 99", 60, 99},
    {"4. Numeri da    1 a 99", 1, 99},
}};
// The blanks in the last caption break it where the button is narrow; they are kept as they are.
constexpr std::array<Obiettivo, numeroObiettiviScheda> obiettiviScheda{{
    {"Calcola risultato", "CALCOLO DEL RISULTATO", 1, 1},
    {"Calcola termine", "CALCOLO DI UN TERMINE", 2, 4},
    {"Calcola risultato o  termine", "CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE", 1, 4},
}};
} // namespace

const Obiettivo& obiettivo(int indice) {
    return obiettivi.at(indice);
}

const LivelloScelta& livello(int indice) {
    return livelli.at(indice);
}

QString scegliObiettivo(StatoCondiviso& stato, int indice) {
    const Obiettivo& o = obiettivo(indice);
    stato.DescrizioneObiettivo = QString::fromUtf8(o.descrizione);
    // The worksheets draw from the same types, so they name the same objective.
    stato.ObiettivoScheda = stato.DescrizioneObiettivo;
    stato.TipoMin = o.tipoMin;
    stato.TipoMax = o.tipoMax;
    return QStringLiteral("Obiettivo n.%1:     ").arg(indice + 1) + stato.DescrizioneObiettivo;
}

QString scegliLivello(StatoCondiviso& stato, int indice) {
    const LivelloScelta& l = livello(indice);
    stato.NumeroMin = l.numeroMin;
    stato.NumeroMax = l.numeroMax;
    stato.Livello = static_cast<qint16>(indice + 1);
    stato.DescrizioneLivello =
        QStringLiteral("NUMERO MASSIMO da  %1 a %2").arg(l.numeroMin).arg(l.numeroMax);
    return didascaliaLivello(stato.Livello, stato.DescrizioneLivello);
}

const Obiettivo& obiettivoScheda(int indice) {
    return obiettiviScheda.at(indice);
}

// The pupil's own objective stays as it was: only the printed sheet names this one.
QString scegliObiettivoScheda(StatoCondiviso& stato, int indice) {
    const Obiettivo& o = obiettivoScheda(indice);
    stato.ObiettivoScheda = QLatin1String(o.descrizione);
    stato.TipoMin = o.tipoMin;
    stato.TipoMax = o.tipoMax;
    return QStringLiteral("  -  ") + stato.ObiettivoScheda;
}

QString didascaliaLivello(qint16 livello, const QString& descrizione) {
    return QStringLiteral("Livello n.%1:         ").arg(livello) + descrizione;
}
