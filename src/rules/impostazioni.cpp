// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/impostazioni.h"

#include "platform/archivio.h"

#include <QRegularExpression>

#include <optional>

namespace impostazioni {
namespace {
// A settings file is one short line; anything longer is not ours.
constexpr qint64 massimoLetto = 4096;

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

void leggiLivelli(const Archivio& archivio, const QString& percorso, qint16& Operazione,
                  qint16& GruppoObiettivi) {
    const auto letto = archivio.leggi(percorso, massimoLetto);
    if (!letto) {
        GruppoObiettivi = 1;
        return;
    }
    leggiLivelliDa(*letto, Operazione, GruppoObiettivi);
}

void leggiLivelliDa(const QByteArray& contenuto, qint16& Operazione, qint16& GruppoObiettivi) {
    const QString testo = QString::fromLatin1(contenuto.left(massimoLetto));
    static const QRegularExpression separatori(QStringLiteral("[\\s,]+"));
    const QStringList parti = testo.split(separatori, Qt::SkipEmptyParts);

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

bool scriviLivelli(Archivio& archivio, const QString& percorso, qint16 Operazione,
                   qint16 GruppoObiettivi) {
    return archivio.sostituisci(percorso, rigaImpostazioni(Operazione, GruppoObiettivi));
}
} // namespace impostazioni
