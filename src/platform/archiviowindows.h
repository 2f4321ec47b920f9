// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/archivio.h"

#include <string>

// Through the Win32 calls, which never turn a line end into two as the C library's text mode
// does: a new temporary file beside the old one, written, flushed to disk and moved over it in one
// step, so a crash never leaves half a file. Windows' rename refuses to replace a file that
// exists, so the move says it must.
class ArchivioWindows final : public Archivio {
public:
    // `fileProgramma` is the running program's own file, which no settings file may be: a copy
    // started as "sottrazioni.dat" would otherwise take itself for its settings.
    explicit ArchivioWindows(const QString& fileProgramma = QString());
    std::optional<QByteArray> leggi(const QString& percorso, qint64 massimo) const override;
    bool sostituisci(const QString& percorso, const QByteArray& contenuto) override;

private:
    std::wstring programma;
};
