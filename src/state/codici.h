// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

// The codes the shared state and the settings file keep as 16-bit numbers, by name. Each is
// read back through `daCodice`, the one place where a number becomes a code: a number outside
// the enumeration (a hand-edited settings file can hold one) is no code at all.

// What the exercise window drills.
enum class OperazioneEsercizio : qint16 { Addizione = 1, Sottrazione, Moltiplicazione };

// What a worksheet mixes.
enum class CodiceScheda : qint16 {
    Addizioni = 1,
    Sottrazioni,
    AddizioniESottrazioni,
    Moltiplicazioni,
    Divisioni,
    MoltiplicazioniEDivisioni,
    TutteLeOperazioni,
};

// Whose copy of a worksheet is printed.
enum class Destinatari : qint16 { Alunni = 1, Docenti };

template <typename Codice> struct UltimoCodice;
template <> struct UltimoCodice<OperazioneEsercizio> {
    static constexpr auto valore = OperazioneEsercizio::Moltiplicazione;
};
template <> struct UltimoCodice<CodiceScheda> {
    static constexpr auto valore = CodiceScheda::TutteLeOperazioni;
};
template <> struct UltimoCodice<Destinatari> {
    static constexpr auto valore = Destinatari::Docenti;
};

// Every enumeration above counts from 1 without gaps.
template <typename Codice> constexpr std::optional<Codice> daCodice(qint16 numero) {
    if (numero < 1 || numero > static_cast<qint16>(UltimoCodice<Codice>::valore)) {
        return std::nullopt;
    }
    return static_cast<Codice>(numero);
}

template <typename Codice> constexpr qint16 numeroDi(Codice codice) {
    return static_cast<qint16>(codice);
}

// The place of a code in a table that lists the codes in order.
template <typename Codice> constexpr std::size_t postoDi(Codice codice) {
    return static_cast<std::size_t>(numeroDi(codice) - 1);
}
