// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/laboratorio.h"

#include <QtGlobal>

// The data every user of the PC shares, C:\ProgramData unless Windows keeps it elsewhere.
QString fileLaboratorio() {
    return qEnvironmentVariable("ProgramData", QStringLiteral("C:/ProgramData")) +
           QStringLiteral("/VELTRIX/veltrix.ini");
}
