// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class Banco;
class FrmOperativo;

// The exercise window opened as a pupil opens it: the program started, then the start window's
// objective, level and "Avanti" pressed. The window is on screen and active; null when it is not.
FrmOperativo* apriEsercizi(Banco& banco, int obiettivo, int livello, qint16 operazione = 1);
