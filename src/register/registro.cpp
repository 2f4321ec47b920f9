// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/registro.h"

#include "platform/messaggi.h"
#include "rules/valutazione.h"
#include "state/statocondiviso.h"

#include <QSet>
#include <QUuid>

#include <algorithm>

namespace {
QString nuovoId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}
} // namespace

Registro::Registro(LuogoRegistro luogo, Messaggi& messaggi, std::chrono::milliseconds pausa)
    : messaggi(messaggi), locale(Deposito::sqlite(luogo.fileLocale)), pausa(pausa) {
    if (!luogo.condiviso.isEmpty()) {
        condiviso = std::make_unique<Deposito>(Deposito::postgres(luogo.condiviso));
    }
}

// A last try for what could not be written: a program closed right after a busy moment keeps it.
Registro::~Registro() {
    if (!attesa.isEmpty()) {
        scrivi();
    }
}

bool Registro::serverDisponibile() const {
    return !dallUltimoGuasto.isValid() || dallUltimoGuasto.elapsed() >= pausa.count();
}

QList<ClasseRegistro> Registro::classi() {
    QString errore;
    if (condiviso && serverDisponibile()) {
        const QList<ClasseRegistro> delServer = condiviso->classi(errore);
        if (errore.isEmpty()) {
            copiaInLocale(delServer);
            return delServer;
        }
        guasto(errore);
        errore.clear();
    }
    QList<ClasseRegistro> classi = locale.classi(errore);
    if (!errore.isEmpty()) {
        avvisaUnaVolta(locale, errore);
    }
    return classi;
}

// A copy here, so that the pupils can still say who they are, and their series still be kept, on
// a day the server is away. A pupil or a class the teacher removed from the school's register
// goes from this PC's copy too, with what of theirs was kept here.
void Registro::copiaInLocale(const QList<ClasseRegistro>& delServer) {
    QSet<QString> classiServer, alunniServer;
    for (const ClasseRegistro& classe : delServer) {
        classiServer.insert(classe.id);
        for (const AlunnoRegistro& a : classe.alunni) {
            alunniServer.insert(a.id);
        }
        locale.aggiungiClasse(classe);
    }
    QString errore;
    for (const ClasseRegistro& classe : locale.classi(errore)) {
        if (!classiServer.contains(classe.id)) {
            locale.rimuoviClasse(classe.id);
            continue;
        }
        for (const AlunnoRegistro& a : classe.alunni) {
            if (!alunniServer.contains(a.id)) {
                locale.rimuoviAlunno(a.id);
            }
        }
    }
}

void Registro::scegliAlunno(std::optional<AlunnoRegistro> chi) {
    scelta = true;
    alunno = std::move(chi);
}

QString Registro::aggiungiClasse(const QString& nome, const QStringList& alunni) {
    Deposito& dove = principale();
    QString errore;
    ClasseRegistro classe{nuovoId(), nome, {}};
    for (const ClasseRegistro& esistente : dove.classi(errore)) {
        if (esistente.nome == nome) {
            classe = esistente;
        }
    }
    if (!errore.isEmpty()) {
        return errore;
    }
    for (const QString& uno : alunni) {
        const bool c = std::any_of(classe.alunni.cbegin(), classe.alunni.cend(),
                                   [&](const AlunnoRegistro& a) { return a.nome == uno; });
        if (!c) {
            classe.alunni.append({nuovoId(), uno});
        }
    }
    return dove.aggiungiClasse(classe);
}

void Registro::iniziaSerie(const StatoCondiviso& stato) {
    if (ospite()) {
        corrente.reset();
        return;
    }
    SerieRegistrata s;
    s.id = nuovoId();
    if (alunno) {
        s.alunno = alunno->id;
        s.nomeAlunno = alunno->nome;
    } else {
        s.nomeAlunno = stato.NomeAlunno;
    }
    s.programma = stato.NomeProgramma;
    s.operazione = stato.Operazione;
    s.obiettivo = stato.DescrizioneObiettivo;
    s.tipoMin = stato.TipoMin;
    s.tipoMax = stato.TipoMax;
    s.livello = stato.LivelloSerie;
    s.descrizioneLivello = stato.DescrizioneLivelloSerie;
    s.numeroMin = stato.NumeroMin;
    s.numeroMax = stato.NumeroMax;
    s.inizio = s.fine = QDateTime::currentDateTimeUtc();
    corrente = s;
}

OperazioneRegistrata* Registro::operazioneCorrente(const StatoCondiviso& stato) {
    const int numero = stato.ContaOperazioni;
    if (!corrente || numero < 1 || numero >= static_cast<int>(stato.RigheStampa.size())) {
        return nullptr;
    }
    OperazioneRegistrata& o = corrente->operazioniGiudicate[numero];
    o.numero = numero;
    o.riga = stato.RigheStampa[static_cast<size_t>(numero)];
    return &o;
}

