// SPDX-License-Identifier: GPL-3.0-or-later
// Any command line name: the settings file it gives must stay in the current directory, and have
// a name of its own, never the bare ".dat".
#include "platform/nomeprogramma.h"
#include "rules/impostazioni.h"

#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
    const QString percorso =
        QString::fromLocal8Bit(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(quanti));
    const QString nome = nomeDaPercorso(percorso);
    const QString file = impostazioni::nomeFileImpostazioni(nome);
    if (nome.isEmpty() || nome.contains(QLatin1Char('/')) ||
        QFileInfo(file).path() != QLatin1String(".")) {
        std::fprintf(stderr, "nomeprogramma: '%s' non è un file proprio della cartella\n",
                     qPrintable(file));
        std::abort();
    }
    return 0;
}
