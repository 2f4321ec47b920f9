// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codastampa.h"
#include "platform/stampante.h"

#include <QByteArray>
#include <QPageLayout>

#include <memory>

class Messaggi;
class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

// The system's printer. With no default printer, or a print server that does not answer, every
// job is drawn as a PDF, written as a new file in the current directory, and the message box says
// where and why. With one, a queue that takes PDFs (CUPS) gets the job drawn as a PDF in memory
// and is asked whether it took it; any other (Windows') gets the pages drawn through the
// printer's driver. The queue is asked on a thread of its own, a few seconds at most, while the
// windows keep painting. A job sent is said by a brief notice; one that waits in a stopped queue,
// or fails, by a message box, once, when it ends; the program's state is never touched.
class StampanteQt final : public Stampante {
public:
    enum class Destinazione { Automatica, FilePdf };

    // Without a queue of its own the printer uses the system's.
    StampanteQt(Messaggi& messaggi, QString nomeProgramma,
                Destinazione destinazione = Destinazione::Automatica,
                std::unique_ptr<CodaStampa> coda = nullptr);
    ~StampanteQt() override;

    QStringList fonts() const override;
    // The name, in the current directory, of the file the last job was written to; empty when
    // it went to a printer.
    QString ultimoFile() const { return file; }

protected:
    void scrivi(const QString& testo, const QPointF& twip, const Carattere& c) override;
    double larghezzaTesto(const QString& testo, const Carattere& c) override;
    double altezzaRiga(const Carattere& c) override;
    void disegna(const Immagine& immagine, const QRectF& twip) override;
    void pagina() override;
    bool fine() override;
    QSizeF area() override;

private:
    // Starts the job on the first thing put on the page; false once the job has failed.
    bool apri();
    void scegliStampante();
    bool apriFile();
    // The document kept in memory for a printer that stopped answering: nothing is lost.
    bool salvaInFile();
    // The device the job is drawn on: a PDF, or the printer's driver.
    bool preparaPdf();
    bool preparaDriver();
    QString nomeBase() const;
    QPageLayout impaginazione() const;
    bool documentoCompleto();
    void annunciaFine(bool riuscito);
    double inPixel(double twip) const;
    double inTwip(double pixel) const;
    QFont font(const Carattere& c) const;
    void chiudi();

    Messaggi& messaggi;
    QString nomeProgramma;
    Destinazione destinazione;
    // Shared with the threads that ask it, which may outlive a job that stopped waiting for them.
    std::shared_ptr<CodaStampa> coda;
    QString stampante; // the printer of the job; empty when it goes to a file
    CodaStampa::Mancanza mancanza = CodaStampa::Mancanza::Nessuna; // why it goes to a file
    Consegna consegna;
    QByteArray datiPdf;
    std::unique_ptr<QIODevice> uscita;
    std::unique_ptr<QPagedPaintDevice> pagine;
    QPrinter* driver = nullptr; // the pages, when they go through the printer's driver
    int risoluzionePagine = 0;
    QString titolo;
    std::unique_ptr<QPainter> pittore;
    QString file;
    QString motivo;
};
