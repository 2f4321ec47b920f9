// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminale.h"

#include <cstdio>

void scriviSulTerminale(const QString& testo, Flusso flusso) {
    std::FILE* dove = flusso == Flusso::uscita ? stdout : stderr;
    std::fputs(testo.toLocal8Bit().constData(), dove);
    std::fflush(dove);
}
