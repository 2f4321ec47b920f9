// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/indisparte.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <chrono>

bool attendi(std::mutex& m, std::condition_variable& cv, const bool& finito, int millisecondi) {
    const QDeadlineTimer scadenza(millisecondi);
    // Short enough for the windows to repaint smoothly between two looks.
    constexpr std::chrono::milliseconds passo(20);
    for (;;) {
        {
            std::unique_lock<std::mutex> chiuso(m);
            if (cv.wait_for(chiuso, passo, [&] { return finito; })) {
                return true;
            }
        }
        if (scadenza.hasExpired()) {
            return false;
        }
        if (QCoreApplication::instance()) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
}
