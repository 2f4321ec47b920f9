// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class PulsanteOpzione;
class QFrame;
class QGroupBox;
class QLabel;
class QWidget;

// The controls every window builds, named as the windows' code refers to them, with their font
// and colours; the caller places them.

// Whether a label's text breaks onto more lines where its width ends.
enum class ACapo { no, si };

QLabel* creaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                      const QFont& font, const QColor& colore,
                      Qt::Alignment allineamento = Qt::AlignCenter, ACapo aCapo = ACapo::no);

// Whether an option button shows the focus by its background;
// the buttons that show a choice by their text colour do not.
enum class ColoriFuoco { no, si };

// An option button of a group.
PulsanteOpzione* creaPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                              int indice, const QFont& font, const QColor& colore,
                              ColoriFuoco coloriFuoco = ColoriFuoco::si);

// A plain panel with a border and its own background.
QFrame* creaRiquadro(QWidget* genitore, const QString& nome, const QColor& sfondo);
// The same look for a panel of a class of its own.
void impostaRiquadro(QFrame* riquadro, const QColor& sfondo);

// A frame with a caption at its top, in the windows' caption font.
QGroupBox* creaCornice(QWidget* genitore, const QString& nome, const QString& titolo,
                       const QColor& sfondo, const QColor& testo);
