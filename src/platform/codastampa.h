// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How long the window waits for the print server, in ms. A server that takes the connection and
// then says nothing would otherwise hold the window for a minute, libcups' own wait.
inline constexpr int attesaServerStampa = 5000;

// The print queue of the system, as far as a finished document needs it: which printer is the
// default one, whether it takes jobs, handing it a PDF and asking what became of the job. A
// refused or cancelled job is otherwise lost without a word, so every step is asked, not assumed.
// Each call may be made on a thread of its own, while the window waits for it.
class CodaStampa {
public:
    enum class Stato { InCorso, Completato, Annullato, Interrotto, Sconosciuto };
    // Why the default printer cannot be named: none at all, others but no default, or a server
    // that did not answer the question.
    enum class Mancanza { Nessuna, NessunaStampante, NessunaPredefinita, ServerMuto };
    struct Predefinita {
        QString nome; // empty when there is none
        Mancanza mancanza = Mancanza::Nessuna;
    };
    struct Condizione {
        bool risponde = true;
        // Set when the printer takes no job; the reason may be empty: a job still printing clears
        // the message the printer was refused with.
        std::optional<QString> rifiuto;
        // Set when the printer is stopped: it takes jobs, which wait in its queue.
        std::optional<QString> ferma;
    };
    struct Invio {
        int lavoro = 0; // 0: the queue did not take the job
        QString errore;
        bool risponde = true;
    };
    struct Esito {
        Stato stato = Stato::Sconosciuto;
        QString messaggio;
    };

    virtual ~CodaStampa() = default;
    // Whether the queue takes the document as a PDF. Windows' spooler does not: there the pages
    // are drawn through the printer's own driver, and only the default printer and whether it
    // takes jobs are asked of the queue.
    virtual bool accettaPdf() const { return true; }
    virtual Predefinita predefinita() = 0;
    virtual Condizione condizione(const QString& stampante) = 0;
    virtual Invio invia(const QString& stampante, const QString& titolo, const QByteArray& pdf) = 0;
    virtual Esito esito(const QString& stampante, int lavoro) = 0;
};

// What became of a job handed to a printer.
struct Consegna {
    enum class Come { Presa, Ferma, Rifiutata, ServerMuto };
    Come come = Come::Presa;
    // Rifiutata: the reason, to follow "Stampa non riuscita: ". Ferma: the printer's own word
    // on why it stopped, often empty.
    QString motivo;
};

// Whether the printer would take a job now: Presa, Ferma, Rifiutata or ServerMuto.
Consegna verificaStampante(CodaStampa& coda, const QString& stampante);

// Hands the PDF to the printer's queue and checks what became of it.
Consegna mandaAllaStampante(CodaStampa& coda, const QString& stampante, const QString& titolo,
                            const QByteArray& pdf);
