// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codastampa.h"

// The system's queue through libcups, each call one request to the local scheduler.
class CodaCups final : public CodaStampa {
public:
    QString predefinita() override;
    std::optional<QString> rifiutaLavori(const QString& stampante) override;
    Invio invia(const QString& stampante, const QString& titolo, const QByteArray& pdf) override;
    Esito esito(const QString& stampante, int lavoro) override;
};
