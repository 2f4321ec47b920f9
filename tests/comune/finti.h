// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/casuale.h"
#include "platform/codastampa.h"
#include "platform/immagine.h"
#include "platform/messaggi.h"
#include "platform/orologio.h"
#include "platform/stampante.h"

#include <QStringList>

#include <deque>
#include <vector>

// Test doubles of the system's services.

class OrologioFinto final : public Orologio {
public:
    float secondi = 36000.0f;
    QString data = QStringLiteral("08/12/2026");
    float secondiDaMezzanotte() const override { return secondi; }
    QString dataOggi() const override { return data; }
};

// Hands out the scripted values first, then those of a real generator, and writes down the order
// of reseeds (R) and draws (x).
class CasualeFinto final : public SorgenteCasuale {
public:
    std::deque<float> valori;
    int rimescolamenti = 0;
    QString eventi;
    void rimescola(float lettura) override {
        ++rimescolamenti;
        eventi += QLatin1Char('R');
        vero.rimescola(lettura);
    }
    float prossimo() override {
        eventi += QLatin1Char('x');
        if (valori.empty()) {
            return vero.prossimo();
        }
        const float v = valori.front();
        valori.pop_front();
        return v;
    }

private:
    GeneratoreMescolato vero{42};
};

class MessaggiFinti final : public Messaggi {
public:
    QStringList mostrati;
    QStringList avvisati;
    void mostra(const QString& testo) override { mostrati << testo; }
    void avvisa(const QString& testo) override { avvisati << testo; }
    QStringList chiesti;
    bool risposta = true;
    bool chiedi(const QString& testo) override {
        chiesti << testo;
        return risposta;
    }
};

// A printer that keeps every text, picture and page it is given, with the font and position of
// each. Its font metrics are those of a fixed-pitch face: a character 0.6 of the size wide, a
// line 1.2 of the size high.
class StampanteFinta final : public Stampante {
public:
    struct Scritta {
        int pagina;
        QString testo;
        QString font;
        double punti;
        bool grassetto;
        double x, y;
    };
    struct Disegno {
        int pagina;
        Immagine immagine;
        QRectF twip;
    };

    QStringList nomiFont{QStringLiteral("Arial"), QStringLiteral("Courier New"),
                         QStringLiteral("Courier")};
    std::vector<Scritta> scritte;
    std::vector<Disegno> immagini;
    QStringList documenti;
    int pagine = 0;
    int lavori = 0;
    // A4 less a quarter of an inch at each edge.
    QSizeF areaPagina{11906 - 720, 16838 - 720};

    QStringList fonts() const override { return nomiFont; }
    static double altezza(double punti) { return punti * 20 * 1.2; }

protected:
    void scrivi(const QString& testo, const QPointF& t, const Carattere& c) override {
        apri();
        scritte.push_back({pagine, testo, c.nome, c.punti, c.grassetto, t.x(), t.y()});
    }
    double larghezzaTesto(const QString& testo, const Carattere& c) override {
        return testo.size() * c.punti * 20 * 0.6;
    }
    double altezzaRiga(const Carattere& c) override { return altezza(c.punti); }
    void disegna(const Immagine& immagine, const QRectF& twip) override {
        apri();
        immagini.push_back({pagine, immagine, twip});
    }
    void pagina() override { ++pagine; }
    QSizeF area() override { return areaPagina; }
    bool fine() override {
        if (aperto) {
            ++lavori;
        }
        aperto = false;
        return true;
    }

private:
    void apri() {
        if (!aperto) {
            aperto = true;
            pagine = 1;
            documenti << documento;
        }
    }
    bool aperto = false;
};

// A printer's queue that answers as it is told and keeps the documents it was handed.
class CodaFinta final : public CodaStampa {
public:
    QString stampante = QStringLiteral("aula");
    std::optional<QString> rifiuto;
    std::optional<QString> ferma;
    Invio invio{7, {}};
    Esito stato{Stato::InCorso, {}};
    QList<QByteArray> ricevuti;
    bool pdf = true; // false: the pages go through the printer's driver, as on Windows

    bool accettaPdf() const override { return pdf; }
    Predefinita predefinita() override {
        return {stampante, stampante.isEmpty() ? Mancanza::NessunaStampante : Mancanza::Nessuna};
    }
    Condizione condizione(const QString&) override { return {true, rifiuto, ferma}; }
    Invio invia(const QString&, const QString&, const QByteArray& pdf) override {
        ricevuti << pdf;
        return invio;
    }
    Esito esito(const QString&, int) override { return stato; }
};
