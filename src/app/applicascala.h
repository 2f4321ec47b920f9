// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sets QT_SCALE_FACTOR for the application main() is about to build, and says on stderr any
// scale it ignored. A scale the teacher asked for wins over a QT_SCALE_FACTOR already set, which
// wins over the automatic scale: whoever set it chose a size for every Qt program. Qt's variable
// is held to the teacher's rule, so one that is no scale gives the automatic scale, not Qt's
// fallback or a size that never ends growing. Only the automatic scale needs the screen,
// measured by a short-lived application on a copy of argv.
void impostaScala(int argc, char* argv[]);
