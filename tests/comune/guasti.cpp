#include "comune/guasti.h"

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
