// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

// How every text of the program, on screen and on paper, is made to fit its room: its font
// shrinks in quarter points from the size it was designed with, down to a least size, to the
// largest size at which `entra` says the text fits; the least size when even that is too large.
// A smaller font never needs more room, so the range is halved rather than walked. Where the
// caller can foresee the size (`stima`, from a text's width in proportion to its size), that size
// is measured first and taken when the text fits there: a fit then costs one measurement.
double puntiCheEntrano(double progetto, double minimo, const std::function<bool(double)>& entra,
                       std::optional<double> stima = std::nullopt);

// One line no wider than `disponibile`, in the unit `larghezza` measures a size in; never below
// one point. The certificate's lines and the list's name shrink so.
double puntiPerLarghezza(double punti, double disponibile,
                         const std::function<double(double)>& larghezza);
