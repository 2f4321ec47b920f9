// SPDX-License-Identifier: GPL-3.0-or-later
#include "printouts/disegnoattestato.h"

#include "printouts/restringi.h"
#include "rules/palette.h"
#include "state/statocondiviso.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>

namespace {
using colori::nero;
using colori::rosso;

QFont font(const QString& famiglia, double punti, bool grassetto) {
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

QFont inScala(QFont f, double scala) {
    f.setPointSizeF(f.pointSizeF() * scala);
    return f;
}

double altezzaRiga(const QFont& f, const QPaintDevice& schermo) {
    return QFontMetricsF(f, &schermo).lineSpacing();
}

double altezzaTotale(const std::vector<RigaAttestato>& righe, double scala,
                     const QPaintDevice& schermo) {
    double totale = 0;
    for (const RigaAttestato& riga : righe) {
        totale += altezzaRiga(inScala(riga.font, scala), schermo);
    }
    return totale;
}

// The scale at which all the lines, not only those drawn so far, fit the height: the certificate
// then does not change size while it builds up. Font metrics are not quite proportional to the
// size, so the first estimate is checked and lowered until it holds.
double scalaPerAltezza(const std::vector<RigaAttestato>& righe, double altezza,
                       const QPaintDevice& schermo) {
    const double piena = altezzaTotale(righe, 1, schermo);
    if (piena <= altezza) {
        return 1;
    }
    double scala = altezza / piena;
    for (int tentativo = 0; tentativo < 50 && altezzaTotale(righe, scala, schermo) > altezza;
         ++tentativo) {
        scala *= 0.98;
    }
    return scala;
}
} // namespace

// A word begins after a blank or a dash ("Anna-Maria"), not after an apostrophe, which in an
// Italian name joins an elided word to the next ("Dell'acqua"). Only a letter typed small is
// changed, to its title case: a name typed in capitals, or a surname like "D'Amico", is kept.
QString nomeConIniziale(const QString& nome) {
    QString risultato;
    risultato.reserve(nome.size());
    bool inizio = true;
    for (char32_t lettera : nome.toUcs4()) {
        if (inizio && QChar::isLower(lettera)) {
            lettera = QChar::toTitleCase(lettera);
        }
        inizio = QChar::isSpace(lettera) || QChar::category(lettera) == QChar::Punctuation_Dash;
        risultato += QString::fromUcs4(&lettera, 1);
    }
    return risultato;
}

std::vector<RigaAttestato> righeAttestato(const StatoCondiviso& stato, const QString& data,
                                          const QColor& coloreIniziale) {
    const QFont iniziale = font(QStringLiteral("MS Sans Serif"), 8.25, true);
    const QFont titolo = font(QStringLiteral("Arial"), 20, true);
    const QFont voce = font(QStringLiteral("Arial"), 12, true);
    const QFont testo = font(QStringLiteral("Arial"), 12, false);
    const QFont voto = font(QStringLiteral("Arial"), 14, true);
    const QString esatte = QStringLiteral("con %1 risposte esatte su %2 richieste")
                               .arg(stato.TotaleEsatte)
                               .arg(stato.ContaOperazioni);
    return {
        {QString(), iniziale, coloreIniziale},
        {QString(), iniziale, coloreIniziale},
        {QString(), iniziale, coloreIniziale},
        {QStringLiteral("DIPLOMA DI MERITO"), titolo, rosso},
        {QStringLiteral("RILASCIATO A"), voce, nero},
        {QString(), voce, nero},
        {stato.NomeAlunno, titolo, rosso},
        {QString(), titolo, rosso},
        {QStringLiteral("per aver eseguito"), testo, nero},
        {QString(), testo, nero},
        {stato.NomeProgrammaAttestato, voce, nero},
        {QString(), voce, nero},
        {stato.DescrizioneObiettivo, voce, nero},
        {QString(), voce, nero},
        {stato.DescrizioneLivelloSerie, voce, nero},
        {QString(), voce, nero},
        {QStringLiteral("con la valutazione di"), testo, nero},
        {QString(), testo, nero},
        {stato.Valutazione, voto, rosso},
        {QString(), voto, rosso},
        {esatte, testo, nero},
        {QString(), testo, nero},
        {QString(), testo, nero},
        {QStringLiteral("Data  ") + data, testo, nero},
    };
}

Immagine impaginaAttestato(const std::vector<RigaAttestato>& tutte, std::size_t quante,
                           QSize interno, const QPaintDevice& schermo, const QColor& sfondo,
                           double proporzione) {
    Immagine immagine;
    immagine.dimensioni = interno;
    immagine.dpi = schermo.logicalDpiX();
    immagine.sfondo = sfondo;
    if (interno.isEmpty()) {
        return immagine;
    }
    std::vector<RigaAttestato> righe = tutte;
    for (RigaAttestato& riga : righe) {
        riga.font = inScala(riga.font, proporzione);
    }
    const double scala = scalaPerAltezza(righe, interno.height(), schermo);
    // A little room at both sides, so that no letter touches the border.
    const double disponibile = interno.width() * 0.96;
    double y = 0;
    for (std::size_t i = 0; i < quante && i < righe.size(); ++i) {
        const RigaAttestato& riga = righe[i];
        const QFont f = inScala(riga.font, scala);
        const double altezza = altezzaRiga(f, schermo);
        if (!riga.testo.isEmpty()) {
            const auto larghezzaA = [&](double punti) {
                QFont prova = f;
                prova.setPointSizeF(punti);
                return QFontMetricsF(prova, &schermo).horizontalAdvance(riga.testo);
            };
            QFont adattato = f;
            adattato.setPointSizeF(puntiPerLarghezza(f.pointSizeF(), disponibile, larghezzaA));
            const double larghezza = larghezzaA(adattato.pointSizeF());
            // A line made narrower keeps its place: it sits in the middle of its own line.
            const double alto = y + (altezza - altezzaRiga(adattato, schermo)) / 2;
            immagine.testi.push_back({riga.testo, adattato, riga.colore,
                                      QPointF((interno.width() - larghezza) / 2, alto)});
        }
        y += altezza;
    }
    return immagine;
}

Immagine impaginaPerStampa(const std::vector<RigaAttestato>& righe, const QSizeF& twip,
                           const QPaintDevice& schermo, const QColor& sfondo) {
    const double pixelPerTwip = schermo.logicalDpiX() / 1440.0;
    const QSize interno(qRound(twip.width() * pixelPerTwip), qRound(twip.height() * pixelPerTwip));
    const double proporzione = std::min(twip.width() / figuraProgettata.width(),
                                        twip.height() / figuraProgettata.height());
    return impaginaAttestato(righe, righe.size(), interno, schermo, sfondo, proporzione);
}

QRectF posizioneStampaAttestato(const QSizeF& figura, const QSizeF& area) {
    constexpr double alto = 100;
    if (figura.isEmpty()) {
        return QRectF(area.width() / 2, alto, 0, 0);
    }
    const double scala =
        std::min({1.0, area.width() / figura.width(), (area.height() - alto) / figura.height()});
    const QSizeF stampata = figura * std::max(scala, 0.0);
    return QRectF(QPointF((area.width() - stampata.width()) / 2, alto), stampata);
}
