#pragma once

#include <QDialog>

// A small modal window with a note and "OK", for the menu choices not yet filled in.
class FinestraNota : public QDialog {
    Q_OBJECT
public:
    FinestraNota(const QString& argomento, const QString& nomeProgramma, QWidget* parent);
};
