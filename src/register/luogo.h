// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the register is kept. Always a SQLite file on this PC: the register itself, or, where the
// lab shares one on the school's PostgreSQL, the place a series waits while the server is away.
struct LuogoRegistro {
    QString fileLocale;
    // libpq's key=value parameters of the shared register; empty where there is none.
    QString condiviso;
};

inline const QString nomeFileRegistro = QStringLiteral("veltrix-registro.sqlite");

// In order of precedence: the environment's VELTRIX_REGISTRO (a postgresql:// address, libpq's
// key=value parameters, or a folder for the file), then the lab's service, then the lab's folder,
// then the working folder.
LuogoRegistro luogoRegistro(const QString& variabile, const QString& servizioLaboratorio,
                            const QString& cartellaLaboratorio);

// A postgresql:// or postgres:// address, or key=value parameters, as libpq key=value parameters;
// `servizio`: a bare word is the name of a service of pg_service.conf. Empty when `valore` names
// no server.
QString parametriPostgres(const QString& valore, bool servizio);
