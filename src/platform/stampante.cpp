// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stampante.h"

void Stampante::stampa(const QString& testo, bool aCapo) {
    scrivi(testo, posizione, corrente);
    if (aCapo) {
        this->aCapo();
    } else {
        posizione.rx() += larghezzaTesto(testo, corrente);
    }
}

void Stampante::aCapo() {
    posizione = QPointF(0, posizione.y() + altezzaRiga(corrente));
}

void Stampante::disegnaImmagine(const Immagine& immagine, const QRectF& twip) {
    disegna(immagine, twip);
}

void Stampante::nuovaPagina() {
    pagina();
    posizione = {};
}

bool Stampante::fineDocumento() {
    const bool riuscito = fine();
    // The next job starts from the top of a fresh page, with the printer's own font.
    posizione = {};
    corrente = {};
    return riuscito;
}

QString mancaCourier() {
    return QStringLiteral("Devi installare il font Courier o il font Courier New");
}

QString fontCourier(const Stampante& stampante) {
    for (const QString& nome : stampante.fonts()) {
        if (nome == QLatin1String("Courier") || nome == QLatin1String("Courier New")) {
            return nome;
        }
    }
    return {};
}
