// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/serieregistrata.h"

#include <QList>
#include <QString>

#include <functional>

class QComboBox;
class QDate;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// What the pages of the teacher's window share: the lists of classes and pupils, filled again
// after each change with the same one still chosen, and the line that tells what was done.

// Each item carries the class's or the pupil's id; the one chosen before stays chosen.
void riempiClassi(QComboBox* scelta, const QList<ClasseRegistro>& classi);
void riempiAlunni(QComboBox* scelta, const QList<AlunnoRegistro>& alunni);
void riempiElenco(QListWidget* elenco, const QList<AlunnoRegistro>& voci);
void riempiElenco(QListWidget* elenco, const QList<ClasseRegistro>& classi);
QString idScelto(const QComboBox* scelta);
QString idScelto(const QListWidget* elenco);
// The chosen class of `classi`, or an empty one.
ClasseRegistro classeScelta(const QComboBox* scelta, const QList<ClasseRegistro>& classi);

// A button, a PIN box and a date box as every page makes them, named for the tests and screen
// readers.
QPushButton* pulsante(const QString& testo, const QString& nome, QWidget* genitore);
QLineEdit* campoPin(const QString& nome, QWidget* genitore);
// A date as Italians write it, with a calendar to pick it from.
QDateEdit* campoData(const QDate& quando, const QString& nome, const QString& significato,
                     QWidget* genitore);

// What every page says when the register cannot be read.
QString nonLeggo(const QString& errore);

// Said in the window's status line and to a screen reader.
using Dici = std::function<void(const QString&)>;
