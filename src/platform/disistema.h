// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The implementations of the system the program is built for. This is the one place outside
// their own files where the program tells Windows from the POSIX systems.
#ifdef _WIN32
#include "platform/archiviowindows.h"
#include "platform/codawindows.h"
using ArchivioDiSistema = ArchivioWindows;
using CodaDiSistema = CodaWindows;
#else
#include "platform/archivioposix.h"
#include "platform/codacups.h"
using ArchivioDiSistema = ArchivioPosix;
using CodaDiSistema = CodaCups;
#endif
