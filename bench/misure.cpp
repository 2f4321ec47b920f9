// SPDX-License-Identifier: GPL-3.0-or-later
// Prints one table of what a teacher waits for: the start against a bare Qt program measured
// side by side in the same run, then a whole series, a worksheet and the four printouts through
// the real windows (offscreen). The machines are noisy: every figure is a median of several runs.
#include "app/stampanteqt.h"
#include "comune/banco.h"
#include "comune/documenti.h"
#include "exercise/tastierino.h"
#include "widgets/stile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <vector>

extern char** environ;

namespace {
constexpr int avviiPerProgramma = 21;
constexpr int serieMisurate = 5;
constexpr int schedeMisurate = 21;
constexpr int stampeMisurate = 7;
constexpr double attesaMassimaMs = 20000;

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Partenza {
    double ms;
    double mib;
};

// From launch to the end the program gives itself at its first paint; its peak memory from the
// kernel's own account of the child.
Partenza avvia(const QString& programma, const QString& cartella) {
    const QByteArray percorso = QFile::encodeName(programma);
    char* argv[] = {const_cast<char*>(percorso.constData()), nullptr};
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    const QByteArray dir = QFile::encodeName(cartella);
    posix_spawn_file_actions_addchdir_np(&azioni, dir.constData());
    QElapsedTimer cronometro;
    cronometro.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, percorso.constData(), &azioni, nullptr, argv, environ) != 0) {
        qFatal("impossibile avviare %s", percorso.constData());
    }
    posix_spawn_file_actions_destroy(&azioni);
    int stato = 0;
    rusage uso{};
    while (::wait4(pid, &stato, WNOHANG, &uso) == 0) {
        if (cronometro.elapsed() > attesaMassimaMs) {
            ::kill(pid, SIGKILL);
            qFatal("%s non ha disegnato nulla in %g ms", percorso.constData(), attesaMassimaMs);
        }
        ::usleep(200);
    }
    const double ms = double(cronometro.nsecsElapsed()) / 1e6;
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0) {
        qFatal("%s è uscito male (%d)", percorso.constData(), stato);
    }
    return {ms, double(uso.ru_maxrss) / 1024.0};
}

QWidget* controllo(QWidget* f, const QString& nome) {
    return f->findChild<QWidget*>(nome);
}

// A whole series typed on the keypad as a pupil does: the answer, "Verifica", "Avanti".
double serieDiNovanta() {
    Banco banco;
    banco.programma->avvia();
    QWidget* inizio = banco.programma->finestre.istanza(Finestra::Inizio);
    QElapsedTimer cronometro;
    cronometro.start();
    QTest::mousePress(controllo(inizio, QStringLiteral("Option1(0)")), Qt::LeftButton);
    QTest::mousePress(controllo(inizio, QStringLiteral("Option2(3)")), Qt::LeftButton);
    QTest::mousePress(controllo(inizio, QStringLiteral("Option3(0)")), Qt::LeftButton);
    QWidget* f = banco.programma->finestre.istanza(Finestra::Operativo);
    QApplication::processEvents();
    const StatoCondiviso& s = banco.programma->stato;
    std::array<QWidget*, Tastierino::numeroTasti> tasti{};
    for (int i = 0; i < Tastierino::numeroTasti; ++i) {
        tasti[size_t(i)] = controllo(f, Tastierino::nomeTasto(i));
    }
    for (int n = 1; n <= 90; ++n) {
        for (QChar cifra : s.TestoRisultato.trimmed()) {
            for (int i = 0; i <= 9; ++i) {
                if (static_cast<QAbstractButton*>(tasti[size_t(i)])->text() == cifra) {
                    QTest::mousePress(tasti[size_t(i)], Qt::LeftButton);
                }
            }
        }
        QTest::mousePress(tasti[Tastierino::verifica], Qt::LeftButton);
        QApplication::processEvents();
        if (n < 90) {
            QTest::mousePress(tasti[Tastierino::avanti], Qt::LeftButton);
        }
    }
    QApplication::processEvents();
    const double ms = double(cronometro.nsecsElapsed()) / 1e6;
    if (s.ContaOperazioni != 90 || s.TotaleEsatte != 90) {
        qFatal("la serie si è fermata a %d operazioni, %d esatte", s.ContaOperazioni,
               s.TotaleEsatte);
    }
    return ms;
}

// One press of "VISUALIZZA SCHEDA ALUNNI": 60 new lines, built and painted.
std::vector<double> schede() {
    Banco banco;
    QWidget* f = documenti::prepara(banco, QStringLiteral("scheda-alunni"));
    QWidget* pulsante = controllo(f, QStringLiteral("CmdSchedaAlunni"));
    std::vector<double> tempi;
    for (int i = 0; i < schedeMisurate; ++i) {
        const QString prima = banco.programma->stato.RigheSchedaMostrata[1];
        QElapsedTimer cronometro;
        cronometro.start();
        QTest::mouseClick(pulsante, Qt::LeftButton);
        f->repaint();
        tempi.push_back(double(cronometro.nsecsElapsed()) / 1e6);
        if (banco.programma->stato.RigheSchedaMostrata[60].isEmpty()) {
            qFatal("la scheda non ha 60 righe");
        }
    }
    return tempi;
}

