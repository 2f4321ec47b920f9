// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/serieregistrata.h"
#include "teacher/condivisi.h"

#include <QList>
#include <QString>

#include <functional>

class Messaggi;
class QWidget;

// Where a file is saved: the teacher's answer to a file dialog, empty when they gave none.
using SceltaSalvataggio = std::function<QString(const QString& proposta)>;
SceltaSalvataggio dialogoSalvataggio(QWidget* genitore);

// The series as CSV in the file the teacher chooses. A file already there is replaced only when
// the teacher says so, and the new one is still made afresh, never written through a link.
void esportaSerie(const QList<SerieRegistrata>& serie, const QString& proposta,
                  const SceltaSalvataggio& scelta, Messaggi& messaggi, const Dici& dici);
