// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/archivio.h"

// Through the POSIX calls: a new temporary file beside the old one, written, flushed to disk and
// renamed over it, so a crash never leaves half a file.
class ArchivioPosix final : public Archivio {
public:
    // `fileProgramma` is the running program's own file, which no settings file may be: a copy or a
    // link started as "sottrazioni.dat" would otherwise take itself for its settings.
    explicit ArchivioPosix(const QString& fileProgramma = QString());
    std::optional<QByteArray> leggi(const QString& percorso, qint64 massimo) const override;
    bool sostituisci(const QString& percorso, const QByteArray& contenuto) override;

private:
    QByteArray programma;
};
