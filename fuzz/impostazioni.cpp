// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file: the reader must end in the failure rule or in the two numbers
// the file holds, and what it read must come back unchanged through the writer.
#include "rules/impostazioni.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {
constexpr size_t massimoLetto = 4096;
constexpr qint16 primaDellaLettura = 1; // what the start window holds before reading
constexpr qint16 gruppoSporco = 99;     // never left in place: the reader always sets the set

[[noreturn]] void fallisce(const char* perche) {
    std::fprintf(stderr, "impostazioni: %s\n", perche);
    std::abort();
}

bool separatore(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == ',';
}

// An independent reading of plain ASCII content: optional sign, decimal digits, 16 bits.
std::optional<qint16> numero(std::string_view t) {
    if (!t.empty() && t.front() == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t.front() == '-') {
            return std::nullopt;
        }
    }
    long v = 0;
    const auto [fine, errore] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || errore != std::errc() || fine != t.data() + t.size() || v < -32768 ||
        v > 32767) {
        return std::nullopt;
    }
    return static_cast<qint16>(v);
}

bool soloAscii(std::string_view t) {
    for (unsigned char c : t) {
        if (c >= 0x80 || (c < 0x20 && !separatore(c)) || c == 0x7f) {
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> parole(std::string_view t) {
    std::vector<std::string_view> esito;
    size_t i = 0;
    while (i < t.size()) {
        while (i < t.size() && separatore(static_cast<unsigned char>(t[i]))) {
            ++i;
        }
        const size_t inizio = i;
        while (i < t.size() && !separatore(static_cast<unsigned char>(t[i]))) {
            ++i;
        }
        if (i > inizio) {
            esito.push_back(t.substr(inizio, i - inizio));
        }
    }
    return esito;
}

void confrontaConLettura(std::string_view testo, qint16 op, qint16 gr) {
    const auto p = parole(testo);
    const auto primo = p.size() > 0 ? numero(p[0]) : std::nullopt;
    const auto secondo = p.size() > 1 ? numero(p[1]) : std::nullopt;
    const qint16 opAttesa = primo ? *primo : primaDellaLettura;
    const qint16 grAttesa = primo && secondo ? *secondo : qint16(1);
    if (op != opAttesa || gr != grAttesa) {
        std::fprintf(stderr, "letti %d %d, attesi %d %d\n", op, gr, opAttesa, grAttesa);
        fallisce("lettura diversa da quella attesa");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    const QByteArray contenuto(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(quanti));
    qint16 op = primaDellaLettura;
    qint16 gr = gruppoSporco;
    impostazioni::leggiLivelliDa(contenuto, op, gr);
    if (gr == gruppoSporco && !contenuto.contains("99")) {
        fallisce("il gruppo non è stato scritto");
    }

    const std::string_view testo(reinterpret_cast<const char*>(dati),
                                 std::min(quanti, massimoLetto));
    if (soloAscii(testo)) {
        confrontaConLettura(testo, op, gr);
    }

    // What was read, written and read again, is the same pair.
    qint16 op2 = 7;
    qint16 gr2 = 7;
    impostazioni::leggiLivelliDa(impostazioni::rigaImpostazioni(op, gr), op2, gr2);
    if (op2 != op || gr2 != gr) {
        fallisce("la riga scritta non si rilegge uguale");
    }
    return 0;
}
