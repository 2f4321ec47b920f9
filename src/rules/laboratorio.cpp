// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/laboratorio.h"

#include "state/codici.h"

#include <QSettings>

namespace {
const QString chiaveOperazione = QStringLiteral("operazione");
const QString chiaveCartella = QStringLiteral("registro/cartella");
const QString chiaveServizio = QStringLiteral("registro/servizio");

// A key as the technician wrote it, readable whatever a damaged file holds.
QString leggibile(QString chiave) {
    for (QChar& c : chiave) {
        if (!c.isPrint()) {
            c = QLatin1Char('?');
        }
    }
    return chiave.left(60);
}

// A value as written: an INI value with commas comes back as a list.
QString testo(const QVariant& valore) {
    return valore.typeId() == QMetaType::QStringList ? valore.toStringList().join(QLatin1Char(','))
                                                     : valore.toString();
}
} // namespace

Laboratorio leggiLaboratorio(const QString& percorso) {
    Laboratorio laboratorio;
    const QSettings file(percorso, QSettings::IniFormat);
    if (file.status() == QSettings::AccessError) {
        return laboratorio;
    }
    const auto ignorata = [&](const QString& chiave, const QString& perche) {
        laboratorio.avvisi << QStringLiteral("Impostazioni del laboratorio (%1): chiave \"%2\" "
                                             "ignorata: %3")
                                  .arg(percorso, leggibile(chiave), perche);
    };
    for (const QString& chiave : file.allKeys()) {
        const QString valore = chiave.isEmpty() ? QString() : testo(file.value(chiave)).trimmed();
        if (chiave == chiaveOperazione) {
            bool numero = false;
            const int codice = valore.toInt(&numero);
            if (numero && daCodice<CodiceScheda>(qint16(codice))) {
                laboratorio.operazione = qint16(codice);
            } else {
                ignorata(chiave, QStringLiteral("\"%1\" non è un codice di operazione da 1 a 7")
                                     .arg(leggibile(valore)));
            }
        } else if ((chiave == chiaveCartella || chiave == chiaveServizio) && !valore.isEmpty()) {
            (chiave == chiaveCartella ? laboratorio.cartellaRegistro
                                      : laboratorio.servizioRegistro) = valore;
        } else if (chiave == chiaveCartella || chiave == chiaveServizio) {
            ignorata(chiave, QStringLiteral("è vuota"));
        } else {
            ignorata(chiave, QStringLiteral("il programma non la conosce"));
        }
    }
    return laboratorio;
}
