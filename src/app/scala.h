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

// The scale asked for with `--scala N`, `--scala=N`, the VELTRIX_SCALA variable (`variabile`)
// or Qt's own QT_SCALE_FACTOR (`variabileQt`), each empty when unset; the option wins over
// VELTRIX_SCALA, which wins over Qt's. A value that cannot be a scale, Qt's as well (at 0.01 Qt
// would grow without bound, and `abc` would only turn the automatic scale off), is ignored and
// said, in Italian, in `avvisi`. With no scale asked for, the automatic one applies.
struct ScalaRichiesta {
    std::optional<double> scala;
    QStringList avvisi;
};
ScalaRichiesta scalaRichiesta(const QStringList& argomenti, const QString& variabile,
                              const QString& variabileQt);
