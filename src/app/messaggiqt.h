// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messaggi.h"

// The real box, shown over the window in front.
class MessaggiQt final : public Messaggi {
public:
    explicit MessaggiQt(QString titolo);
    void mostra(const QString& testo) override;

private:
    QString titolo;
};
