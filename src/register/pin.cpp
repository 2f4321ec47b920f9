// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/pin.h"

#include "register/deposito.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

namespace pin {

namespace {

const QString schema = QStringLiteral("pbkdf2-sha256");
constexpr int lunghezzaChiave = 32;
constexpr int lunghezzaSale = 16;
// Enough that a stolen file costs real time per guess, and still well under a second here.
constexpr int iterazioniMassime = 10'000'000;

QByteArray deriva(const QString& pin, const QByteArray& sale, int iterazioni) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), sale,
                                              iterazioni, lunghezzaChiave);
}

} // namespace

QString diversi() {
    return QStringLiteral("I due PIN sono diversi: scrivili di nuovo.");
}

QString problema(const QString& pin) {
    if (pin.size() < cifreMinime || pin.size() > cifreMassime) {
        return QStringLiteral("Il PIN deve avere da %1 a %2 cifre.")
            .arg(cifreMinime)
            .arg(cifreMassime);
    }
    // Only the digits 0 to 9: other scripts' digits would not be typed the same way next time.
    if (!std::all_of(pin.cbegin(), pin.cend(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); })) {
        return QStringLiteral("Il PIN può contenere solo cifre.");
    }
    return {};
}

QString impronta(const QString& pin, int iterazioni) {
    QByteArray sale(lunghezzaSale, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(sale.data()),
                                          lunghezzaSale / sizeof(quint32));
    return QStringList{schema, QString::number(iterazioni), QString::fromLatin1(sale.toBase64()),
                       QString::fromLatin1(deriva(pin, sale, iterazioni).toBase64())}
        .join(QLatin1Char('$'));
}

bool giusto(const QString& pin, const QString& impronta) {
    const QStringList parti = impronta.split(QLatin1Char('$'));
    bool numero = false;
    const int iterazioni = parti.size() == 4 ? parti[1].toInt(&numero) : 0;
    if (!numero || parti[0] != schema || iterazioni < 1 || iterazioni > iterazioniMassime) {
        return false;
    }
    const QByteArray sale = QByteArray::fromBase64(parti[2].toLatin1());
    const QByteArray atteso = QByteArray::fromBase64(parti[3].toLatin1());
    const QByteArray dato = deriva(pin, sale, iterazioni);
    if (atteso.size() != dato.size()) {
        return false;
    }
    // Every byte compared whatever the first difference, so the time taken tells nothing.
    unsigned char diversi = 0;
    for (qsizetype i = 0; i < dato.size(); ++i) {
        diversi |= static_cast<unsigned char>(dato[i] ^ atteso[i]);
    }
    return diversi == 0;
}

Tentativi dopoErrore(Tentativi prima, const QDateTime& adesso) {
    Tentativi dopo{prima.errori + 1, {}};
    if (dopo.errori >= erroriLiberi) {
        const int raddoppi = std::min(dopo.errori - erroriLiberi, 12);
        const qint64 secondi = std::min<qint64>(30LL << raddoppi, 24 * 3600);
        dopo.attesaFino = adesso.addSecs(secondi);
    }
    return dopo;
}

std::chrono::seconds attesa(const Tentativi& tentativi, const QDateTime& adesso) {
    if (!tentativi.attesaFino.isValid()) {
        return {};
    }
    // A clock put back cannot lengthen the wait past its longest.
    const qint64 restano = std::clamp<qint64>(adesso.secsTo(tentativi.attesaFino), 0, 24 * 3600);
    return std::chrono::seconds(restano);
}

QString salva(Deposito& deposito, const QString& pin) {
    if (QString e = deposito.scriviImpostazione(QString::fromLatin1(chiaveImpronta), impronta(pin));
        !e.isEmpty()) {
        return e;
    }
    return deposito.scriviImpostazione(QString::fromLatin1(chiaveTentativi), comeTesto({}));
}

QString comeTesto(const Tentativi& tentativi) {
    return QString::number(tentativi.errori) + QLatin1Char(' ') +
           tentativi.attesaFino.toUTC().toString(Qt::ISODate);
}

Tentativi daTesto(const QString& testo) {
    const QStringList parti = testo.split(QLatin1Char(' '));
    Tentativi letti;
    letti.errori = std::max(0, parti.value(0).toInt());
    letti.attesaFino = QDateTime::fromString(parti.value(1), Qt::ISODate);
    return letti;
}

} // namespace pin
