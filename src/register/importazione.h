// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A class list as the school's electronic register exports it: plain text, one pupil a line, or
// CSV with ";", "," or tabs, in UTF-8 or in the Windows-1252 of Italian Windows PCs. Only names
// are kept: dates of birth, tax codes and every other column are dropped as they are read.
struct ElencoClasse {
    QStringList alunni;        // to add, in file order, each once: "Cognome Nome" from two columns
    QStringList doppi;         // already among those present, or earlier in the file: not added
    QStringList scartati;      // cells that cannot be a name (too long, digits, no letter)
    int righeVuote = 0;        // lines without a name between the names, skipped
    bool intestazione = false; // a line naming the columns stood above the names: skipped
    QString errore;            // why nothing at all could be read, for the teacher; else empty
};

// Names are compared ignoring case, repeated blanks and the kind of apostrophe.
ElencoClasse leggiElencoClasse(const QByteArray& dati, const QStringList& giaPresenti);

// What the import did, in a few Italian sentences for the teacher.
QString resocontoImportazione(const ElencoClasse& elenco);
