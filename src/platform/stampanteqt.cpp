#include "platform/stampanteqt.h"

#include "platform/immagine.h"
#include "platform/messaggi.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {
constexpr double twipPerPollice = 1440.0;

// The printouts line their numbers up with blanks, so they need a fixed-pitch face. Names a
// machine may not have as such are offered when fontconfig resolves them to one (Liberation
// Mono for "Courier New", for instance).
bool aPassoFisso(const QString& famiglia) {
    QFont f(famiglia);
    f.setStyleHint(QFont::TypeWriter);
    return QFontInfo(f).fixedPitch();
}

// The PDF writer does not report a write that failed (a full disk): a file cut short lacks its
// closing trailer, the last thing written.
bool pdfCompleto(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly) || pdf.size() == 0) {
        return false;
    }
    constexpr qint64 coda = 1024;
    pdf.seek(std::max<qint64>(0, pdf.size() - coda));
    return pdf.read(coda).contains("%%EOF");
}
} // namespace

StampanteQt::StampanteQt(Messaggi& messaggi, QString nomeProgramma, Destinazione destinazione)
    : messaggi(messaggi), nomeProgramma(std::move(nomeProgramma)), destinazione(destinazione) {}

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

QString StampanteQt::nomeFileLibero() const {
    const QString base =
        QStringLiteral("%1-%2-%3")
            .arg(nomeProgramma, documento,
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    // Two jobs in the same second must not overwrite each other.
    QString nome = base + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(nome); ++n) {
        nome = QStringLiteral("%1-%2.pdf").arg(base).arg(n);
    }
    return nome;
}

void StampanteQt::preparaPdf() {
    file = nomeFileLibero();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QDir::current().absoluteFilePath(file));
    printer->setPageSize(QPageSize(QPageSize::A4));
}

bool StampanteQt::apri() {
    if (pittore) {
        return pittore->isActive();
    }
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setFullPage(true); // twips count from the paper's corner
    printer->setDocName(nomeProgramma + QStringLiteral(" - ") + documento);
    file.clear();
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (destinazione == Destinazione::FilePdf || predefinita.isNull()) {
        preparaPdf();
    } else {
        printer->setPrinterName(predefinita.printerName());
    }
    pittore = std::make_unique<QPainter>();
    if (!pittore->begin(printer.get())) {
        motivo = file.isEmpty() ? QStringLiteral("la stampante %1 non accetta il lavoro.")
                                      .arg(printer->printerName())
                                : QStringLiteral("impossibile scrivere il file %1.").arg(file);
        return false;
    }
    return true;
}

double StampanteQt::inPixel(double twip) const {
    return twip * printer->resolution() / twipPerPollice;
}

double StampanteQt::inTwip(double pixel) const {
    return pixel * twipPerPollice / printer->resolution();
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
    const QFontMetricsF metriche(f, printer.get());
    pittore->drawText(QPointF(inPixel(twip.x()), inPixel(twip.y()) + metriche.ascent()), testo);
}

double StampanteQt::larghezzaTesto(const QString& testo, const Carattere& c) {
    if (!apri()) {
        return 0;
    }
    return inTwip(QFontMetricsF(font(c), printer.get()).horizontalAdvance(testo));
}

double StampanteQt::altezzaRiga(const Carattere& c) {
    if (!apri()) {
        return 0;
    }
    return inTwip(QFontMetricsF(font(c), printer.get()).height());
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
    for (const Immagine::Testo& t : immagine.testi) {
        QFont f = t.font;
        f.setPointSizeF(t.font.pointSizeF() * fattore);
        pittore->setFont(f);
        pittore->setPen(t.colore);
        const QFontMetricsF metriche(f, printer.get());
        const QPointF angolo(twip.x() + t.posizione.x() * twipPerPixel * fattore,
                             twip.y() + t.posizione.y() * twipPerPixel * fattoreY);
        pittore->drawText(QPointF(inPixel(angolo.x()), inPixel(angolo.y()) + metriche.ascent()),
                          t.testo);
    }
}

void StampanteQt::pagina() {
    if (apri()) {
        printer->newPage();
    }
}

void StampanteQt::chiudi() {
    if (pittore && pittore->isActive()) {
        pittore->end();
    }
    pittore.reset();
    printer.reset();
}

bool StampanteQt::fine() {
    if (!pittore) {
        return true; // nothing was put on the page: no job to send
    }
    const bool aperto = pittore->isActive();
    const bool chiuso = aperto && pittore->end();
    const bool riuscito = chiuso && printer->printerState() != QPrinter::Error &&
                          printer->printerState() != QPrinter::Aborted &&
                          (file.isEmpty() || pdfCompleto(file));
    if (aperto && !riuscito) {
        motivo = file.isEmpty() ? QStringLiteral("la stampante %1 ha rifiutato il lavoro.")
                                      .arg(printer->printerName())
                                : QStringLiteral("impossibile scrivere il file %1.").arg(file);
    }
    chiudi();
    if (!riuscito) {
        messaggi.mostra(QStringLiteral("Stampa non riuscita: ") + motivo);
        // What is left of it would pass for the document.
        if (!file.isEmpty()) {
            QFile::remove(file);
        }
        file.clear();
    } else if (!file.isEmpty()) {
        messaggi.mostra(
            QStringLiteral("Nessuna stampante installata: il documento è stato salvato nel file ") +
            file);
    }
    motivo.clear();
    return riuscito;
}
