// SPDX-License-Identifier: GPL-3.0-or-later
// A program that writes series to a register as fast as a pupil never could, saying on standard
// output how many operations it has written so far, until it has written the number asked or is
// killed. Usage: scrittore <SQLite file> <PostgreSQL parameters, or -> <operations> <name>
#include "platform/messaggi.h"
#include "register/registro.h"
#include "state/statocondiviso.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
class MessaggiSulTerminale final : public Messaggi {
public:
    int dati = 0;
    void mostra(const QString& testo) override { avvisa(testo); }
    void avvisa(const QString& testo) override {
        ++dati;
        std::fprintf(stderr, "%s\n", qPrintable(testo));
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() != 5) {
        return 2;
    }
    MessaggiSulTerminale messaggi;
    Registro registro(LuogoRegistro{a[1], a[2] == QLatin1String("-") ? QString() : a[2]}, messaggi,
                      std::chrono::milliseconds(0));
    StatoCondiviso stato;
    stato.NomeProgramma = QStringLiteral("veltrix");
    stato.Operazione = 1;
    const int operazioni = a[3].toInt();
    constexpr int perSerie = 20;
    for (int scritte = 0; scritte < operazioni;) {
        stato.NomeAlunno = a[4];
        registro.iniziaSerie(stato);
        for (int n = 1; n <= perSerie && scritte < operazioni; ++n) {
            stato.ContaOperazioni = n;
            stato.TermineA = qint16(n);
            stato.TermineB = 2;
            stato.Risultato = qint16(n + 2);
            stato.RigheStampa[static_cast<size_t>(n)] = QStringLiteral("%1 + 2 = ?").arg(n);
            stato.Risposta = QString::number(n + 2);
            registro.rispostaGiudicata(stato, QStringLiteral("+"), true);
            std::printf("%d\n", ++scritte);
            std::fflush(stdout);
        }
    }
    // What it wrote is judged by reading the register: a moment of waiting for the other program
    // may hold an operation back until the next one, or until the end.
    return 0;
}
