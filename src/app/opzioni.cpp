// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/opzioni.h"

#include "platform/laboratorio.h"
#include "state/codici.h"

#include <QCommandLineParser>

namespace {
const QCommandLineOption aiuto(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption versione(QStringList{QStringLiteral("v"), QStringLiteral("version")});
const QCommandLineOption documenti(QStringLiteral("documenti"));
const QCommandLineOption operazione(QStringLiteral("operazione"), {}, QStringLiteral("N"));
const QCommandLineOption scala(QStringLiteral("scala"), {}, QStringLiteral("N"));
const QCommandLineOption classe(QStringLiteral("classe"), {}, QStringLiteral("NOME"));
const QCommandLineOption nuovoPin(QStringLiteral("nuovo-pin"));
} // namespace

Opzioni leggiOpzioni(const QStringList& argomenti) {
    QCommandLineParser lettore;
    lettore.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    lettore.addOptions({aiuto, versione, documenti, operazione, scala, classe, nuovoPin});
    lettore.parse(argomenti);
    Opzioni opzioni;
    opzioni.aiuto = lettore.isSet(aiuto);
    opzioni.versione = lettore.isSet(versione);
    opzioni.documenti = lettore.isSet(documenti);
    opzioni.nuovoPin = lettore.isSet(nuovoPin);
    for (const QString& sconosciuta : lettore.unknownOptionNames()) {
        opzioni.avvisi << QStringLiteral("Opzione sconosciuta, ignorata: %1%2")
                              .arg(sconosciuta.size() == 1 ? QStringLiteral("-")
                                                           : QStringLiteral("--"),
                                   sconosciuta);
    }
    if (lettore.isSet(classe)) {
        // The names that follow are the class's pupils.
        opzioni.classe = lettore.value(classe).trimmed();
        for (const QString& nome : lettore.positionalArguments()) {
            if (!nome.trimmed().isEmpty()) {
                opzioni.alunni << nome.trimmed();
            }
        }
    } else {
        for (const QString& argomento : lettore.positionalArguments()) {
            opzioni.avvisi << QStringLiteral("Argomento ignorato: %1").arg(argomento);
        }
    }
    if (lettore.isSet(operazione)) {
        const QString valore = lettore.value(operazione);
        bool numero = false;
        const int codice = valore.toInt(&numero);
        if (numero && daCodice<CodiceScheda>(qint16(codice))) {
            opzioni.operazione = qint16(codice);
        } else {
            opzioni.avvisi << QStringLiteral("Operazione \"%1\" (--operazione) ignorata: serve un "
                                             "codice da 1 a 7")
                                  .arg(valore);
        }
    }
    return opzioni;
}

QString testoAiuto(const QString& nome) {
    return QStringLiteral(
               "Uso: %1 [opzioni]\n"
               "VELTRIX: operazioni in riga con numeri interi, per la scuola primaria.\n"
               "\n"
               "Opzioni:\n"
               "  --operazione N  il codice dell'operazione per questa volta soltanto: negli\n"
               "                  esercizi 1 addizioni, 2 sottrazioni, 3 moltiplicazioni; nelle\n"
               "                  schede da 1 a 7. Il file delle impostazioni tiene il suo.\n"
               "  --scala N       ingrandisce tutta l'interfaccia di N, da 0,5 a 4 (1: le\n"
               "                  dimensioni originali); senza, la scala si adatta allo schermo.\n"
               "  --documenti     lavora nella cartella VELTRIX dei Documenti dell'utente, e la\n"
               "                  crea se manca.\n"
               "  --classe NOME [ALUNNO...]\n"
               "                  aggiunge al registro la classe NOME con gli alunni dati (o li\n"
               "                  aggiunge alla classe che c'è già), poi termina. Con una classe\n"
               "                  nel registro, l'alunno dice chi è prima della prima serie.\n"
               "  --nuovo-pin     sceglie di nuovo il PIN del docente, che apre il menu\n"
               "                  Registro: chiede il nuovo PIN due volte, poi termina. Serve\n"
               "                  poter scrivere nel registro.\n"
               "  -h, --help      questo aiuto.\n"
               "  -v, --version   la versione.\n"
               "\n"
               "Variabili:\n"
               "  VELTRIX_SCALA   la scala, come --scala (l'opzione vale di più).\n"
               "  QT_SCALE_FACTOR la scala di tutti i programmi Qt, rispettata se va da 0,5 a 4.\n"
               "  VELTRIX_REGISTRO\n"
               "                  dove sta il registro di classe: una cartella per il file,\n"
               "                  oppure un server PostgreSQL (postgresql://... o parametri\n"
               "                  chiave=valore di libpq, come service=scuola). Vale più del\n"
               "                  laboratorio.\n"
               "\n"
               "File:\n"
               "  %1.dat\n"
               "      nella cartella di lavoro: il codice dell'operazione e il gruppo di "
               "obiettivi.\n"
               "      Un file di sola lettura non viene mai riscritto.\n"
               "  %2\n"
               "      le impostazioni del laboratorio, per ogni utente del computer (INI):\n"
               "      operazione=N vale per chi non ha ancora un suo file %1.dat; nel gruppo\n"
               "      [registro], cartella= (la cartella del registro di classe) o servizio=\n"
               "      (il servizio PostgreSQL di un registro condiviso).\n"
               "  veltrix-registro.sqlite\n"
               "      nella cartella di lavoro: il registro di classe, ogni serie di ogni alunno;\n"
               "      con un registro condiviso, le serie che aspettano il server.\n"
               "  %1-<documento>-<data>.pdf\n"
               "      nella cartella di lavoro: le stampe, quando non c'è una stampante.\n")
        .arg(nome, fileLaboratorio());
}

QString testoVersione() {
    return QStringLiteral("VELTRIX %1\n").arg(QStringLiteral(VELTRIX_VERSIONE));
}
