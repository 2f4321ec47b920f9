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

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new StileVeltrix);
    int falliti = 0;
    for (const auto& crea : classi()) {
        std::unique_ptr<QObject> prova(crea());
        falliti += QTest::qExec(prova.get(), argc, argv);
    }
    return falliti == 0 ? 0 : 1;
}
