#pragma once

#include <QString>

// The windows are designed in Windows faces (Arial, MS Sans Serif) that a Linux school computer
// rarely has. Asking Qt for a face that is missing makes it sort every installed font to find a
// stand-in, once per face and style, before the first window is painted. This picks the
// stand-in directly from the installed families: the face itself when it is there, else the
// first installed face of the same metrics or look, else the name as asked, left to fontconfig.
QString famigliaDisponibile(const QString& famiglia);
