// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the class register costs: one judged operation written, on the SQLite file and on
// a PostgreSQL server of its own, and one pupil's whole history read from a register of a large
// school year (30 pupils, 300 series each, 20 operations a series: 180,000 operations); on that
// year, the teacher's window opened, a pupil's chart drawn and the class exported.
#include "register/registro.h"
#include "comune/banco.h"
#include "comune/finti.h"
#include "comune/postgresprivato.h"
#include "register/esportazione.h"
#include "register/pin.h"
#include "state/statocondiviso.h"
#include "teacher/finestraregistro.h"
#include "teacher/graficoprogressi.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds for each of `quante` judged operations, series of 20 after series of 20.
std::vector<double> scritture(const LuogoRegistro& luogo, int quante) {
    MessaggiFinti messaggi;
    Registro registro(luogo, messaggi, std::chrono::milliseconds(0));
    StatoCondiviso stato;
    std::vector<double> ms;
    QElapsedTimer orologio;
    for (int i = 0; i < quante; ++i) {
        const int n = i % 20 + 1;
        if (n == 1) {
            registro.iniziaSerie(stato);
        }
        stato.ContaOperazioni = qint16(n);
        stato.RigheStampa[size_t(n)] = QStringLiteral("%1 + 7 + 5 = ?").arg(n);
        stato.Risposta = QString::number(n + 12);
        orologio.start();
        registro.rispostaGiudicata(stato, QStringLiteral("+"), true);
        ms.push_back(double(orologio.nsecsElapsed()) / 1e6);
    }
    if (!messaggi.avvisati.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(messaggi.avvisati.join(QLatin1Char('\n'))));
    }
    return ms;
}

// The school year, written straight into the file; then one pupil's history, read again and again.
std::vector<double> letture(const QString& file) {
    Deposito deposito = Deposito::sqlite(file);
    ClasseRegistro classe{QStringLiteral("classe"), QStringLiteral("4B"), {}};
    for (int a = 0; a < 30; ++a) {
        classe.alunni.append({QUuid::createUuid().toString(), QStringLiteral("Alunno %1").arg(a)});
    }
    deposito.aggiungiClasse(classe);
    for (const AlunnoRegistro& alunno : classe.alunni) {
        QList<Deposito::DaScrivere> anno;
        for (int s = 0; s < 300; ++s) {
            SerieRegistrata serie;
            serie.id = QUuid::createUuid().toString();
            serie.alunno = alunno.id;
            serie.nomeAlunno = alunno.nome;
            // Four a day, back from now: all of them in this school year.
            serie.inizio = serie.fine = QDateTime::currentDateTimeUtc().addSecs(-s * 21600);
            QList<int> numeri;
            for (int n = 1; n <= 20; ++n) {
                OperazioneRegistrata o;
                o.numero = n;
                o.riga = QStringLiteral("%1 + 7 + 5 = ?").arg(n);
                o.risposte = {{QString::number(n + 12), true}};
                serie.operazioniGiudicate.insert(n, o);
                numeri << n;
            }
            anno.append({serie, numeri});
        }
        if (const QString errore = deposito.scrivi(anno, false); !errore.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            return {};
        }
    }
    std::vector<double> ms;
    QElapsedTimer orologio;
    for (int i = 0; i < 15; ++i) {
        QString errore;
        orologio.start();
        const auto storia = deposito.seriePerAlunno(classe.alunni[i].id, errore);
        ms.push_back(double(orologio.nsecsElapsed()) / 1e6);
        if (storia.size() != 300 || !errore.isEmpty()) {
            std::fprintf(stderr, "%lld serie lette: %s\n", qlonglong(storia.size()),
                         qPrintable(errore));
            return {};
        }
    }
    return ms;
}

// The teacher's window on that year: from the PIN accepted to the class's day on screen, with
// the first pupil's progress ready behind it; one pupil's chart made and drawn; the whole class
// exported to a file.
struct Docente {
    double apertura = -1, grafico = -1, esportazione = -1;
};
Docente docente(const QString& file) {
    Docente tempi;
    Deposito deposito = Deposito::sqlite(file);
    deposito.scriviImpostazione(QString::fromLatin1(pin::chiaveImpronta),
                                pin::impronta(QStringLiteral("2468"), 1));
    Banco banco;
    Registro registro({file, {}}, banco.messaggi);
    banco.programma->contesto.registro = &registro;
    auto* finestra =
        qobject_cast<FinestraRegistro*>(banco.programma->finestre.apri(Finestra::Registro));
    finestra->findChild<QLineEdit*>(QStringLiteral("pin"))->setText(QStringLiteral("2468"));
    QElapsedTimer orologio;
    orologio.start();
    finestra->findChild<QPushButton*>(QStringLiteral("entra"))->click();
    finestra->grab();
    tempi.apertura = double(orologio.nsecsElapsed()) / 1e6;

    QString errore;
    const ClasseRegistro classe = deposito.classi(errore).value(0);
    const QList<SerieRegistrata> storia =
        deposito.seriePerAlunno(classe.alunni.value(1).id, errore);
    orologio.start();
    QChartView vista(creaGrafico(andamentoAlunno(storia)));
    vista.resize(800, 400);
    vista.grab();
    tempi.grafico = double(orologio.nsecsElapsed()) / 1e6;

    QTemporaryDir cartella;
    orologio.start();
    const QString scritto =
        scriviFileNuovo(cartella.filePath(QStringLiteral("classe.csv")),
                        csvSerie(deposito.serieDellaClasse(classe.id, {}, {}, errore,
                                                           Deposito::Lettura::soloSerie)));
    tempi.esportazione = double(orologio.nsecsElapsed()) / 1e6;
    if (!scritto.isEmpty() || !errore.isEmpty() || storia.size() != 300) {
        std::fprintf(stderr, "%s %s\n", qPrintable(scritto), qPrintable(errore));
        return {};
    }
    return tempi;
}

void riga(const char* misura, double ms, double soglia) {
    std::printf("%-46s %10.2f   ≤ %.0f ms %s\n", misura, ms, soglia, ms <= soglia ? "sì" : "NO");
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawn off screen: the window's cost, not the display's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir cartella;
    const QString file = cartella.filePath(nomeFileRegistro);
    const double sqlite = mediana(scritture({file, {}}, 400));
    PostgresPrivato server;
    const double postgres =
        server.problema().isEmpty()
            ? mediana(scritture(
                  {cartella.filePath(QStringLiteral("posta.sqlite")), server.connessione()}, 400))
            : -1;
    QTemporaryDir anno;
    const double lettura = mediana(letture(anno.filePath(nomeFileRegistro)));

    std::printf("\nregistro di classe: mediane di 400 operazioni scritte, 15 storie lette\n");
    std::printf("%-46s %10s\n", "misura", "ms");
    riga("un'operazione giudicata scritta, SQLite", sqlite, 2);
    if (postgres >= 0) {
        riga("un'operazione giudicata scritta, PostgreSQL", postgres, 5);
    } else {
        std::printf("%-46s %10s   (%s)\n", "un'operazione giudicata scritta, PostgreSQL", "saltata",
                    qPrintable(server.problema()));
    }
    riga("la storia di un alunno su 180.000 operazioni", lettura, 50);
    const Docente d = docente(anno.filePath(nomeFileRegistro));
    riga("la finestra del registro aperta (30 x 300 serie)", d.apertura, 300);
    riga("il grafico di un alunno (300 serie)", d.grafico, 100);
    riga("la classe esportata (9.000 serie)", d.esportazione, 1000);
    return 0;
}
