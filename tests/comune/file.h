// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A file's bytes; "<mancante>" when it cannot be read, so a missing file fails the comparison.
QByteArray contenuto(const QString& percorso);
// Writes the whole text; false when it could not.
bool scrivi(const QString& percorso, const QByteArray& testo);

// A fresh empty directory, the current one while the object lives: where the program writes its
// settings file and a job without a printer leaves its PDF.
class CartellaDiLavoro {
public:
    CartellaDiLavoro();
    ~CartellaDiLavoro();
    CartellaDiLavoro(const CartellaDiLavoro&) = delete;
    CartellaDiLavoro& operator=(const CartellaDiLavoro&) = delete;

    QString percorso(const QString& nome) const { return cartella.filePath(nome); }

private:
    QTemporaryDir cartella;
    QString precedente;
};
