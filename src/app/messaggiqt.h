// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messaggi.h"

// The real box, shown over the window in front; the notice, a label over that window for a few
// seconds.
class MessaggiQt final : public Messaggi {
public:
    // How long a notice stays, in ms.
    static constexpr int durataAvviso = 4000;

    explicit MessaggiQt(QString titolo);
    void mostra(const QString& testo) override;
    void avvisa(const QString& testo) override;
    bool chiedi(const QString& testo) override;

private:
    QString titolo;
};
