#include "app/applicascala.h"
#include "app/programma.h"
#include "app/traduzioni.h"
#include "widgets/stile.h"
#include "platform/casuale.h"
#include "app/messaggiqt.h"
#include "platform/nomeprogramma.h"
#include "platform/orologio.h"
#include "app/stampanteqt.h"

#include <QApplication>

#include <chrono>

int main(int argc, char* argv[]) {
    impostaScala(argc, argv); // before any window, which it sizes
    QApplication app(argc, argv);
    caricaTraduzioniQt(app);
    QApplication::setStyle(new StileVeltrix);

    const QString nome = nomeProgrammaInEsecuzione();
    OrologioDiSistema orologio;
    GeneratoreMescolato casuale(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    MessaggiQt messaggi(nome);
    StampanteQt stampante(messaggi, nome);

    Programma programma(Servizi{orologio, casuale, messaggi, stampante, nome});
    programma.avvia();
    return app.exec();
}
