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

// Whether a label's text breaks onto more lines where its width ends.
enum class ACapo { no, si };

QLabel* creaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                      const QFont& font, const QColor& colore,
                      Qt::Alignment allineamento = Qt::AlignCenter, ACapo aCapo = ACapo::no);

// An option button of a group, with the focus colours.
PulsanteOpzione* creaPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                              int indice, const QFont& font, const QColor& colore);

// A plain panel with a border and its own background.
QFrame* creaRiquadro(QWidget* genitore, const QString& nome, const QColor& sfondo);
// The same look for a panel of a class of its own.
void impostaRiquadro(QFrame* riquadro, const QColor& sfondo);
