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

signals:
    void scaricata();

protected:
    void closeEvent(QCloseEvent* e) override;
    // What the window does when it is unloaded; by default nothing.
    virtual void alloScaricamento() {}

private:
    bool scaricando = false;
};