// From the print button to the PDF closed on disk.
double stampa(const QString& documento) {
    MessaggiFinti detti;
    StampanteQt stampante(detti, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    Banco banco(QStringLiteral("veltrix"), &stampante);
    QWidget* f = documenti::prepara(banco, documento);
    QElapsedTimer cronometro;
    cronometro.start();
    documenti::stampa(f, documento);
    const double ms = double(cronometro.nsecsElapsed()) / 1e6;
    if (stampante.ultimoFile().isEmpty() || QFileInfo(stampante.ultimoFile()).size() == 0) {
        qFatal("nessun PDF per %s: %s", qPrintable(documento),
               qPrintable(detti.mostrati.join(';')));
    }
    return ms;
}

// A program's starts against the floor's in the same turns.
struct Confronto {
    std::vector<double> ms, msPavimento, rapportoMs, mib, mibPavimento, rapportoMib;
    void aggiungi(const Partenza& a, const Partenza& pavimento) {
        ms.push_back(a.ms);
        msPavimento.push_back(pavimento.ms);
        rapportoMs.push_back(a.ms / pavimento.ms);
        mib.push_back(a.mib);
        mibPavimento.push_back(pavimento.mib);
        rapportoMib.push_back(a.mib / pavimento.mib);
    }
};

// A row with no aim is a reference, printed to explain the row above it.
void riga(const char* misura, double veltrix, double pavimento, double rapporto, double obiettivo) {
    if (obiettivo <= 0) {
        std::printf("%-34s %10.1f %10.1f %8.2f   (riferimento)\n", misura, veltrix, pavimento,
                    rapporto);
        return;
    }
    std::printf("%-34s %10.1f %10.1f %8.2f   ≤ %.2f %s\n", misura, veltrix, pavimento, rapporto,
                obiettivo, rapporto <= obiettivo ? "sì" : "NO");
}

void assoluta(const QString& misura, double ms, double obiettivo = 0) {
    if (obiettivo > 0) {
        std::printf("%-34s %10.1f %10s %8s   < %.0f ms %s\n", qPrintable(misura), ms, "", "",
                    obiettivo, ms < obiettivo ? "sì" : "NO");
    } else {
        std::printf("%-34s %10.1f\n", qPrintable(misura), ms);
    }
}

// The offscreen platform says, for every window, what it cannot do; the table is what counts.
void soloAvvisiVeri(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (tipo != QtWarningMsg || !testo.startsWith(QLatin1String("This plugin does not support"))) {
        std::fprintf(stderr, "%s\n", qPrintable(testo));
    }
}
} // namespace

int main(int argc, char* argv[]) {
    // The start is measured first, before this process adds its own load to the machine.
    QTemporaryDir cartella;
    const QString qui = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
    const QString veltrix = qui + QStringLiteral("/bench_veltrix_avvio");
    const QString pavimento = qui + QStringLiteral("/bench_pavimento");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QString cornice = qui + QStringLiteral("/bench_cornice");
    Confronto programma, soloCornice;
    for (const QString& p : {veltrix, cornice, pavimento}) {
        avvia(p, cartella.path()); // the first start of each pays for the disk cache
    }
    for (int i = 0; i < avviiPerProgramma; ++i) {
        // Side by side, in turn, so all see the same moments of a noisy machine; the ratio is
        // taken within each turn, so a slow moment slows both sides of it.
        const Partenza v = avvia(veltrix, cartella.path());
        const Partenza c = avvia(cornice, cartella.path());
        const Partenza p = avvia(pavimento, cartella.path());
        programma.aggiungi(v, p);
        soloCornice.aggiungi(c, p);
    }

    qInstallMessageHandler(soloAvvisiVeri);
    QApplication app(argc, argv);
    QApplication::setStyle(new StileVeltrix);
    std::vector<double> tempiSerie;
    for (int i = 0; i < serieMisurate; ++i) {
        tempiSerie.push_back(serieDiNovanta());
    }
    const std::vector<double> tempiScheda = schede();
    std::vector<std::pair<QString, double>> pdf;
    for (const QString& documento : documenti::tutti) {
        std::vector<double> tempi;
        for (int i = 0; i < stampeMisurate; ++i) {
            tempi.push_back(stampa(documento));
        }
        pdf.emplace_back(documento, mediana(tempi));
    }

    std::printf("\nmediane: %d avvii per programma, %d serie, %d schede, %d stampe per documento\n",
                avviiPerProgramma, serieMisurate, schedeMisurate, stampeMisurate);
    std::printf("%-34s %10s %10s %8s   %s\n", "misura", "veltrix", "pavimento", "rapporto",
                "obiettivo");
    riga("avvio al primo disegno (ms)", mediana(programma.ms), mediana(programma.msPavimento),
         mediana(programma.rapportoMs), 1.15);
    riga("  la sola cornice (ms)", mediana(soloCornice.ms), mediana(soloCornice.msPavimento),
         mediana(soloCornice.rapportoMs), 0);
    riga("memoria di picco (MiB)", mediana(programma.mib), mediana(programma.mibPavimento),
         mediana(programma.rapportoMib), 1.2);
    riga("  la sola cornice (MiB)", mediana(soloCornice.mib), mediana(soloCornice.mibPavimento),
         mediana(soloCornice.rapportoMib), 0);
    assoluta(QStringLiteral("serie di 90 operazioni (ms)"), mediana(tempiSerie));
    assoluta(QStringLiteral("scheda di 60 righe mostrata (ms)"), mediana(tempiScheda), 20);
    for (const auto& [documento, ms] : pdf) {
        assoluta(QStringLiteral("PDF %1 (ms)").arg(documento), ms, 300);
    }
    return 0;
}
