// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

#include <csignal>

// A full disk for this process: no file grows past the given size, and a write past it fails
// with EFBIG instead of killing the process. Tests run as root, whom no permission bit stops;
// this stops root too. Keep the scope short: the test's own log files are limited as well.
class DiscoPieno {
public:
    explicit DiscoPieno(rlim_t byte);
    ~DiscoPieno();
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

private:
    rlimit prima{};
    void (*gestorePrima)(int) = SIG_DFL;
};

// An ordinary user for this process, whom permission bits stop: the tests run as root, whom they
// do not. Run by an ordinary user already, it changes nothing. Files made in the scope belong to
// that user, and a directory it must write in has to be open to it.
class UtenteComune {
public:
    UtenteComune();
    ~UtenteComune();
    UtenteComune(const UtenteComune&) = delete;
    UtenteComune& operator=(const UtenteComune&) = delete;

private:
    bool tornaRoot = false;
};
