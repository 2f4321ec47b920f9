// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codastampa.h"

// Windows' print spooler. It takes pages drawn by the printer's driver, not a PDF.
class CodaWindows final : public CodaStampa {
public:
    bool accettaPdf() const override { return false; }
    Predefinita predefinita() override;
    Condizione condizione(const QString& stampante) override;
    Invio invia(const QString& stampante, const QString& titolo, const QByteArray& pdf) override;
    Esito esito(const QString& stampante, int lavoro) override;
};
