// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/pdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

namespace {
std::optional<QByteArray> esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(30000)) {
        return std::nullopt;
    }
    return p.readAllStandardOutput();
}

double numero(const QRegularExpressionMatch& m, const char* nome) {
    return m.captured(QLatin1String(nome)).toDouble();
}
} // namespace

bool pdf::leggibile() {
    static const bool avviato = [] {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
        return p.waitForStarted(10000) && p.waitForFinished(10000);
    }();
    return avviato;
}

QString pdf::testo(const QString& file, double passo) {
    QStringList argomenti{file, QStringLiteral("-")};
    if (passo > 0) {
        argomenti = QStringList{QStringLiteral("-fixed"), QString::number(passo)} + argomenti;
    }
    return QString::fromUtf8(esegui(QStringLiteral("pdftotext"), argomenti).value_or(QByteArray()));
}

QList<pdf::Pagina> pdf::pagine(const QString& file) {
    const QString html = QString::fromUtf8(
        esegui(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")})
            .value_or(QByteArray()));
    static const QRegularExpression pagina(
        QStringLiteral(R"re(<page width="(?<w>[\d.]+)" height="(?<h>[\d.]+)">)re"));
    static const QRegularExpression parola(QStringLiteral(
        R"re(<word xMin="(?<x0>[\d.-]+)" yMin="(?<y0>[\d.-]+)" xMax="(?<x1>[\d.-]+)" )re"
        R"re(yMax="(?<y1>[\d.-]+)">(?<t>[^<]*)</word>)re"));
    QList<Pagina> risultato;
    for (const QString& riga : html.split(QLatin1Char('\n'))) {
        if (const auto m = pagina.match(riga); m.hasMatch()) {
            risultato.append({QSizeF(numero(m, "w"), numero(m, "h")), {}});
        } else if (const auto m = parola.match(riga); m.hasMatch() && !risultato.isEmpty()) {
            risultato.last().parole.append(
                {QTextDocumentFragment::fromHtml(m.captured(QStringLiteral("t"))).toPlainText(),
                 QRectF(QPointF(numero(m, "x0"), numero(m, "y0")),
                        QPointF(numero(m, "x1"), numero(m, "y1")))});
        }
    }
    return risultato;
}

QImage pdf::immagine(const QString& file, int pagina, int dpi) {
    QTemporaryDir cartella;
    const QString radice = cartella.filePath(QStringLiteral("pagina"));
    const QString n = QString::number(pagina);
    esegui(QStringLiteral("pdftoppm"),
           {QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-singlefile"),
            QStringLiteral("-r"), QString::number(dpi), file, radice});
    return QImage(radice + QStringLiteral(".ppm"));
}
