// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scala.h"

#include <algorithm>

namespace {
constexpr int larghezzaProgettata = 1024;
constexpr int altezzaProgettata = 768;
constexpr double scalaMinima = 0.5;
constexpr double scalaMassima = 4.0;
const QString opzione = QStringLiteral("--scala");

QString avviso(const QString& fonte, const QString& valore) {
    return QStringLiteral("Scala \"%2\" (%1) ignorata: serve un numero da 0,5 a 4, come 1,5")
        .arg(fonte, valore);
}

// Reads one source of a scale: nothing when it says nothing, a warning when it is not a scale.
void leggiDa(const QString& fonte, const QString& valore, ScalaRichiesta& richiesta) {
    if (const std::optional<double> scala = leggiScala(valore)) {
        richiesta.scala = scala;
    } else {
        richiesta.avvisi << avviso(fonte, valore);
    }
}
} // namespace

double scalaPerSchermo(QSize schermo) {
    // Whole tenths counted in integers: a ratio such as 1536 / 1024 is never a hair below 1.5.
    const int decimi = std::min(10 * schermo.width() / larghezzaProgettata,
                                10 * schermo.height() / altezzaProgettata);
    return std::max(10, decimi) / 10.0;
}

std::optional<double> leggiScala(const QString& testo) {
    QString numero = testo.trimmed();
    numero.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double scala = numero.toDouble(&ok);
    if (!ok || !(scala >= scalaMinima && scala <= scalaMassima)) {
        return std::nullopt;
    }
    return scala;
}

ScalaRichiesta scalaRichiesta(const QStringList& argomenti, const QString& variabile,
                              const QString& variabileQt) {
    // From the weakest source to the strongest: a valid scale replaces any read before it.
    ScalaRichiesta richiesta;
    if (!variabileQt.isEmpty()) {
        leggiDa(QStringLiteral("QT_SCALE_FACTOR"), variabileQt, richiesta);
    }
    if (!variabile.isEmpty()) {
        leggiDa(QStringLiteral("VELTRIX_SCALA"), variabile, richiesta);
    }
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == opzione) {
            leggiDa(opzione, i + 1 < argomenti.size() ? argomenti[++i] : QString(), richiesta);
        } else if (a.startsWith(opzione + QLatin1Char('='))) {
            leggiDa(opzione, a.mid(opzione.size() + 1), richiesta);
        }
    }
    return richiesta;
}
