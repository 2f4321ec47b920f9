#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class PulsanteOpzione;
class QFrame;
class QLabel;
class QWidget;

// The controls every window builds, named as the windows' code refers to them, with their font
// and colours; the caller places them.

QLabel* creaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                      const QFont& font, const QColor& colore,
                      Qt::Alignment allineamento = Qt::AlignCenter);

// An option button of a group, with the focus colours.
PulsanteOpzione* creaPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                              int indice, const QFont& font, const QColor& colore);

// A plain panel with a border and its own background.
QFrame* creaRiquadro(QWidget* genitore, const QString& nome, const QColor& sfondo);
