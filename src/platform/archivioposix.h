// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/archivio.h"

// Through the POSIX calls: a temporary file beside the old one, written, flushed to disk and
// renamed over it, so a crash never leaves half a file.
class ArchivioPosix final : public Archivio {
public:
    std::optional<QByteArray> leggi(const QString& percorso, qint64 massimo) const override;
    bool sostituisci(const QString& percorso, const QByteArray& contenuto) override;
};
