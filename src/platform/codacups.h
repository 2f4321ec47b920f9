// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codastampa.h"

// The system's queue through libcups. Each call opens a connection of its own, so that calls on
// different threads never share one, and waits a few seconds at most for each answer.
class CodaCups final : public CodaStampa {
public:
    Predefinita predefinita() override;
    Condizione condizione(const QString& stampante) override;
    Invio invia(const QString& stampante, const QString& titolo, const QByteArray& pdf) override;
    Esito esito(const QString& stampante, int lavoro) override;
};
