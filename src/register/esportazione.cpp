// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/esportazione.h"

#include "platform/filenuovo.h"

#include <QFile>
#include <QStringList>

namespace {

const QStringList intestazione{QStringLiteral("Alunno"),
                               QStringLiteral("Inizio"),
                               QStringLiteral("Fine"),
                               QStringLiteral("Programma"),
                               QStringLiteral("Operazione"),
                               QStringLiteral("Obiettivo"),
                               QStringLiteral("Livello"),
                               QStringLiteral("Descrizione del livello"),
                               QStringLiteral("Operazioni"),
                               QStringLiteral("Esatte"),
                               QStringLiteral("Errate"),
                               QStringLiteral("Aiuti accettati"),
                               QStringLiteral("Tempo totale (s)"),
                               QStringLiteral("Valutazione")};

QString campo(QString testo) {
    // A spreadsheet runs a cell that starts like a formula: a name must stay a name.
    if (!testo.isEmpty() && QStringLiteral("=+-@\t\r").contains(testo.front())) {
        testo.prepend(QLatin1Char('\''));
    }
    if (testo.contains(QLatin1Char(';')) || testo.contains(QLatin1Char('"')) ||
        testo.contains(QLatin1Char('\n')) || testo.contains(QLatin1Char('\r'))) {
        testo.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + testo + QLatin1Char('"');
    }
    return testo;
}

QString numero(qint64 n) {
    return QString::number(n);
}

QString momento(const QDateTime& quando) {
    return quando.toLocalTime().toString(Qt::ISODate);
}

} // namespace

QByteArray csvSerie(const QList<SerieRegistrata>& serie) {
    QStringList righe{intestazione.join(QLatin1Char(';'))};
    for (const SerieRegistrata& s : serie) {
        righe << QStringList{campo(s.nomeAlunno),   momento(s.inizio),
                             momento(s.fine),       campo(s.programma),
                             numero(s.operazione),  campo(s.obiettivo),
                             numero(s.livello),     campo(s.descrizioneLivello),
                             numero(s.operazioni),  numero(s.esatte),
                             numero(s.errate),      numero(s.aiutiAccettati),
                             numero(s.tempoTotale), campo(s.valutazione)}
                     .join(QLatin1Char(';'));
    }
    return QByteArray("\xEF\xBB\xBF") + righe.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QString scriviFileNuovo(const QString& percorso, const QByteArray& dati) {
    QFile file;
    switch (creaSeNuovo(percorso, file)) {
    case Creazione::Occupato:
        return QStringLiteral("c'è già un file con questo nome");
    case Creazione::Fallito:
        return QStringLiteral("non si può creare il file");
    case Creazione::Creato:
        break;
    }
    if (file.write(dati) != dati.size() || !file.flush()) {
        const QString errore = file.errorString();
        file.close();
        // Half a file would open as a spreadsheet with rows missing.
        QFile::remove(percorso);
        return QStringLiteral("il file non si è potuto scrivere (%1)").arg(errore);
    }
    file.close();
    return {};
}
