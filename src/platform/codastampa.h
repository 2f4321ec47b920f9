// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The print queue of the system, as far as a finished document needs it: which printer is the
// default one, whether it takes jobs, handing it a PDF and asking what became of the job. A
// refused or cancelled job is otherwise lost without a word, so every step is asked, not assumed.
class CodaStampa {
public:
    enum class Stato { InCorso, Completato, Annullato, Interrotto, Sconosciuto };
    struct Invio {
        int lavoro = 0; // 0: the queue did not take the job
        QString errore;
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
    // Empty when there is no default printer.
    virtual QString predefinita() = 0;
    // None when the printer takes jobs; otherwise why it does not, which may be empty: a job
    // still printing clears the message the printer was refused with.
    virtual std::optional<QString> rifiutaLavori(const QString& stampante) = 0;
    virtual Invio invia(const QString& stampante, const QString& titolo, const QByteArray& pdf) = 0;
    virtual Esito esito(const QString& stampante, int lavoro) = 0;
};

// Empty when the printer takes jobs; otherwise the reason, to follow "Stampa non riuscita: ".
QString rifiutoDellaStampante(CodaStampa& coda, const QString& stampante);

// Hands the PDF to the printer's queue and checks what became of it. Empty when the printer has
// the job; otherwise the reason, to follow "Stampa non riuscita: ".
QString mandaAllaStampante(CodaStampa& coda, const QString& stampante, const QString& titolo,
                           const QByteArray& pdf);
