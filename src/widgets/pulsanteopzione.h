// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// An option button drawn as a push button: it acts when the mouse button goes down and never
// stays pressed, so the choice is shown by colour alone. Buttons of one group share a handler
// that receives the button's index in its group.
class PulsanteOpzione : public QPushButton {
    Q_OBJECT
public:
    PulsanteOpzione(const QString& testo, int indice, QWidget* parent);
    int indice() const { return posto; }
    // Buttons that show where the focus is, by their background.
    void usaColoriFuoco(bool si);
    // What a mouse press does: the focus comes here, where the button takes it, and the group's
    // handler runs. A screen reader's "press" does the same; a disabled button does nothing.
    void premi();
    // A button of a group of which one is chosen (an objective, a level). The colour shows the
    // choice on screen; a screen reader is told it as a checked option.
    void impostaScelto(bool si);
    bool eUnaScelta() const { return scelta; }
    bool scelto() const { return sceltoOra; }

signals:
    void premuto(int indice);
    // Key down and the character it types; codes as in widgets/tasti.h. Releases are the key
    // tracker's (widgets/tastipremuti.h), which sees them wherever they go.
    void tastoGiu(int indice, int codice);
    void carattere(int indice, int codice);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    int posto;
    bool coloriFuoco = false;
    bool scelta = false;
    bool sceltoOra = false;
};

// Paints a push button with its caption wrapped onto as many lines as its width needs.
void disegnaACapo(QPushButton* pulsante);
// Where disegnaACapo puts the caption: the button less the style's margin.
QRect spazioDidascalia(const QPushButton* pulsante);
