// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/numerischeda.h"

#include "platform/casuale.h"
#include "platform/orologio.h"
#include "practice/generazione.h"
#include "state/statocondiviso.h"

#include <QString>

#include <algorithm>
#include <array>

namespace {
constexpr int livelli = 4;

bool livelloValido(qint16 livello) {
    return livello >= 1 && livello <= livelli;
}

// Each term is floor(x * span) + base; the three are kept when their sum is in minimo..massimo.
struct FinestraTermini {
    int span;
    int base;
    int minimo;
    int massimo;
};

// Level 4 draws from 20 up, so its sum is never below 60 and every term ends up at most 50.
constexpr std::array<FinestraTermini, livelli> finestreTermini{{
    {20, 2, 0, 30},
    {30, 10, 30, 60},
    {60, 20, 60, 90},
    {90, 20, 0, 90},
}};

// The factors go from 2 to half the window's top, so every product of the window that has two
// factors of at least 2 can turn up, and a factor of 2 leaves room for an offset of 1.
struct FinestraFattori {
    int minimo;
    int massimo;
};

constexpr std::array<FinestraFattori, livelli> finestreFattori{{
    {0, 30},
    {30, 60},
    {60, 90},
    {0, 90},
}};

constexpr int fattoreMinimo = 2;

QString spazio(int numero) {
    return numero < 10 ? QStringLiteral(" ") : QString();
}
} // namespace

void GeneraTermini(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    casuale.rimescola(orologio.secondiDaMezzanotte());
    if (!livelloValido(stato.Livello)) {
        return;
    }
    const FinestraTermini& f = finestreTermini[static_cast<size_t>(stato.Livello - 1)];
    int a = 0, b = 0, c = 0;
    do {
        a = estraiNumero(casuale, f.span, f.base);
        b = estraiNumero(casuale, f.span, f.base);
        c = estraiNumero(casuale, f.span, f.base);
    } while (a + b + c < f.minimo || a + b + c > f.massimo);
    stato.TermineA = static_cast<qint16>(a);
    stato.TermineB = static_cast<qint16>(b);
    stato.TermineC = static_cast<qint16>(c);
}

void GeneraFattori(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    casuale.rimescola(orologio.secondiDaMezzanotte());
    if (!livelloValido(stato.Livello)) {
        return;
    }
    const FinestraFattori& f = finestreFattori[static_cast<size_t>(stato.Livello - 1)];
    const int span = f.massimo / fattoreMinimo - fattoreMinimo + 1;
    int a = 0, b = 0;
    do {
        a = estraiNumero(casuale, span, fattoreMinimo);
        b = estraiNumero(casuale, span, fattoreMinimo);
    } while (a * b < f.minimo || a * b > f.massimo);
    // Both factors are at least 2, so 1 <= k < min(a, b) always has a value to give.
    const int k = estraiNumero(casuale, std::min(a, b) - 1, 1);
    stato.TermineA = static_cast<qint16>(a);
    stato.TermineB = static_cast<qint16>(b);
    stato.Scarto = static_cast<qint16>(k);
}

bool FattoriAdatti(const StatoCondiviso& stato) {
    // An offset of at least 1 below both factors puts both factors at 2 or more.
    return stato.Scarto >= 1 && stato.Scarto < std::min(stato.TermineA, stato.TermineB);
}

void CalcolaSpazi(StatoCondiviso& stato) {
    stato.SpazioA = spazio(stato.TermineA);
    stato.SpazioB = spazio(stato.TermineB);
    stato.SpazioC = spazio(stato.TermineC);
    stato.SpazioRisultato = spazio(stato.Risultato);
    stato.SpazioConfronto = spazio(stato.NumeroConfronto);
}
