// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/luogo.h"

#include <QDir>
#include <QStringList>
#include <QUrl>

namespace {

// A value as libpq reads it between single quotes.
QString citato(QString valore) {
    valore.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    valore.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + valore + QLatin1Char('\'');
}

bool indirizzo(const QString& valore) {
    return valore.startsWith(QLatin1String("postgresql://")) ||
           valore.startsWith(QLatin1String("postgres://"));
}

} // namespace

QString parametriPostgres(const QString& valore, bool servizio) {
    const QString v = valore.trimmed();
    if (indirizzo(v)) {
        // Read by hand: QUrl refuses a host that is a percent-encoded socket folder, which libpq
        // takes. postgresql://[user[:password]@][host][:port][/dbname][?key=value&...]
        QString resto = v.mid(v.indexOf(QLatin1String("://")) + 3);
        const QString domanda = resto.section(QLatin1Char('?'), 1);
        resto = resto.section(QLatin1Char('?'), 0, 0);
        const QString autorita = resto.section(QLatin1Char('/'), 0, 0);
        const QString database = resto.section(QLatin1Char('/'), 1);
        const QString utente = autorita.contains(QLatin1Char('@'))
                                   ? autorita.section(QLatin1Char('@'), 0, -2)
                                   : QString();
        QString host = autorita.section(QLatin1Char('@'), -1);
        QString porta;
        const qsizetype dueP = host.lastIndexOf(QLatin1Char(':'));
        if (dueP >= 0 && !host.endsWith(QLatin1Char(']'))) {
            porta = host.mid(dueP + 1);
            host.truncate(dueP);
        }
        if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
            host = host.mid(1, host.size() - 2);
        }
        QStringList parametri;
        const auto aggiungi = [&](const QString& chiave, const QString& testo) {
            const QString chiaro = QUrl::fromPercentEncoding(testo.toUtf8());
            if (!chiaro.isEmpty()) {
                parametri << chiave + QLatin1Char('=') + citato(chiaro);
            }
        };
        aggiungi(QStringLiteral("host"), host);
        aggiungi(QStringLiteral("port"), porta);
        aggiungi(QStringLiteral("user"), utente.section(QLatin1Char(':'), 0, 0));
        aggiungi(QStringLiteral("password"), utente.section(QLatin1Char(':'), 1));
        aggiungi(QStringLiteral("dbname"), database);
        for (const QString& coppia : domanda.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
            aggiungi(QUrl::fromPercentEncoding(coppia.section(QLatin1Char('='), 0, 0).toUtf8()),
                     coppia.section(QLatin1Char('='), 1));
        }
        return parametri.join(QLatin1Char(' '));
    }
    if (v.contains(QLatin1Char('='))) {
        return v;
    }
    return servizio && !v.isEmpty() ? QStringLiteral("service=") + citato(v) : QString();
}

LuogoRegistro luogoRegistro(const QString& variabile, const QString& servizioLaboratorio,
                            const QString& cartellaLaboratorio) {
    LuogoRegistro luogo;
    QString cartella = cartellaLaboratorio;
    if (const QString da = parametriPostgres(variabile, false); !da.isEmpty()) {
        luogo.condiviso = da;
    } else if (!variabile.trimmed().isEmpty()) {
        cartella = variabile.trimmed();
    } else {
        luogo.condiviso = parametriPostgres(servizioLaboratorio, true);
    }
    luogo.fileLocale =
        cartella.isEmpty() ? nomeFileRegistro : QDir(cartella).filePath(nomeFileRegistro);
    return luogo;
}
