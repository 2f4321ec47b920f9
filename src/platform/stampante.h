// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct Immagine;

// The printer as the reports use it: a page addressed in twips from the top-left corner of the
// area the printer can print on (what lies outside it would be cut on paper), a
// current position that printed text moves on, and a job that starts with the first thing put
// on the page and ends with fineDocumento(). The position and the font are kept here, the same
// for every printer; what a real page needs is left to the implementations.
class Stampante {
public:
    struct Carattere {
        QString nome = QStringLiteral("Arial");
        double punti = 10;
        bool grassetto = false;
    };

    virtual ~Stampante() = default;

    // The printer's font names, in the printer's own order.
    virtual QStringList fonts() const = 0;
    // The size of the area the page is printed on, in twips.
    QSizeF areaStampabile() { return area(); }

    // What the next job holds ("elenco", "attestato", "scheda-alunni", "scheda-docenti"): it
    // names the file when the job is written to disk.
    void iniziaDocumento(const QString& nome) { documento = nome; }

    void impostaFont(const QString& nome) { corrente.nome = nome; }
    void impostaDimensione(double punti) { corrente.punti = punti; }
    void impostaGrassetto(bool si) { corrente.grassetto = si; }
    const Carattere& carattere() const { return corrente; }

    // CurrentX and CurrentY, in twips.
    void impostaX(double twip) { posizione.setX(twip); }
    void impostaY(double twip) { posizione.setY(twip); }
    double x() const { return posizione.x(); }
    double y() const { return posizione.y(); }

    // Prints at the current position. A line end brings the position back to the left edge of
    // the page, one line of the current font lower; without one it moves on past the text.
    void stampa(const QString& testo, bool aCapo = true);
    // Only the line end: the empty line of the current font.
    void aCapo();
    // How far a line end moves down in the current font, in twips.
    double altezzaRigaCorrente() { return altezzaRiga(corrente); }
    // How wide a text prints in the given font, in twips.
    double larghezza(const QString& testo, const Carattere& c) { return larghezzaTesto(testo, c); }
    // A picture put on the page in the given rectangle, in twips; its texts scale with it.
    void disegnaImmagine(const Immagine& immagine, const QRectF& twip);
    void nuovaPagina();
    // Sends the job. False when the job failed; the printer has said why already.
    bool fineDocumento();

protected:
    virtual void scrivi(const QString& testo, const QPointF& twip, const Carattere& c) = 0;
    virtual double larghezzaTesto(const QString& testo, const Carattere& c) = 0;
    virtual double altezzaRiga(const Carattere& c) = 0;
    virtual void disegna(const Immagine& immagine, const QRectF& twip) = 0;
    virtual void pagina() = 0;
    virtual bool fine() = 0;
    virtual QSizeF area() = 0;

    QString documento = QStringLiteral("documento");

private:
    Carattere corrente;
    QPointF posizione;
};

// The first of the printer's fonts named exactly "Courier" or "Courier New", in the printer's
// order; empty when it has neither. The printouts line numbers up with blanks and need one.
QString fontCourier(const Stampante& stampante);
// What the pupil is told when the printer has neither.
QString mancaCourier();
