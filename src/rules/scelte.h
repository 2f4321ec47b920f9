// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

struct StatoCondiviso;

// The objectives and levels of the start window and of the worksheet window, and what choosing
// one stores.

inline constexpr int numeroObiettivi = 6;
inline constexpr int numeroLivelli = 4;

struct Obiettivo {
    const char* pulsante;
    const char* descrizione;
    qint16 tipoMin;
    qint16 tipoMax;
};

struct LivelloScelta {
    const char* pulsante;
    qint16 numeroMin;
    qint16 numeroMax;
};

const Obiettivo& obiettivo(int indice);
const LivelloScelta& livello(int indice);

// Each stores the row's values and returns the summary caption for the start window.
QString scegliObiettivo(StatoCondiviso& stato, int indice);
QString scegliLivello(StatoCondiviso& stato, int indice);
// The worksheet window's own objectives, from 0; its levels are the start window's.
inline constexpr int numeroObiettiviScheda = 3;

const Obiettivo& obiettivoScheda(int indice);
// Stores the types a worksheet is drawn from and the objective its printout names; returns the
// part of the window's title that names it.
QString scegliObiettivoScheda(StatoCondiviso& stato, int indice);

// The summary caption of a level: "Livello n.2:         NUMERO MASSIMO da  30 a 60".
QString didascaliaLivello(qint16 livello, const QString& descrizione);
