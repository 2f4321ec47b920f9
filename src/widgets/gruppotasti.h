// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class PulsanteOpzione;

// What a key of a row's own table does to one of its buttons: it puts the focus there, or it
// presses the button where it stands, the focus staying where it is.
enum class Effetto { fuoco, premi };

struct TastoDellaFila {
    int codice; // as in widgets/tasti.h
    Effetto effetto;
    int posto;
};

// Space on a row: the focus goes on to the next button, or the focused button is pressed.
enum class Spazio { avanza, preme };

// The keys of a row besides Enter, which always performs the focused button's choice. The
// defaults are those of the rows of choices of most windows.
struct RegoleTasti {
    // False for a row that answers the mouse alone: its keys choose nothing.
    bool tastiera = true;
    // "1", "2", ... (main keys or numeric pad) put the focus on the first, second, ... button.
    bool cifrePerPosto = true;
    std::vector<TastoDellaFila> tasti;
    // Whether the keys left to the toolkit (the arrows, F2) hold as the row's own keys do.
    bool frecceTengono = true;
    Spazio spazio = Spazio::avanza;
    // Whether any character holds the character flag, or Space alone.
    bool ogniCarattereTiene = true;
};

// The keyboard of a row of option buttons: the keys of its rules, Enter for the focused button's
// choice, any other key discarded. A key held down acts once: further key downs and characters
// are ignored until a key is let go.
class GruppoTasti : public QObject {
    Q_OBJECT
public:
    // Receives the position of the button in the row, from 0.
    using Scelta = std::function<void(int posto)>;

    // A key let go anywhere in the program ends the hold.
    GruppoTasti(std::vector<PulsanteOpzione*> pulsanti, Scelta scelta, QObject* parent,
                RegoleTasti regole = {});
    // One hold with another row, for rows that take each other's place: a key pressed on one
    // and repeated on the other acts once in all.
    void condividiTenuta(const GruppoTasti& altro);
    // A disabled or hidden button cannot take the focus: false then.
    bool daiFuoco(int posto);

private:
    struct Tenuta {
        bool giu = false;
        bool carattere = false;
    };

    void rilascia();
    void tastoGiu(int posto, int codice);
    void carattere(int posto, int codice);
    void agisci(TastoDellaFila tasto);
    void avanza(int posto);

    std::vector<PulsanteOpzione*> pulsanti;
    Scelta scelta;
    RegoleTasti regole;
    std::shared_ptr<Tenuta> tenuta = std::make_shared<Tenuta>();
};
