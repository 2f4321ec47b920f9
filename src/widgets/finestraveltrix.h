// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

// Base of every window of the program. Closing a window unloads it: its unload work runs, the
// window set forgets it at once and the widget is deleted, so opening it again builds it afresh.
class FinestraVeltrix : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraVeltrix(QWidget* parent = nullptr);

    // Maximized; the size is set too, for desktops whose window manager ignores the state.
    void massimizza();
    // For a window that keeps its own size: it stays above the window it belongs to, which no
    // click can then put in front of it, and it opens in the middle of the screen, made smaller
    // (with everything in it) where the screen has no room for its designed size.
    void tieniSopra(QWidget* finestra);
    QSize dimensioneNelloSchermo(QSize progettata) const;
    void centraNelloSchermo();

signals:
    void scaricata();

protected:
    void closeEvent(QCloseEvent* e) override;
    // What the window does when it is unloaded; by default nothing.
    virtual void alloScaricamento() {}

private:
    bool scaricando = false;
};
