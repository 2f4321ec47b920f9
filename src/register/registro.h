// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/deposito.h"
#include "register/luogo.h"
#include "register/serieregistrata.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class Messaggi;
struct StatoCondiviso;

// The class register as the windows see it: who the pupil is, and each series as it happens.
// Nothing here ever stops the drill. What cannot be written stays in memory and is written at the
// next chance; the teacher is told once per run. Where the lab shares a register on the school's
// server, a series written while the server is away waits in the file on this PC and is sent
// when the server answers again.
class Registro {
public:
    Registro(LuogoRegistro luogo, Messaggi& messaggi,
             std::chrono::milliseconds pausaDopoGuasto = std::chrono::seconds(20));
    ~Registro();
    Registro(const Registro&) = delete;
    Registro& operator=(const Registro&) = delete;

    // The classes and their pupils; empty when there is none, or the register cannot be read.
    QList<ClasseRegistro> classi();
    // Who does the next series: a pupil of a class, or nobody (a guest, whose series are not
    // kept). Asked once per run.
    void scegliAlunno(std::optional<AlunnoRegistro> alunno);
    bool sceltaFatta() const { return scelta; }
    bool ospite() const { return scelta && !alunno; }
    // The pupil chosen, if any.
    const std::optional<AlunnoRegistro>& alunnoScelto() const { return alunno; }

    // A class of these pupils, added to the one of that name if there is one. Empty when done.
    QString aggiungiClasse(const QString& nome, const QStringList& alunni);

    // The window's events, read from the shared state as it stands after each.
    void iniziaSerie(const StatoCondiviso& stato);
    void rispostaGiudicata(const StatoCondiviso& stato, const QString& segno, bool esatta);
    enum class Aiuto { accettato, rifiutato, intervento };
    void aiuto(const StatoCondiviso& stato, Aiuto aiuto);
    // The name typed in the list window, for a series of nobody chosen.
    void nomeDigitato(const QString& nome);

    // The register the teacher reads and changes: the school's, where the lab shares one.
    Deposito& principale() { return condiviso ? *condiviso : locale; }

    // How many series still wait to be written anywhere, for the tests and the teacher.
    int inAttesa() const { return static_cast<int>(attesa.size()); }

private:
    void copiaInLocale(const QList<ClasseRegistro>& delServer);
    OperazioneRegistrata* operazioneCorrente(const StatoCondiviso& stato);
    void segnaDaScrivere(int operazione);
    void scrivi();
    bool scriviNelCondiviso();
    bool serverDisponibile() const;
    bool guasto(const QString& errore);
    void avvisaUnaVolta(const Deposito& dove, const QString& errore);

    Messaggi& messaggi;
    Deposito locale;
    std::unique_ptr<Deposito> condiviso;
    std::chrono::milliseconds pausa;
    QElapsedTimer dallUltimoGuasto;
    bool localeDaInviare = true;
    bool avvisato = false;
    bool scelta = false;
    std::optional<AlunnoRegistro> alunno;
    std::optional<SerieRegistrata> corrente;
    QList<Deposito::DaScrivere> attesa;
};
