// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a lab keeps the settings it gives every user of a PC: a file of the system's, which only
// an administrator writes.
QString fileLaboratorio();
