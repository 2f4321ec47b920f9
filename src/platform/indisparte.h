// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Waits until `finito` says so or `millisecondi` have passed, handling meanwhile the events of
// the calling thread but the user's input, so that the windows keep painting and no click starts
// anything new. True when it finished in time.
bool attendi(std::mutex& m, std::condition_variable& cv, const bool& finito, int millisecondi);

// Runs `lavoro` on a thread of its own and waits for it at most `millisecondi`; nothing when it
// did not finish in time. A late thread finishes on its own: it keeps alive what it uses, and its
// result is dropped.
template <typename T> std::optional<T> inDisparte(std::function<T()> lavoro, int millisecondi) {
    struct Condiviso {
        std::mutex m;
        std::condition_variable cv;
        bool finito = false;
        std::optional<T> risultato;
    };
    auto condiviso = std::make_shared<Condiviso>();
    std::thread([condiviso, lavoro = std::move(lavoro)] {
        T risultato = lavoro();
        const std::lock_guard<std::mutex> chiuso(condiviso->m);
        condiviso->risultato = std::move(risultato);
        condiviso->finito = true;
        condiviso->cv.notify_all();
    }).detach();
    if (!attendi(condiviso->m, condiviso->cv, condiviso->finito, millisecondi)) {
        return std::nullopt;
    }
    const std::lock_guard<std::mutex> chiuso(condiviso->m);
    return condiviso->risultato;
}
