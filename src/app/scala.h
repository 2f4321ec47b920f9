// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// The windows are drawn for a 1024 x 768 screen. On a larger one (a classroom whiteboard or
// projector) the whole interface, fonts included, is drawn larger by one factor, which Qt
// applies everywhere when QT_SCALE_FACTOR is set before the application exists.

// The largest tenth at which the designed screen still fits in `schermo` (its size in Qt's
// device-independent pixels, unscaled), never below 1.
double scalaPerSchermo(QSize schermo);

// A scale written by a teacher: "1.5" or "1,5", from 0.5 to 4. Anything else is no scale.
std::optional<double> leggiScala(const QString& testo);

// The scale asked for with `--scala N`, `--scala=N` or the VELTRIX_SCALA variable (`variabile`,
// empty when unset); the option wins. A value that cannot be a scale is ignored and said, in
// Italian, in `avvisi`.
struct ScalaRichiesta {
    std::optional<double> scala;
    QStringList avvisi;
};
ScalaRichiesta scalaRichiesta(const QStringList& argomenti, const QString& variabile);
