// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "widgets/stile.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <vector>

namespace {
std::vector<std::function<QObject*()>>& classi() {
    static std::vector<std::function<QObject*()>> elenco;
    return elenco;
}
} // namespace

bool registro::aggiungi(std::function<QObject*()> crea) {
    classi().push_back(std::move(crea));
    return true;
}

// With VELTRIX_REGISTRI naming a folder, each class writes its log to a file of its own there,
// numbered in the order they ran: under Wine, with no console, QtTest's standard output is lost.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new StileVeltrix);
    const QString registri = qEnvironmentVariable("VELTRIX_REGISTRI");
    int falliti = 0;
    int numero = 0;
    for (const auto& crea : classi()) {
        std::unique_ptr<QObject> prova(crea());
        QStringList argomenti;
        for (int i = 0; i < argc; ++i) {
            argomenti << QString::fromLocal8Bit(argv[i]);
        }
        if (!registri.isEmpty()) {
            argomenti << QStringLiteral("-o")
                      << QStringLiteral("%1/%2.txt,txt")
                             .arg(registri)
                             .arg(++numero, 3, 10, QLatin1Char('0'));
        }
        falliti += QTest::qExec(prova.get(), argomenti);
    }
    return falliti == 0 ? 0 : 1;
}
