// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

#include <array>

class Linea;
class QLabel;

// The row of the operation in its frame: three terms, two signs, "=" and the result, one of the
// four numbers missing; the cross over a wrong answer, the correct answer under it, and the
// notice that takes the row's place for an operation without exercises.
class QuadroOperazione : public QFrame {
    Q_OBJECT
public:
    // The four numbers in the order of the row.
    static constexpr int numeroNumeri = 4;
    static constexpr int risultato = 3;

    explicit QuadroOperazione(QWidget* area);

    const QLabel* numero(int k) const { return numeri[k]; }
    // True when the number changed to a value, that is to anything but "?".
    bool scrivi(int k, const QString& testo);
    void scriviSegno(const QString& segno);
    // The seven texts of the row, from left to right.
    QStringList testi() const;
    // A new operation: no cross, no correction, the numbers in their colour, the missing one
    // marked once it is drawn.
    void pulisci();
    void segnaMancante(int k);
    void mostraCroce(int k);
    void nascondiCroci();
    // The crosses follow their numbers when the window is resized.
    void posizionaCroci();
    // The correct answer, under number k when k is one of the four.
    void mostraCorrezione(const QString& testo, int k);
    void mostraNonDisponibile(const QString& testo);

private:
    void creaEtichette();
    void creaCroci();

    QLabel* LblSegno = nullptr;
    QLabel* lblSegno1 = nullptr;
    QLabel* LblUguale = nullptr;
    std::array<QLabel*, numeroNumeri> numeri{};
    // Left to right: first term, sign, second term, sign, third term, "=", result.
    std::array<QLabel*, 7> riga{};
    QLabel* lblCorrezione = nullptr;
    QLabel* lblNonDisponibile = nullptr;
    std::array<Linea*, numeroNumeri> Line1{};
    std::array<Linea*, numeroNumeri> Line2{};
};
