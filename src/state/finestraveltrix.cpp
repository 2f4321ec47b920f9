#include "state/finestraveltrix.h"

#include <QCloseEvent>

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
