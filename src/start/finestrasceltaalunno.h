// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/serieregistrata.h"

#include <QDialog>
#include <QList>

#include <optional>

class AreaProporzionale;
class PannelloScelte;
class QStackedWidget;

// The classes a pupil can pick from: those with someone in them.
QList<ClasseRegistro> classiConAlunni(const QList<ClasseRegistro>& classi);

// Who does the series: the pupil picks the class, where there is more than one, then the name;
// or "Ospite", a guest whose series nobody keeps. Every choice is a button as large as the start
// window's, for a finger on a whiteboard; the keyboard moves between them and Enter or Space
// chooses. Esc closes the window and no series starts.
class FinestraSceltaAlunno : public QDialog {
    Q_OBJECT
public:
    // The window covers the start window's area, so its buttons come out as large as that
    // window's own.
    FinestraSceltaAlunno(const QString& nomeProgramma, const QList<ClasseRegistro>& tutte,
                         const QSize& dimensioni, QWidget* parent);

signals:
    // Nobody for a guest.
    void scelto(const std::optional<AlunnoRegistro>& alunno);

private:
    AreaProporzionale* creaPagina(const QString& nome, const QString& significato,
                                  const QString& titolo);
    void creaPaginaClassi();
    void creaPaginaAlunni(int classe);
    void mostraPagina(AreaProporzionale* pagina);
    void scegli(const std::optional<AlunnoRegistro>& alunno);

    QList<ClasseRegistro> classi;
    QStackedWidget* pagine = nullptr;
    AreaProporzionale* paginaClassi = nullptr;
    QList<AreaProporzionale*> pagineAlunni;
    PannelloScelte* primoGruppo = nullptr;
};
