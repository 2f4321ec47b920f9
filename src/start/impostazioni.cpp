#include "start/impostazioni.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {
std::optional<qint16> leggiNumero(const QString& testo) {
    bool ok = false;
    const int valore = testo.toInt(&ok, 10);
    if (!ok || valore < -32768 || valore > 32767) {
        return std::nullopt;
    }
    return static_cast<qint16>(valore);
}

QByteArray numeroConSegno(qint16 n) {
    const QByteArray cifre = QByteArray::number(qAbs(int(n)));
    return (n < 0 ? "-" : " ") + cifre + " ";
}
} // namespace

QString nomeFileImpostazioni(const QString& nomeProgramma) {
    return nomeProgramma + QStringLiteral(".dat");
}

void leggiLivelli(const QString& percorso, qint16& Operazione, qint16& GruppoObiettivi) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        GruppoObiettivi = 1;
        return;
    }
    // A settings file is one short line; anything longer is not ours.
    const QString contenuto = QString::fromLatin1(file.read(4096));
    static const QRegularExpression separatori(QStringLiteral("[\\s,]+"));
    const QStringList parti = contenuto.split(separatori, Qt::SkipEmptyParts);

    const auto primo = parti.size() > 0 ? leggiNumero(parti[0]) : std::nullopt;
    if (!primo) {
        GruppoObiettivi = 1;
        return;
    }
    Operazione = *primo;
    const auto secondo = parti.size() > 1 ? leggiNumero(parti[1]) : std::nullopt;
    GruppoObiettivi = secondo ? *secondo : qint16(1);
}

QByteArray rigaImpostazioni(qint16 Operazione, qint16 GruppoObiettivi) {
    return numeroConSegno(Operazione) + numeroConSegno(GruppoObiettivi) + "\r\n";
}

bool scriviLivelli(const QString& percorso, qint16 Operazione, qint16 GruppoObiettivi) {
    const QString provvisorio = percorso + QStringLiteral(".tmp");
    QFile file(provvisorio);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray riga = rigaImpostazioni(Operazione, GruppoObiettivi);
    // On disk before the rename, or a crash could leave the new name on an empty file.
    const bool scritto =
        file.write(riga) == riga.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    const bool rinominato = scritto && std::rename(QFile::encodeName(provvisorio).constData(),
                                                   QFile::encodeName(percorso).constData()) == 0;
    if (!rinominato) {
        QFile::remove(provvisorio);
    }
    return rinominato;
}
