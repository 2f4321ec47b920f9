// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The program's one source of chance. Every generator reseeds it from the clock before drawing.
class SorgenteCasuale {
public:
    virtual ~SorgenteCasuale() = default;
    // Mixes a clock reading into the running state.
    virtual void rimescola(float lettura) = 0;
    // A value x with 0 <= x < 1.
    virtual float prossimo() = 0;
};

// Reseeding mixes the reading into the state instead of restarting from it: a worksheet builds
// sixty lines within the same millisecond, and a plain restart would give sixty equal lines.
class GeneratoreMescolato final : public SorgenteCasuale {
public:
    explicit GeneratoreMescolato(std::uint64_t seme = 0x5EED5EED5EED5EEDull);
    void rimescola(float lettura) override;
    float prossimo() override;

private:
    std::uint64_t avanza();
    std::uint64_t stato;
};
