#include "state/finestraveltrix.h"

#include <QCloseEvent>
#include <QScreen>

FinestraVeltrix::FinestraVeltrix(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void FinestraVeltrix::closeEvent(QCloseEvent* e) {
    e->accept();
    if (scaricando) {
        return;
    }
    scaricando = true;
    emit scaricata();
    alloScaricamento();
}

void FinestraVeltrix::massimizza() {
    if (const QScreen* schermo = screen()) {
        resize(schermo->availableGeometry().size());
    }
    setWindowState(Qt::WindowMaximized);
}
