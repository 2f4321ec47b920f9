// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/orologio.h"

#include <QDate>
#include <QTime>

float OrologioDiSistema::secondiDaMezzanotte() const {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

QString OrologioDiSistema::dataOggi() const {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}
