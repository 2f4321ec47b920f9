#pragma once

#include <QObject>

#include <functional>
#include <vector>

class PulsanteOpzione;

// The keyboard of a row of option buttons: "1", "2", ... (main keys or numeric pad) put the focus
// on the first, second, ... button, Enter performs the focused button's choice, Space moves the
// focus to the next button, any other key is discarded. A key held down acts once: further key
// downs and characters are ignored until a key is let go.
class GruppoTasti : public QObject {
    Q_OBJECT
public:
    // Receives the position of the focused button in the row, from 0.
    using Scelta = std::function<void(int posto)>;

    // parent is the window: a key let go anywhere in it ends the hold, also one let go on no
    // button at all (a choice that hides the focused button leaves the focus nowhere).
    GruppoTasti(std::vector<PulsanteOpzione*> pulsanti, Scelta scelta, QObject* parent);
    void rilascia();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void tastoGiu(int posto, int codice);
    void carattere(int posto, int codice);
    bool fuoco(int posto);

    std::vector<PulsanteOpzione*> pulsanti;
    Scelta scelta;
    bool giuTenuto = false;
    bool carattereTenuto = false;
};
