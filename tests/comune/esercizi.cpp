// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/esercizi.h"

#include "comune/banco.h"
#include "comune/guida.h"
#include "exercise/frmoperativo.h"
#include "start/frminizio.h"

FrmOperativo* apriEsercizi(Banco& banco, int obiettivo, int livello, qint16 operazione) {
    banco.programma->avvia();
    banco.programma->stato.Operazione = operazione;
    auto* inizio = banco.finestra<frmInizio>(Finestra::Inizio);
    premi(inizio, QStringLiteral("Option1(%1)").arg(obiettivo));
    premi(inizio, QStringLiteral("Option2(%1)").arg(livello));
    premi(inizio, QStringLiteral("Option3(0)"));
    return inPrimoPiano(banco.finestra<FrmOperativo>(Finestra::Operativo));
}
