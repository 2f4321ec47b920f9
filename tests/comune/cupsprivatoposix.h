// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own: its configuration, spool and logs in a temporary folder,
// listening on a free port of 127.0.0.1, with one queue "aula" whose pages go to a file of the
// same folder. While it lives, libcups and Qt ask it and no other.
class CupsPrivato {
public:
    CupsPrivato();
    ~CupsPrivato();
    CupsPrivato(const CupsPrivato&) = delete;
    CupsPrivato& operator=(const CupsPrivato&) = delete;

    // Empty when it runs; otherwise why not, for the test to skip with.
    QString problema() const { return perche; }
    // Runs one of the CUPS administration commands against it; false when it failed.
    bool comando(const QString& programma, const QStringList& argomenti);
    // How many jobs are still waiting or printing.
    int lavoriAttivi() const;
    // Adds a queue that prints to the given file; false when it could not.
    bool aggiungiCoda(const QString& nome, const QString& file);
    // Where the queue's pages go, as the PDF CUPS hands a printer.
    QString uscita() const { return cartella.filePath(QStringLiteral("uscita.pdf")); }
    // Stops the scheduler, as a print server that is down; libcups still asks its address.
    // `muto`: a socket then listens there and never answers, as a server that hangs; false when
    // it cannot.
    bool spegni(bool muto = false);

private:
    bool scriviConfigurazione(int porta);

    QTemporaryDir cartella;
    QProcess cupsd;
    QString server;
    int porta = 0;
    int presaMuta = -1;
    QByteArray serverPrima;
    QString perche;
};
