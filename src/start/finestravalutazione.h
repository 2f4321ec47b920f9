// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// How the certificate grades a series, told to the teacher from the grading table itself.
class FinestraValutazione : public QDialog {
    Q_OBJECT
public:
    FinestraValutazione(const QString& nomeProgramma, QWidget* parent);
};
