// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// Keys as the windows' key tables name them: digits 48-57, numeric pad 96-105, letters 65-90
// whatever the Shift or Caps Lock state, Enter 13, Backspace 8, arrows 37-40, F2 113, Space 32.
// Any other key is 0.
namespace tasti {
inline constexpr int invio = 13;
inline constexpr int cancella = 8;
inline constexpr int spazio = 32;
inline constexpr int zero = 48;
inline constexpr int zeroTastierino = 96;
inline constexpr int sinistra = 37;
inline constexpr int su = 38;
inline constexpr int destra = 39;
inline constexpr int giu = 40;
inline constexpr int f2 = 113;

int codice(const QKeyEvent* evento);
// The character a key types, 0 when it types none.
int carattere(const QKeyEvent* evento);
// Keys left to the toolkit: the arrows move the focus between the buttons.
bool perIlToolkit(int codice);
} // namespace tasti
