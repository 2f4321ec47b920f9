// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The time of day as the program reads it. Windows ask this, never QTime directly, so tests can
// set the hour (and cross midnight) at will.
class Orologio {
public:
    virtual ~Orologio() = default;
    // Seconds since midnight with their fraction, single precision like every stored reading.
    virtual float secondiDaMezzanotte() const = 0;
    // Today's date written dd/MM/yyyy.
    virtual QString dataOggi() const = 0;
};

class OrologioDiSistema final : public Orologio {
public:
    float secondiDaMezzanotte() const override;
    QString dataOggi() const override;
};
