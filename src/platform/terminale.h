// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Text for whoever started the program from a terminal: the answer to --help, a warning about an
// option. A program without a console of its own (Windows') writes in the one it was started
// from; started from a menu, it writes nowhere.
enum class Flusso { uscita, errori };
void scriviSulTerminale(const QString& testo, Flusso flusso = Flusso::uscita);

// A line typed on the terminal, without its line end; what is typed is not shown when `nascosto`
// (a PIN). Nothing when there is no terminal to read from, or it ended.
std::optional<QString> leggiDalTerminale(bool nascosto);
