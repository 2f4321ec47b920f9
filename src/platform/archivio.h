// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// The small files the program keeps between runs, read and replaced whole. Each system has its
// own way of doing that safely; the rules of what the files hold never see it. The running
// program's own file, named like one of them, is neither read nor replaced.
class Archivio {
public:
    virtual ~Archivio() = default;
    // At most `massimo` bytes of the file; nothing when it cannot be opened or read, or is not a
    // regular file (a named pipe in its place would hold the reader forever).
    virtual std::optional<QByteArray> leggi(const QString& percorso, qint64 massimo) const = 0;
    // Replaces the file as a whole, or leaves the previous one intact and says false. A file
    // that is there but may not be read is left as it is: it still holds what the user set.
    virtual bool sostituisci(const QString& percorso, const QByteArray& contenuto) = 0;
};
