// SPDX-License-Identifier: GPL-3.0-or-later
#include "printouts/stampaprogressi.h"

#include "platform/stampante.h"
#include "register/riepilogo.h"

#include <array>
#include <numeric>

namespace {

constexpr double puntiTitolo = 16;
constexpr double puntiTesto = 10;
constexpr double puntiTabella = 8;
// The chart takes this share of the page's height under the heading.
constexpr double quotaGrafico = 0.32;
// Relative widths of the table's columns, spread over the page's width.
constexpr std::array<double, 10> pesiColonne{15, 13, 26, 5, 5, 6, 6, 5, 6, 13};

struct Voce {
    QString testo;
    double x, y, punti;
    bool grassetto;
};

// The report laid out page by page before anything is printed, so each foot knows how many
// pages there are.
class Impaginazione {
public:
    Impaginazione(Stampante& stampante) : stampante(stampante), area(stampante.areaStampabile()) {
        pagine.emplace_back();
    }

    double larghezza() const { return area.width(); }
    double altezzaRiga(double punti) const { return punti * 20 * 1.25; }
    // Room is kept at the foot for the name and the page number.
    double fondo() const { return area.height() - 2 * altezzaRiga(puntiTesto); }

    void scrivi(const QString& testo, double x, double punti, bool grassetto = false) {
        pagine.back().push_back({testo, x, y, punti, grassetto});
    }
    void aCapo(double punti) { y += altezzaRiga(punti); }
    // Starts a new page when `altezza` more would run into the foot; true when it did.
    bool spazio(double altezza) {
        if (y + altezza <= fondo()) {
            return false;
        }
        pagine.emplace_back();
        y = 0;
        return true;
    }
    // `testo` cut, with an ellipsis, to fit `massimo` twips.
    QString taglia(const QString& testo, double massimo, double punti) {
        Stampante::Carattere c{stampante.carattere().nome, punti, false};
        if (stampante.larghezza(testo, c) <= massimo) {
            return testo;
        }
        QString corto = testo;
        while (!corto.isEmpty() && stampante.larghezza(corto + u'…', c) > massimo) {
            corto.chop(1);
        }
        return corto + u'…';
    }

    Stampante& stampante;
    QSizeF area;
    double y = 0;
    std::vector<std::vector<Voce>> pagine;
};

QString data(const QDateTime& quando) {
    return quando.toLocalTime().toString(QStringLiteral("dd/MM/yyyy hh:mm"));
}

void tabella(Impaginazione& p, const QList<SerieRegistrata>& serie) {
    const double somma = std::accumulate(pesiColonne.begin(), pesiColonne.end(), 0.0);
    std::array<double, pesiColonne.size()> x{};
    for (size_t i = 1; i < x.size(); ++i) {
        x[i] = x[i - 1] + p.larghezza() * pesiColonne[i - 1] / somma;
    }
    auto riga = [&](const QStringList& celle, bool grassetto) {
        for (size_t i = 0; i < x.size(); ++i) {
            const double spazio = (i + 1 < x.size() ? x[i + 1] : p.larghezza()) - x[i] - 60;
            p.scrivi(p.taglia(celle.value(int(i)), spazio, puntiTabella), x[i], puntiTabella,
                     grassetto);
        }
        p.aCapo(puntiTabella);
    };
    riga(intestazioniSerie(), true);
    for (const SerieRegistrata& s : serie) {
        // Every page of the table opens with its heading.
        if (p.spazio(p.altezzaRiga(puntiTabella))) {
            riga(intestazioniSerie(), true);
        }
        riga(colonneSerie(s), false);
    }
}

} // namespace

QString nomeOperazione(int codice) {
    switch (codice) {
    case 1:
        return QStringLiteral("addizioni");
    case 2:
        return QStringLiteral("sottrazioni");
    case 3:
        return QStringLiteral("moltiplicazioni");
    default:
        return QStringLiteral("codice %1").arg(codice);
    }
}

QStringList intestazioniSerie() {
    return {QStringLiteral("Data e ora"), QStringLiteral("Operazione"), QStringLiteral("Obiettivo"),
            QStringLiteral("Livello"),    QStringLiteral("Op."),        QStringLiteral("Esatte"),
            QStringLiteral("Errate"),     QStringLiteral("Aiuti"),      QStringLiteral("Tempo"),
            QStringLiteral("Valutazione")};
}

QStringList colonneSerie(const SerieRegistrata& s) {
    return {data(s.inizio),
            nomeOperazione(s.operazione),
            s.obiettivo,
            QString::number(s.livello),
            QString::number(s.operazioni),
            QString::number(s.esatte),
            QString::number(s.errate),
            QString::number(s.aiutiAccettati),
            minutiSecondi(s.tempoTotale),
            s.valutazione};
}

bool stampaProgressi(const RapportoProgressi& r, Stampante& stampante) {
    stampante.iniziaDocumento(QStringLiteral("progressi"));
    stampante.impostaFont(QStringLiteral("Arial"));
    Impaginazione p(stampante);
    p.scrivi(QStringLiteral("Progressi di %1").arg(r.alunno), 0, puntiTitolo, true);
    p.aCapo(puntiTitolo);
    p.scrivi(QStringLiteral("Classe %1, %2").arg(r.classe, r.periodo), 0, puntiTesto);
    p.aCapo(puntiTesto);
    p.aCapo(puntiTesto);
    const QRectF grafico(0, p.y, p.larghezza(), p.area.height() * quotaGrafico);
    p.y += grafico.height() + p.altezzaRiga(puntiTesto);
    tabella(p, r.serie);
    if (!r.fatti.isEmpty()) {
        p.aCapo(puntiTesto);
        p.spazio(2 * p.altezzaRiga(puntiTesto));
        p.scrivi(QStringLiteral("Da esercitare"), 0, puntiTesto, true);
        p.aCapo(puntiTesto);
        for (const QString& fatto : r.fatti) {
            p.spazio(p.altezzaRiga(puntiTesto));
            p.scrivi(fatto, 0, puntiTesto);
            p.aCapo(puntiTesto);
        }
    }

    const int totale = static_cast<int>(p.pagine.size());
    for (int n = 0; n < totale; ++n) {
        if (n > 0) {
            stampante.nuovaPagina();
        }
        if (n == 0) {
            stampante.disegnaImmagine(r.grafico, grafico);
        }
        for (const Voce& v : p.pagine[size_t(n)]) {
            stampante.impostaDimensione(v.punti);
            stampante.impostaGrassetto(v.grassetto);
            stampante.impostaX(v.x);
            stampante.impostaY(v.y);
            stampante.stampa(v.testo);
        }
        stampante.impostaDimensione(puntiTesto);
        stampante.impostaGrassetto(false);
        stampante.impostaX(0);
        stampante.impostaY(p.area.height() - p.altezzaRiga(puntiTesto));
        stampante.stampa(
            QStringLiteral("%1 - pagina %2 di %3").arg(r.alunno).arg(n + 1).arg(totale));
    }
    return stampante.fineDocumento();
}
