// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/laboratorio.h"

// The system-wide configuration folder the desktop's own programs look in.
QString fileLaboratorio() {
    return QStringLiteral("/etc/xdg/veltrix/veltrix.conf");
}
