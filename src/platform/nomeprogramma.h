// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's file name without its extension. It is read from the name the program was
// started by, not the resolved binary, so a link called "sottrazioni" keeps its own settings.
QString nomeDaPercorso(const QString& percorso);
QString nomeProgrammaInEsecuzione();
