// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Orologio;
class SorgenteCasuale;
class Messaggi;
class Stampante;
class Archivio;

// What the windows ask of the system. The program passes the real services, tests their fakes.
struct Servizi {
    Orologio& orologio;
    SorgenteCasuale& casuale;
    Messaggi& messaggi;
    Stampante& stampante;
    Archivio& archivio;
    QString nomeProgramma;
};