void Registro::rispostaGiudicata(const StatoCondiviso& stato, const QString& segno, bool esatta) {
    OperazioneRegistrata* o = operazioneCorrente(stato);
    if (!o) {
        return;
    }
    o->termineA = stato.TermineA;
    o->termineB = stato.TermineB;
    o->termineC = stato.TermineC;
    o->risultato = stato.Risultato;
    o->segno = segno;
    o->mancante = stato.PosizioneMancante;
    o->risposte.append({stato.Risposta.trimmed(), esatta});
    o->tempo = stato.TempoParziale;
    SerieRegistrata& s = *corrente;
    s.fine = QDateTime::currentDateTimeUtc();
    s.operazioni = stato.ContaOperazioni;
    s.esatte = stato.RisposteEsatte;
    s.errate = stato.RisposteErrate;
    s.tempoTotale = stato.TempoTotale;
    // The grade the certificate would give now, printed or not.
    s.valutazione = testoValutazione(
        fasciaValutazione(decimiEsatti(stato.TotaleEsatte, stato.ContaOperazioni)));
    segnaDaScrivere(o->numero);
}

void Registro::aiuto(const StatoCondiviso& stato, Aiuto aiuto) {
    // Only for an operation already judged: help follows a wrong answer.
    if (!corrente || !corrente->operazioniGiudicate.contains(stato.ContaOperazioni)) {
        return;
    }
    OperazioneRegistrata* o = operazioneCorrente(stato);
    if (aiuto == Aiuto::accettato) {
        corrente->aiutiAccettati += o->aiutoAccettato ? 0 : 1;
        o->aiutoAccettato = true;
    } else {
        ++o->aiutiRifiutati;
        o->intervento = o->intervento || aiuto == Aiuto::intervento;
    }
    segnaDaScrivere(o->numero);
}

void Registro::nomeDigitato(const QString& nome) {
    if (!corrente || alunno || corrente->operazioniGiudicate.isEmpty() ||
        corrente->nomeAlunno == nome) {
        return;
    }
    corrente->nomeAlunno = nome;
    segnaDaScrivere(-1);
}

void Registro::segnaDaScrivere(int operazione) {
    auto voce = std::find_if(attesa.begin(), attesa.end(),
                             [&](const auto& v) { return v.serie.id == corrente->id; });
    if (voce == attesa.end()) {
        attesa.append({*corrente, {}});
        voce = std::prev(attesa.end());
    } else {
        voce->serie = *corrente;
    }
    if (operazione > 0 && !voce->operazioni.contains(operazione)) {
        voce->operazioni.append(operazione);
    }
    scrivi();
}

void Registro::scrivi() {
    if (condiviso && scriviNelCondiviso()) {
        attesa.clear();
        return;
    }
    // With a shared register away, this file keeps the series until it can be sent.
    const QString errore = locale.scrivi(attesa, condiviso != nullptr);
    if (errore.isEmpty()) {
        localeDaInviare = localeDaInviare || condiviso;
        attesa.clear();
    } else {
        avvisaUnaVolta(locale, errore);
    }
}

bool Registro::scriviNelCondiviso() {
    if (!serverDisponibile()) {
        return false;
    }
    // What waited here goes first, so that what is written now is the last word on its series.
    QString errore;
    if (localeDaInviare) {
        const QList<SerieRegistrata> daInviare = locale.serieDaInviare(errore);
        QList<Deposito::DaScrivere> tutte;
        QStringList id;
        for (const SerieRegistrata& s : daInviare) {
            tutte.append({s, s.operazioniGiudicate.keys()});
            id << s.id;
        }
        if (!tutte.isEmpty()) {
            if (errore = condiviso->scrivi(tutte, false); !errore.isEmpty()) {
                return guasto(errore);
            }
            // Sent twice if this fails: each series has its own id, so the server keeps it once.
            locale.segnaInviate(id);
        }
        localeDaInviare = !errore.isEmpty();
    }
    if (errore = condiviso->scrivi(attesa, false); !errore.isEmpty()) {
        return guasto(errore);
    }
    return true;
}

bool Registro::guasto(const QString& errore) {
    // A server that does not answer is asked again only after a pause: each try may take seconds.
    dallUltimoGuasto.start();
    if (!condiviso->ritentabile()) {
        avvisaUnaVolta(*condiviso, errore);
    }
    return false;
}

void Registro::avvisaUnaVolta(const Deposito& dove, const QString& errore) {
    if (avvisato) {
        return;
    }
    avvisato = true;
    const QString seguito = QStringLiteral(
        "Gli esercizi continuano: le serie restano in memoria e le scrivo appena posso.");
    messaggi.avvisa(
        dove.ritentabile()
            ? QStringLiteral("Non riesco a scrivere nel registro della classe (%1). %2\n(%3)")
                  .arg(dove.descrizione(), seguito, errore)
            : QStringLiteral("Il registro della classe (%1) %2: non lo modifico. %3")
                  .arg(dove.descrizione(), errore, seguito));
}
