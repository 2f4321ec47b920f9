#pragma once

#include "platform/stampante.h"

#include <QDir>

#include <memory>

class Messaggi;
class QPainter;
class QPrinter;

// The system's printer through Qt. With a default printer configured the job goes to it; with
// none, the pages are written as a PDF file in the current directory, and the message box says
// where. A job that fails says so once, when it ends; the program's state is never touched.
class StampanteQt final : public Stampante {
public:
    enum class Destinazione { Automatica, FilePdf };

    StampanteQt(Messaggi& messaggi, QString nomeProgramma,
                Destinazione destinazione = Destinazione::Automatica);
    ~StampanteQt() override;

    QStringList fonts() const override;
    // The file the last job was written to, empty when it went to a printer.
    QString ultimoFile() const { return file; }

protected:
    void scrivi(const QString& testo, const QPointF& twip, const Carattere& c) override;
    double larghezzaTesto(const QString& testo, const Carattere& c) override;
    double altezzaRiga(const Carattere& c) override;
    void disegna(const Immagine& immagine, const QRectF& twip) override;
    void pagina() override;
    bool fine() override;

private:
    // Starts the job on the first thing put on the page; false once the job has failed.
    bool apri();
    void preparaPdf();
    QString nomeFileLibero() const;
    double inPixel(double twip) const;
    double inTwip(double pixel) const;
    QFont font(const Carattere& c) const;
    void chiudi();

    Messaggi& messaggi;
    QString nomeProgramma;
    Destinazione destinazione;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> pittore;
    QString file;
    QString motivo;
};
