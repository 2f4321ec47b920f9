// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

// How a series is graded: p is the share of right answers in tenths, rounded down, and each
// band of p has its grade. Only a classified grade may go on a printed certificate. Everything
// that shows or explains the grades reads this one table.
struct FasciaValutazione {
    int pMinimo;
    int pMassimo;
    const char* testo;
    bool stampabile;
};

inline constexpr std::array<FasciaValutazione, 6> fasceValutazione{{
    {0, 4, "Non classificato", false},
    {5, 5, "SUFFICIENTE (!)", true},
    {6, 6, "SUFFICIENTE", true},
    {7, 7, "BUONO", true},
    {8, 8, "DISTINTO", true},
    {9, 10, "OTTIMO", true},
}};

// The list and the certificate are printed only for a series of at least this many operations.
inline constexpr int operazioniMinime = 10;
// "almeno 10 operazioni", and the message that asks for them, as every window says them.
QString almenoOperazioniMinime();
QString richiestaOperazioniMinime();

// Also the grade of any p outside the bands.
inline constexpr const FasciaValutazione& nonClassificato = fasceValutazione[0];

// p for a series; none when no operation was presented, so there is nothing to divide by.
std::optional<int> decimiEsatti(int esatte, int operazioni);
const FasciaValutazione& fasciaValutazione(std::optional<int> p);
QString testoValutazione(const FasciaValutazione& fascia);

// In words, for the teacher: the shares of right answers a band covers ("dal 70 % a meno
// dell'80 %").
QString quotaDellaFascia(const FasciaValutazione& fascia);
