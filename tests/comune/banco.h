// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/programma.h"
#include "comune/file.h"
#include "comune/finti.h"
#include "platform/disistema.h"

#include <memory>

// A whole program with fake services, run in a fresh empty directory of its own, where its
// settings file is written. A test of the real printer passes it in place of the recording one.
class Banco {
public:
    explicit Banco(const QString& nomeProgramma = QStringLiteral("veltrix"),
                   Stampante* altraStampante = nullptr);
    ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    QString percorso(const QString& nomeFile) const;
    template <typename F> F* finestra(Finestra quale) {
        return qobject_cast<F*>(programma->finestre.istanza(quale));
    }

    OrologioFinto orologio;
    CasualeFinto casuale;
    MessaggiFinti messaggi;
    StampanteFinta stampante;
    ArchivioDiSistema archivio;
    std::unique_ptr<Programma> programma;

private:
    CartellaDiLavoro cartella;
};

// Every moment the program writes its settings file: switching the set, "Avanti", and the end.
// Returns whether the exercise window opened: the program went on.
bool usaTuttiIMomentiDiScrittura(Banco& banco);
