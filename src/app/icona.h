// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gives every window of the program VELTRIX's icon, in title bars, task bars and window lists,
// from images built into the program, whatever icon theme the desktop has and wherever the
// program was started from. It also names the program's menu entry, since a Wayland compositor
// shows the icon of the entry instead of the program's own. Call it once the QApplication exists.
void impostaIcona();
