// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"

#include "platform/disistema.h"
#include "platform/filenuovo.h"
#include "platform/immagine.h"
#include "platform/indisparte.h"
#include "platform/messaggi.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {
constexpr double twipPerPollice = 1440.0;
constexpr double twipPerPunto = 20.0;
// Enough for the finest printer, and the resolution Qt's own printing uses.
constexpr int risoluzione = 1200;

QString nonScrivibile(const QString& file) {
    return QStringLiteral("impossibile scrivere il file %1.").arg(file);
}

// The printouts line their numbers up with blanks, so they need a fixed-pitch face. Names a
// machine may not have as such are offered when fontconfig resolves them to one (Liberation
// Mono for "Courier New", for instance).
bool aPassoFisso(const QString& famiglia) {
    QFont f(famiglia);
    f.setStyleHint(QFont::TypeWriter);
    return QFontInfo(f).fixedPitch();
}

// The PDF writer does not report a write that failed (a full disk): a document cut short lacks
// its closing trailer, the last thing written.
bool conTrailer(const QByteArray& fine) {
    return fine.contains("%%EOF");
}
constexpr qint64 ultimiByte = 1024;

bool pdfCompleto(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly) || pdf.size() == 0) {
        return false;
    }
    pdf.seek(std::max<qint64>(0, pdf.size() - ultimiByte));
    return conTrailer(pdf.read(ultimiByte));
}

// A PDF printed on paper later, on whatever printer, loses nothing within a quarter of an inch
// of the edges, the margin most printers need.
QPageLayout impaginazionePdf() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

// Why a job became a file, as the message box begins.
QString senzaStampante(CodaStampa::Mancanza mancanza) {
    switch (mancanza) {
    case CodaStampa::Mancanza::NessunaPredefinita:
        return QStringLiteral("Nessuna stampante predefinita");
    case CodaStampa::Mancanza::ServerMuto:
        return QStringLiteral("Il server di stampa non risponde");
    default:
        return QStringLiteral("Nessuna stampante installata");
    }
}

// A question to the queue on a thread of its own; a server that lets it run out did not answer.
Consegna chiediAllaCoda(std::function<Consegna()> domanda) {
    return inDisparte(std::move(domanda), attesaServerStampa)
        .value_or(Consegna{Consegna::Come::ServerMuto, {}});
}
} // namespace

StampanteQt::StampanteQt(Messaggi& messaggi, QString nomeProgramma, Destinazione destinazione,
                         std::unique_ptr<CodaStampa> coda)
    : messaggi(messaggi), nomeProgramma(std::move(nomeProgramma)), destinazione(destinazione),
      coda(coda ? std::shared_ptr<CodaStampa>(std::move(coda))
                : std::make_shared<CodaDiSistema>()) {}

StampanteQt::~StampanteQt() {
    chiudi();
}

QStringList StampanteQt::fonts() const {
    QStringList nomi = QFontDatabase::families();
    for (const QString& courier : {QStringLiteral("Courier New"), QStringLiteral("Courier")}) {
        if (!nomi.contains(courier) && aPassoFisso(courier)) {
            nomi << courier;
        }
    }
    return nomi;
}

