// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

// Colours as the windows use them: background and text. The disabled text keeps the style's
// grey, so a disabled frame still looks disabled.
void impostaColori(QWidget* w, const QColor& sfondo, const QColor& testo);
void impostaSfondo(QWidget* w, const QColor& sfondo);
void impostaTesto(QWidget* w, const QColor& testo);
QColor coloreSfondo(const QWidget* w);
QColor coloreTesto(const QWidget* w);
