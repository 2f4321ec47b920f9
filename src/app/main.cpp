// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicascala.h"
#include "app/messaggiqt.h"
#include "app/programma.h"
#include "app/stampanteqt.h"
#include "app/traduzioni.h"
#include "platform/casuale.h"
#include "platform/disistema.h"
#include "platform/nomeprogramma.h"
#include "platform/orologio.h"
#include "widgets/stile.h"

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
    // The program's own file, resolved through any link: a copy or a link named like its own
    // settings file must not be read as one, nor replaced by one.
    ArchivioDiSistema archivio(QCoreApplication::applicationFilePath());

    Programma programma(Servizi{orologio, casuale, messaggi, stampante, archivio, nome});
    programma.avvia();
    return app.exec();
}