QString StampanteQt::nomeBase() const {
    return QStringLiteral("%1-%2-%3")
        .arg(nomeProgramma, documento,
             QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

// Two jobs in the same second must not overwrite each other, and nothing already at the name,
// a link above all, is ever written through.
bool StampanteQt::apriFile() {
    auto nuovo = std::make_unique<QFile>();
    file = creaFileNuovo(nomeBase(), QStringLiteral(".pdf"), *nuovo);
    if (file.isEmpty()) {
        motivo = QStringLiteral("impossibile scrivere il file %1.pdf.").arg(nomeBase());
        return false;
    }
    uscita = std::move(nuovo);
    return true;
}

// The printer's own paper and the part of it it can print on. Qt asks the print server on this
// thread, but only about a printer the server has just named, so it is there to answer.
QPageLayout StampanteQt::impaginazione() const {
    const QPrinterInfo info = QPrinterInfo::printerInfo(stampante);
    if (stampante.isEmpty() || info.isNull()) {
        return impaginazionePdf();
    }
    return QPrinter(info, QPrinter::HighResolution).pageLayout();
}

bool StampanteQt::apri() {
    if (pittore) {
        return pittore->isActive();
    }
    pittore = std::make_unique<QPainter>();
    file.clear();
    consegna = {};
    titolo = nomeProgramma + QStringLiteral(" - ") + documento;
    scegliStampante();
    // A spooler that does not answer leaves the job to a file, as with no printer.
    const bool perDriver = !stampante.isEmpty() && !coda->accettaPdf();
    if ((perDriver && !preparaDriver()) || (!driver && !preparaPdf())) {
        return false;
    }
    if (!pittore->begin(pagine.get())) {
        motivo = driver ? QStringLiteral("la stampante %1 non risponde.").arg(stampante)
                        : nonScrivibile(file);
        return false;
    }
    return true;
}

void StampanteQt::scegliStampante() {
    stampante.clear();
    mancanza = CodaStampa::Mancanza::NessunaStampante;
    if (destinazione == Destinazione::FilePdf) {
        return;
    }
    const std::shared_ptr<CodaStampa> daChiedere = coda;
    const CodaStampa::Predefinita scelta =
        inDisparte<CodaStampa::Predefinita>([daChiedere] { return daChiedere->predefinita(); },
                                            attesaServerStampa)
            .value_or(CodaStampa::Predefinita{{}, CodaStampa::Mancanza::ServerMuto});
    stampante = scelta.nome;
    if (stampante.isEmpty() && scelta.mancanza != CodaStampa::Mancanza::Nessuna) {
        mancanza = scelta.mancanza;
    }
}

bool StampanteQt::preparaPdf() {
    if (stampante.isEmpty()) {
        if (!apriFile()) {
            return false;
        }
    } else {
        datiPdf.clear();
        uscita = std::make_unique<QBuffer>(&datiPdf);
        uscita->open(QIODevice::WriteOnly);
    }
    auto pdf = std::make_unique<QPdfWriter>(uscita.get());
    pdf->setResolution(risoluzione);
    pdf->setPageLayout(impaginazione());
    pdf->setTitle(titolo);
    pdf->setCreator(nomeProgramma);
    risoluzionePagine = pdf->resolution();
    pagine = std::move(pdf);
    return true;
}

// The queue is asked first, as for a PDF: a job it would not take is not drawn at all.
bool StampanteQt::preparaDriver() {
    const std::shared_ptr<CodaStampa> daChiedere = coda;
    consegna = chiediAllaCoda(
        [daChiedere, nome = stampante] { return verificaStampante(*daChiedere, nome); });
    if (consegna.come == Consegna::Come::Rifiutata) {
        motivo = consegna.motivo;
        return false;
    }
    if (consegna.come == Consegna::Come::ServerMuto) {
        stampante.clear();
        mancanza = CodaStampa::Mancanza::ServerMuto;
        return true;
    }
    auto stampa =
        std::make_unique<QPrinter>(QPrinterInfo::printerInfo(stampante), QPrinter::HighResolution);
    stampa->setDocName(titolo);
    stampa->setCreator(nomeProgramma);
    risoluzionePagine = stampa->resolution();
    driver = stampa.get();
    pagine = std::move(stampa);
    return true;
}

QSizeF StampanteQt::area() {
    const QPageLayout impaginato = apri() ? pagine->pageLayout() : impaginazionePdf();
    return impaginato.paintRectPoints().size().toSizeF() * twipPerPunto;
}

double StampanteQt::inPixel(double twip) const {
    return twip * risoluzionePagine / twipPerPollice;
}

double StampanteQt::inTwip(double pixel) const {
    return pixel * twipPerPollice / risoluzionePagine;
}

QFont StampanteQt::font(const Carattere& c) const {
    QFont f(c.nome);
    f.setStyleHint(c.nome.startsWith(QLatin1String("Courier")) ? QFont::TypeWriter
                                                               : QFont::AnyStyle);
    f.setPointSizeF(c.punti);
    f.setBold(c.grassetto);
    return f;
}

void StampanteQt::scrivi(const QString& testo, const QPointF& twip, const Carattere& c) {
    if (!apri()) {
        return;
    }
    const QFont f = font(c);
    pittore->setFont(f);
    pittore->setPen(Qt::black);
    const QFontMetricsF metriche(f, pagine.get());
    pittore->drawText(QPointF(inPixel(twip.x()), inPixel(twip.y()) + metriche.ascent()), testo);
}

double StampanteQt::larghezzaTesto(const QString& testo, const Carattere& c) {
    if (!apri()) {
        return 0;
    }
    return inTwip(QFontMetricsF(font(c), pagine.get()).horizontalAdvance(testo));
}

double StampanteQt::altezzaRiga(const Carattere& c) {
    if (!apri()) {
        return 0;
    }
    return inTwip(QFontMetricsF(font(c), pagine.get()).height());
}

// Every text of the picture is set again in the printer's own resolution, so it stays sharp on
// paper; positions and sizes follow the picture from screen pixels to the rectangle on the page.
void StampanteQt::disegna(const Immagine& immagine, const QRectF& twip) {
    if (!apri() || immagine.dimensioni.isEmpty()) {
        return;
    }
    const double twipPerPixel = twipPerPollice / immagine.dpi;
    const double fattore = twip.width() / (immagine.dimensioni.width() * twipPerPixel);
    const double fattoreY = twip.height() / (immagine.dimensioni.height() * twipPerPixel);
    pittore->fillRect(
        QRectF(inPixel(twip.x()), inPixel(twip.y()), inPixel(twip.width()), inPixel(twip.height())),
        immagine.sfondo);
    if (immagine.disegno) {
        pittore->save();
        immagine.disegno(*pittore, QRectF(inPixel(twip.x()), inPixel(twip.y()),
                                          inPixel(twip.width()), inPixel(twip.height())));
        pittore->restore();
    }
    for (const Immagine::Testo& t : immagine.testi) {
        QFont f = t.font;
        f.setPointSizeF(t.font.pointSizeF() * fattore);
        pittore->setFont(f);
        pittore->setPen(t.colore);
        const QFontMetricsF metriche(f, pagine.get());
        const QPointF angolo(twip.x() + t.posizione.x() * twipPerPixel * fattore,
                             twip.y() + t.posizione.y() * twipPerPixel * fattoreY);
        pittore->drawText(QPointF(inPixel(angolo.x()), inPixel(angolo.y()) + metriche.ascent()),
                          t.testo);
    }
}

void StampanteQt::pagina() {
    if (apri()) {
        pagine->newPage();
    }
}

void StampanteQt::chiudi() {
    if (pittore && pittore->isActive()) {
        pittore->end();
    }
    pittore.reset();
    pagine.reset();
    driver = nullptr;
    uscita.reset();
}

// The whole document reached its file or memory, trailer and all; or the printer's driver, which
// says when the spooler refused or dropped it.
bool StampanteQt::documentoCompleto() {
    if (driver) {
        return driver->printerState() != QPrinter::Error &&
               driver->printerState() != QPrinter::Aborted;
    }
    if (!stampante.isEmpty()) {
        return conTrailer(datiPdf.right(ultimiByte));
    }
    auto* scritto = static_cast<QFile*>(uscita.get());
    const bool scaricato = scritto->flush() && scritto->error() == QFileDevice::NoError;
    scritto->close();
    return scaricato && pdfCompleto(file);
}

bool StampanteQt::fine() {
    if (!pittore) {
        return true; // nothing was put on the page: no job to send
    }
    const bool aperto = pittore->isActive();
    bool riuscito = aperto && pittore->end() && documentoCompleto();
    if (aperto && !riuscito) {
        motivo = stampante.isEmpty()
                     ? nonScrivibile(file)
                     : QStringLiteral("la stampante %1 ha rifiutato il lavoro.").arg(stampante);
    } else if (riuscito && !stampante.isEmpty() && !driver) {
        const std::shared_ptr<CodaStampa> daChiedere = coda;
        consegna = chiediAllaCoda([daChiedere, nome = stampante, titolo = titolo, pdf = datiPdf] {
            return mandaAllaStampante(*daChiedere, nome, titolo, pdf);
        });
        if (consegna.come == Consegna::Come::Rifiutata) {
            motivo = consegna.motivo;
            riuscito = false;
        } else if (consegna.come == Consegna::Come::ServerMuto) {
            riuscito = salvaInFile();
        }
    }
    chiudi();
    datiPdf.clear();
    annunciaFine(riuscito);
    return riuscito;
}

// The printer stopped answering after it was chosen: the job goes where it would have gone with
// no printer, with the true reason.
bool StampanteQt::salvaInFile() {
    stampante.clear();
    mancanza = CodaStampa::Mancanza::ServerMuto;
    QFile nuovo;
    file = creaFileNuovo(nomeBase(), QStringLiteral(".pdf"), nuovo);
    const bool scritto = !file.isEmpty() && nuovo.write(datiPdf) == datiPdf.size() && nuovo.flush();
    nuovo.close();
    if (scritto && pdfCompleto(file)) {
        return true;
    }
    motivo = QStringLiteral("il server di stampa non risponde e il file %1 non si può scrivere.")
                 .arg(file.isEmpty() ? nomeBase() + QStringLiteral(".pdf") : file);
    return false;
}

void StampanteQt::annunciaFine(bool riuscito) {
    if (!riuscito) {
        messaggi.mostra(QStringLiteral("Stampa non riuscita: ") + motivo);
        // What is left of it would pass for the document.
        if (!file.isEmpty()) {
            QFile::remove(file);
        }
        file.clear();
    } else if (!file.isEmpty()) {
        // The whole path, written as the system writes paths (C:\Users\... on Windows): the
        // teacher has to find the file outside the program.
        messaggi.mostra(senzaStampante(mancanza) +
                        QStringLiteral(": il documento è stato salvato nel file ") +
                        QDir::toNativeSeparators(QDir::current().absoluteFilePath(file)));
    } else if (consegna.come == Consegna::Come::Ferma) {
        // Taken, but nothing comes out until someone starts the printer again: a pupil who
        // heard nothing would print again and again.
        const QString perche =
            consegna.motivo.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(consegna.motivo);
        messaggi.mostra(QStringLiteral("La stampante %1 è ferma%2: il documento aspetta nella sua "
                                       "coda e sarà stampato quando la stampante ripartirà.")
                            .arg(stampante, perche));
    } else if (!stampante.isEmpty()) {
        messaggi.avvisa(QStringLiteral("Stampa inviata a ") + stampante);
    }
    motivo.clear();
}
