// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/immagine.h"
#include "printouts/disegnoattestato.h"

#include <QFrame>

#include <cstddef>
#include <vector>

// The picture box the certificate is drawn in. Its image is kept as the lines drawn so far, so
// it is painted again whenever the picture is uncovered, laid out again when the picture changes
// size, and handed as it is to the printer.
class FiguraAttestato : public QFrame {
    Q_OBJECT
public:
    explicit FiguraAttestato(QWidget* parent = nullptr);

    // The lines to draw; none of them is drawn yet.
    void impostaRighe(std::vector<RigaAttestato> righe);
    // Draws the next line; false when every line was drawn already.
    bool disegnaProssima();
    void disegnaTutte();
    bool completa() const { return disegnate == tutte.size(); }
    std::size_t righeDisegnate() const { return disegnate; }
    const std::vector<RigaAttestato>& righe() const { return tutte; }
    const Immagine& immagine() const { return corrente; }
    // The picture's inner size, in twips, as it is at the interface's scale 1 on this screen: the
    // paper does not change with the scale a whiteboard or a teacher chose.
    QSizeF grandezzaAScalaUno() const;
    // Every line, laid out for a printed box of that size in twips.
    Immagine immagineInStampa(const QSizeF& twip) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void impagina();

    std::vector<RigaAttestato> tutte;
    std::size_t disegnate = 0;
    Immagine corrente;
};
