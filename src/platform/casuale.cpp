// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/casuale.h"

#include <bit>

GeneratoreMescolato::GeneratoreMescolato(std::uint64_t seme) : stato(seme) {}

// splitmix64: every state gives a well mixed output, so any seed is a good one.
std::uint64_t GeneratoreMescolato::avanza() {
    stato += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = stato;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void GeneratoreMescolato::rimescola(float lettura) {
    stato ^= std::bit_cast<std::uint32_t>(lettura);
    stato = avanza();
}

float GeneratoreMescolato::prossimo() {
    // 24 bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24, never 1.
    const auto bits = static_cast<std::uint32_t>(avanza() >> 40);
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}
