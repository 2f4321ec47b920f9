// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

// The windows of the program, listed in the order in which closing everything unloads them.
enum class Finestra {
    Attestato,
    Inizio,
    Operativo,
    StampaEsercizio,
    StampaSchede,
    // The teacher's register, last: the other windows close as they always did.
    Registro,
};
inline constexpr int numeroFinestre = 6;

// One instance of each window for the run: created when first referred to, forgotten when it
// is unloaded, created afresh on the next reference.
class Finestre : public QObject {
    Q_OBJECT
public:
    using Fabbrica = std::function<QWidget*()>;

    void registra(Finestra quale, Fabbrica fabbrica);
    // Whether the program has this window at all.
    bool registrata(Finestra quale) const;
    // The window's instance, loaded if it was not; null for a window the program does not have.
    QWidget* istanza(Finestra quale);
    // Loads if needed and shows; an open window is only brought forward.
    QWidget* apri(Finestra quale);
    void chiudi(Finestra quale);
    bool caricata(Finestra quale) const;
    // Unloads every window in the fixed order of the enumeration.
    void CloseAllWindows();
    // Unloads every window open now, in the order they were loaded.
    void chiudiAperte();
    std::vector<Finestra> caricateInOrdine() const;

private:
    void dimentica(Finestra quale);

    std::array<Fabbrica, numeroFinestre> fabbriche;
    std::array<QPointer<QWidget>, numeroFinestre> istanze;
    std::vector<Finestra> ordineCaricamento;
};
