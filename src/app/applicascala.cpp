// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicascala.h"

#include "app/scala.h"
#include "platform/terminale.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <vector>

namespace {
// The primary screen's size at scale 1. An application is the only portable way to ask, so one
// lives just long enough to answer; it gets a copy of argv because it takes away the options it
// reads (-platform, -display), which the real application must still see.
QSize misuraSchermo(int argc, char* argv[]) {
    std::vector<char*> copia(argv, argv + argc);
    copia.push_back(nullptr);
    int quanti = argc;
    const QGuiApplication sonda(quanti, copia.data());
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->geometry().size() : QSize();
}
} // namespace

void impostaScala(int argc, char* argv[]) {
    QStringList argomenti;
    for (int i = 0; i < argc; ++i) {
        argomenti << QString::fromLocal8Bit(argv[i]);
    }
    const ScalaRichiesta richiesta = scalaRichiesta(
        argomenti, qEnvironmentVariable("VELTRIX_SCALA"), qEnvironmentVariable("QT_SCALE_FACTOR"));
    for (const QString& avviso : richiesta.avvisi) {
        scriviSulTerminale(avviso + QLatin1Char('\n'), Flusso::errori);
    }
    // A QT_SCALE_FACTOR that is no scale must not reach the screen's probe, which measures at
    // scale 1. A valid one goes back written as Qt reads it: "1,5" would be no number to Qt.
    if (!richiesta.scala) {
        qunsetenv("QT_SCALE_FACTOR");
    }
    const double scala =
        richiesta.scala ? *richiesta.scala : scalaPerSchermo(misuraSchermo(argc, argv));
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scala, 'g', QLocale::FloatingPointShortest));
}
