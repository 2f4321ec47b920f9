// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// Every test class of a folder registers itself; the folder's program runs them all.
namespace registro {
bool aggiungi(std::function<QObject*()> crea);
}

#define VELTRIX_TEST(Classe)                                                                       \
    static const bool registrato##Classe = registro::aggiungi([] { return new Classe; });
