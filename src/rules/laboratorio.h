// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// The lab's settings: one file a technician writes once for every user of a PC, INI as QSettings
// reads it (on Linux /etc/xdg/veltrix/veltrix.conf, on Windows %ProgramData%\VELTRIX\veltrix.ini):
//
//     operazione=2               the operation code where a user has no settings file yet
//     [registro]
//     cartella=/srv/veltrix      the folder of the class register's file, or
//     servizio=scuola            the PostgreSQL service of a register the lab shares
//
// A user's own settings file still wins where it exists. A key whose value is no such setting,
// or a key the program does not know, is ignored and named in one line of `avvisi`; a missing or
// unreadable file gives nothing at all.
struct Laboratorio {
    std::optional<qint16> operazione;
    QString cartellaRegistro;
    QString servizioRegistro;
    QStringList avvisi;
};

Laboratorio leggiLaboratorio(const QString& percorso);
