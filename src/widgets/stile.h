// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// Every window's look: Fusion on every desktop, so the windows' own colours are honoured.
// The menu bar's overflow arrow is drawn here instead of being read from Qt's bundled picture:
// reading that picture made Qt open every image-format plugin on the system to probe it,
// which cost the start about 2 ms and 1 MiB before anything was on screen.
class StileVeltrix : public QProxyStyle {
public:
    StileVeltrix();
    QIcon standardIcon(StandardPixmap quale, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;
};
