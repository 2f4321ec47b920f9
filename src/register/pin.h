// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <chrono>

class Deposito;

// The teacher's PIN. The register keeps only a salted, slow hash of it, so that a copy of the
// file tells nobody the PIN; and after a few wrong tries each new try waits longer, so that
// pupils cannot find four digits by trying them all during a break.

namespace pin {

// Where the register keeps the hash and the tries.
inline constexpr const char* chiaveImpronta = "pin_docente";
inline constexpr const char* chiaveTentativi = "pin_tentativi";

inline constexpr int cifreMinime = 4;
inline constexpr int cifreMassime = 8;

// Empty when `pin` can be a PIN; otherwise what is wrong with it, for the teacher.
QString problema(const QString& pin);
// What the teacher is told when the PIN typed again is not the one typed first.
QString diversi();

// "pbkdf2-sha256$<iterations>$<salt, base64>$<hash, base64>": the iterations are kept with the
// hash, so that a register written with fewer still opens once the program asks for more.
QString impronta(const QString& pin, int iterazioni = 200000);
// Whether `pin` gives `impronta`; false for anything that is not such a hash.
bool giusto(const QString& pin, const QString& impronta);

// Wrong tries so far, and until when the next one is refused.
struct Tentativi {
    int errori = 0;
    QDateTime attesaFino;
};
inline constexpr int erroriLiberi = 5;
// After the free tries, 30 s, then twice as long after each further wrong try, up to a day.
Tentativi dopoErrore(Tentativi prima, const QDateTime& adesso);
// How long until a try is taken again; zero when it is taken now.
std::chrono::seconds attesa(const Tentativi& tentativi, const QDateTime& adesso);
// Writes the hash of a new PIN to the register and clears the wrong tries: whoever may set the
// PIN comes in at once. Empty when written; otherwise why not.
QString salva(Deposito& deposito, const QString& pin);

// The two as the register keeps them, as one text, and back; an unreadable text is no tries.
QString comeTesto(const Tentativi& tentativi);
Tentativi daTesto(const QString& testo);

} // namespace pin
