// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A name beside `percorso` for the file that will replace it, different at every call: two
// programs saving in one folder at once never write the same temporary file, and whatever an
// earlier run left at a temporary name stands in no one's way.
QString nomeProvvisorio(const QString& percorso);
