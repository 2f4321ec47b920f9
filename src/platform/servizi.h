// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class Orologio;
class SorgenteCasuale;
class Messaggi;
class Stampante;
class Archivio;

// What the program was started with besides the user's own settings file.
struct Avvio {
    // The lab's operation code, for a user who has no settings file yet.
    std::optional<qint16> operazioneLaboratorio;
    // The code asked for on the command line, for this run only: the settings file keeps its own.
    std::optional<qint16> operazioneRichiesta;
};

// What the windows ask of the system. The program passes the real services, tests their fakes.
struct Servizi {
    Orologio& orologio;
    SorgenteCasuale& casuale;
    Messaggi& messaggi;
    Stampante& stampante;
    Archivio& archivio;
    QString nomeProgramma;
    Avvio avvio = {};
};
