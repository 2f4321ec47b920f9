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
