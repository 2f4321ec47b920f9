// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/guastiposix.h"

#include <unistd.h>

namespace {
constexpr uid_t nessuno = 65534; // "nobody"
} // namespace

DiscoPieno::DiscoPieno(rlim_t byte) {
    gestorePrima = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &prima);
    const rlimit limite{byte, prima.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
}

DiscoPieno::~DiscoPieno() {
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, gestorePrima);
}

UtenteComune::UtenteComune() : tornaRoot(::geteuid() == 0 && ::seteuid(nessuno) == 0) {}

UtenteComune::~UtenteComune() {
    if (tornaRoot) {
        [[maybe_unused]] const int fatto = ::seteuid(0);
    }
}
