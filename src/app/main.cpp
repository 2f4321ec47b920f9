// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicascala.h"
#include "app/cartellalavoro.h"
#include "app/icona.h"
#include "app/messaggiqt.h"
#include "app/opzioni.h"
#include "app/programma.h"
#include "app/stampanteqt.h"
#include "app/traduzioni.h"
#include "platform/casuale.h"
#include "platform/disistema.h"
#include "platform/laboratorio.h"
#include "platform/messaggi.h"
#include "platform/nomeprogramma.h"
#include "platform/orologio.h"
#include "platform/terminale.h"
#include "register/pin.h"
#include "register/registro.h"
#include "rules/laboratorio.h"
#include "widgets/stile.h"

#include <QApplication>

#include <chrono>
#include <memory>

namespace {
void avvisa(const QStringList& avvisi) {
    for (const QString& avviso : avvisi) {
        scriviSulTerminale(avviso + QLatin1Char('\n'), Flusso::errori);
    }
}

// The register as the program finds it: the environment, then the lab's settings.
LuogoRegistro luogoDelRegistro(const Laboratorio& laboratorio) {
    return luogoRegistro(qEnvironmentVariable("VELTRIX_REGISTRO"), laboratorio.servizioRegistro,
                         laboratorio.cartellaRegistro);
}

class MessaggiSulTerminale final : public Messaggi {
public:
    void mostra(const QString& testo) override { avvisa({testo}); }
    void avvisa(const QString& testo) override { ::avvisa({testo}); }
};

// The register as a teacher at the terminal reaches it: in the Documents folder with
// --documenti, where the lab's settings put it.
std::unique_ptr<Registro> registroDaTerminale(const Opzioni& opzioni, Messaggi& messaggi) {
    if (opzioni.documenti) {
        if (const QString perche = lavoraInDocumenti(); !perche.isEmpty()) {
            avvisa({perche});
        }
    }
    const Laboratorio laboratorio = leggiLaboratorio(fileLaboratorio());
    avvisa(laboratorio.avvisi);
    return std::make_unique<Registro>(luogoDelRegistro(laboratorio), messaggi);
}

// --classe: a class started from a terminal, which needs no screen.
int aggiungiClasse(const Opzioni& opzioni) {
    const QString& classe = *opzioni.classe;
    if (classe.isEmpty()) {
        avvisa({QStringLiteral("--classe vuole il nome della classe")});
        return 2;
    }
    MessaggiSulTerminale messaggi;
    const auto registro = registroDaTerminale(opzioni, messaggi);
    if (const QString errore = registro->aggiungiClasse(classe, opzioni.alunni);
        !errore.isEmpty()) {
        avvisa({QStringLiteral("La classe %1 non è stata aggiunta al registro: %2")
                    .arg(classe, errore)});
        return 1;
    }
    scriviSulTerminale(opzioni.alunni.isEmpty()
                           ? QStringLiteral("Classe %1 nel registro.\n").arg(classe)
                           : QStringLiteral("Classe %1 nel registro, con %2.\n")
                                 .arg(classe, opzioni.alunni.join(QStringLiteral(", "))));
    return 0;
}

// --nuovo-pin: a forgotten PIN is replaced by whoever can write the register; nobody is asked
// for the old one, since whoever can write the file could remove it anyway.
int nuovoPin(const Opzioni& opzioni) {
    MessaggiSulTerminale messaggi;
    const auto registro = registroDaTerminale(opzioni, messaggi);
    Deposito& deposito = registro->principale();
    if (const QString errore = deposito.apri(); !errore.isEmpty()) {
        avvisa({QStringLiteral("Il registro (%1) non si apre: %2")
                    .arg(deposito.descrizione(), errore)});
        return 1;
    }
    scriviSulTerminale(QStringLiteral("Nuovo PIN del docente (da %1 a %2 cifre): ")
                           .arg(pin::cifreMinime)
                           .arg(pin::cifreMassime));
    const std::optional<QString> primo = leggiDalTerminale(true);
    if (!primo) {
        return 1;
    }
    if (const QString problema = pin::problema(*primo); !problema.isEmpty()) {
        avvisa({problema});
        return 1;
    }
    scriviSulTerminale(QStringLiteral("Ripeti il nuovo PIN: "));
    if (leggiDalTerminale(true) != primo) {
        avvisa({QStringLiteral("I due PIN sono diversi: il PIN non è cambiato.")});
        return 1;
    }
    // The tries are cleared too: the teacher who was locked out comes in at once.
    if (const QString errore = pin::salva(deposito, *primo); !errore.isEmpty()) {
        avvisa({QStringLiteral("Il PIN non è cambiato: %1").arg(errore)});
        return 1;
    }
    scriviSulTerminale(QStringLiteral("PIN cambiato in %1.\n").arg(deposito.descrizione()));
    return 0;
}
} // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer before any window: they need no screen.
    QStringList grezzi;
    for (int i = 0; i < argc; ++i) {
        grezzi << QString::fromLocal8Bit(argv[i]);
    }
    if (const Opzioni prima = leggiOpzioni(grezzi); prima.aiuto || prima.versione) {
        scriviSulTerminale(prima.aiuto ? testoAiuto(nomeDaPercorso(grezzi.value(0)))
                                       : testoVersione());
        return 0;
    } else if (prima.classe || prima.nuovoPin) {
        QCoreApplication app(argc, argv);
        return prima.classe ? aggiungiClasse(prima) : nuovoPin(prima);
    }
    impostaScala(argc, argv); // before any window, which it sizes
    QApplication app(argc, argv);
    impostaIcona();
    caricaTraduzioniQt(app);
    QApplication::setStyle(new StileVeltrix);

    // Qt has taken its own options (-platform, -style...) away: what is left is the program's.
    const Opzioni opzioni = leggiOpzioni(QCoreApplication::arguments());
    avvisa(opzioni.avvisi);
    if (opzioni.documenti) {
        if (const QString perche = lavoraInDocumenti(); !perche.isEmpty()) {
            avvisa({perche});
        }
    }
    const Laboratorio laboratorio = leggiLaboratorio(fileLaboratorio());
    avvisa(laboratorio.avvisi);

    const QString nome = nomeProgrammaInEsecuzione();
    OrologioDiSistema orologio;
    GeneratoreMescolato casuale(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    MessaggiQt messaggi(nome);
    StampanteQt stampante(messaggi, nome);
    // The program's own file, resolved through any link: a copy or a link named like its own
    // settings file must not be read as one, nor replaced by one.
    ArchivioDiSistema archivio(QCoreApplication::applicationFilePath());

    // Made now, opened at its first use: the start window is painted before any database is.
    Registro registro(luogoDelRegistro(laboratorio), messaggi);

    Programma programma(Servizi{orologio, casuale, messaggi, stampante, archivio, nome,
                                Avvio{laboratorio.operazione, opzioni.operazione}});
    programma.contesto.registro = &registro;
    programma.avvia();
    return app.exec();
}
