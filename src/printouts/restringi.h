// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The size in points at which a text is no wider than `disponibile`: `punti` when it fits, else
// smaller until it does (never below one point). `larghezza` measures the text at a size. The
// certificate's lines and the list's header shrink so, each in its own unit of width.
double puntiPerLarghezza(double punti, double disponibile,
                         const std::function<double(double)>& larghezza);
