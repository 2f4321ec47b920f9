// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Moves the program into the user's own Documents\VELTRIX folder, made if it is missing, where it
// keeps its settings file and its PDFs. A shortcut made for every user of a PC cannot name that
// folder, which the installer cannot make for users who have not logged in yet. Says why,
// in Italian, when it could not; the program then stays where it was started.
QString lavoraInDocumenti();
