// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/luogo.h"

#include <QDir>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

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
        const QUrl url(v);
        if (!url.isValid()) {
            return {};
        }
        QStringList parametri;
        const auto aggiungi = [&](const char* chiave, const QString& testo) {
            if (!testo.isEmpty()) {
                parametri << QString::fromLatin1(chiave) + QLatin1Char('=') + citato(testo);
            }
        };
        // A host in percent-encoding is a socket folder, as libpq reads it.
        aggiungi("host", QUrl::fromPercentEncoding(url.host(QUrl::FullyEncoded).toUtf8()));
        if (url.port() > 0) {
            aggiungi("port", QString::number(url.port()));
        }
        aggiungi("user", url.userName());
        aggiungi("password", url.password());
        aggiungi("dbname", url.path().mid(1));
        for (const auto& [chiave, testo] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
            aggiungi(chiave.toLatin1().constData(), testo);
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
