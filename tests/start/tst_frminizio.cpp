// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/file.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "start/frminizio.h"
#include "widgets/colori.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {
const QColor rosso(0xFF, 0x00, 0x00);

bool qualcosaDiRosso(QWidget* finestra) {
    for (const QString& gruppo : {QStringLiteral("Option1(%1)"), QStringLiteral("Option2(%1)")}) {
        for (int i = 0; i < 6; ++i) {
            if (auto* p = finestra->findChild<QWidget*>(gruppo.arg(i));
                p && coloreTesto(p) == rosso) {
                return true;
            }
        }
    }
    for (const QString& gruppo : {QStringLiteral("Label9(%1)"), QStringLiteral("Label10(%1)")}) {
        for (int i = 0; i < 6; ++i) {
            if (auto* s = finestra->findChild<QWidget*>(gruppo.arg(i));
                s && coloreSfondo(s) == rosso) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

class TestFrmInizio : public QObject {
    Q_OBJECT
private slots:
    void dopoLAvvio();
    void obiettivi_data();
    void obiettivi();
    void livelli_data();
    void livelli();
    void obiettivoCinqueLivelloQuattro();
    void iPulsantiNonRestanoPremuti();
    void laTastieraNonSceglie();
    void coloriDelFuoco();
    void cambioObiettiviTogliIlRosso();
    void cambioDueVolteTornaAlPrimoGruppo();
    void impostazioniLetteAllAvvio_data();
    void impostazioniLetteAllAvvio();
    void gruppoFuoriDaiDue_data();
    void gruppoFuoriDaiDue();
    void avantiApreGliEsercizi();
    void esciChiudeTuttoEScriveIlFile();
    void unaCopiaConAltroNomeHaIlSuoFile();
    void tendina();
    void tendinaApertaRestaApertaDopoUnRidimensionamento();
    void etichettaVersione();
    void menuValutazioneEEsempi();
    void spiegazioneDellaValutazione();
};

void TestFrmInizio::dopoLAvvio() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("veltrix"));
    QCOMPARE(testoDi(f, "Label1"), QStringLiteral("Obiettivo: "));
    QCOMPARE(testoDi(f, "Label3"), QStringLiteral("Livello: "));
    QCOMPARE(testoDi(f, "lblNomeOperazione"), QStringLiteral("veltrix.1"));
    QCOMPARE(controllo<QGroupBox>(f, "Frame1")->title(), QStringLiteral("OBIETTIVI 1"));
    QCOMPARE(banco.programma->stato.Operazione, qint16(1));
    QVERIFY(f->windowState() & Qt::WindowMaximized);

    // Levels and "Avanti" are greyed and do not answer.
    premi(f, QStringLiteral("Option2(0)"));
    QCOMPARE(testoDi(f, "Label3"), QStringLiteral("Livello: "));
    premi(f, QStringLiteral("Option3(0)"));
    QVERIFY(!banco.programma->finestre.caricata(Finestra::Operativo));
    QVERIFY(!controllo(f, "Frame2")->isEnabled());
    QVERIFY(!controllo(f, "Frame3")->isEnabled());
    QVERIFY(controllo(f, "Option3(1)")->isEnabled());

    premi(f, QStringLiteral("Option1(0)"));
    QVERIFY(controllo(f, "Frame2")->isEnabled());
    QVERIFY(!controllo(f, "Frame3")->isEnabled());
}

void TestFrmInizio::obiettivi_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("tipoMin");
    QTest::addColumn<int>("tipoMax");
    QTest::addColumn<QString>("didascalia");
    QTest::newRow("1") << 0 << 1 << 1 << "Obiettivo n.1:     CALCOLO DEL RISULTATO";
    QTest::newRow("2") << 1 << 2 << 3 << "Obiettivo n.2:     CALCOLO DEL TERMINE";
    QTest::newRow("3") << 2 << 1 << 3
                       << "Obiettivo n.3:     CALCOLO CASUALE DEL RISULTATO O DEL TERMINE";
    QTest::newRow("4") << 3 << 1 << 6 << "Obiettivo n.4:     CALCOLO DEL NUMERO";
    QTest::newRow("5") << 4 << 7 << 12 << "Obiettivo n.5:     CALCOLO DEL SEGNO";
    QTest::newRow("6") << 5 << 1 << 12
                       << "Obiettivo n.6:     CALCOLO CASUALE DEL NUMERO O DEL SEGNO";
}

void TestFrmInizio::obiettivi() {
    QFETCH(int, indice);
    QFETCH(int, tipoMin);
    QFETCH(int, tipoMax);
    QFETCH(QString, didascalia);
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    if (indice >= 3) {
        premi(f, QStringLiteral("lblCambiaOb"));
    }
    const QString nome = QStringLiteral("Option1(%1)").arg(indice);
    QVERIFY(controllo(f, nome)->isVisibleTo(f));
    premi(f, nome);
    const StatoCondiviso& s = banco.programma->stato;
    QCOMPARE(int(s.TipoMin), tipoMin);
    QCOMPARE(int(s.TipoMax), tipoMax);
    QCOMPARE(testoDi(f, "Label1"), didascalia);
    QVERIFY(didascalia.endsWith(s.DescrizioneObiettivo));
    QCOMPARE(coloreTesto(controllo(f, nome)), rosso);
    QCOMPARE(coloreSfondo(controllo(f, QStringLiteral("Label9(%1)").arg(indice))), rosso);
}

void TestFrmInizio::livelli_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("massimo");
    QTest::addColumn<QString>("didascalia");
    QTest::newRow("1") << 0 << 1 << 30 << "Livello n.1:         NUMERO MASSIMO da  1 a 30";
    QTest::newRow("2") << 1 << 30 << 60 << "Livello n.2:         NUMERO MASSIMO da  30 a 60";
    QTest::newRow("3") << 2 << 60 << 99 << "Livello n.3:         NUMERO MASSIMO da  60 a 99";
    QTest::newRow("4") << 3 << 1 << 99 << "Livello n.4:         NUMERO MASSIMO da  1 a 99";
}

void TestFrmInizio::livelli() {
    QFETCH(int, indice);
    QFETCH(int, minimo);
    QFETCH(int, massimo);
    QFETCH(QString, didascalia);
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    premi(f, QStringLiteral("Option1(0)"));
    premi(f, QStringLiteral("Option2(%1)").arg(indice));
    const StatoCondiviso& s = banco.programma->stato;
    QCOMPARE(int(s.Livello), indice + 1);
    QCOMPARE(int(s.NumeroMin), minimo);
    QCOMPARE(int(s.NumeroMax), massimo);
    QCOMPARE(testoDi(f, "Label3"), didascalia);
    QVERIFY(controllo(f, "Frame3")->isEnabled());
    QCOMPARE(coloreSfondo(controllo(f, QStringLiteral("Label10(%1)").arg(indice))), rosso);
    // Only the chosen level is red.
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(coloreTesto(controllo(f, QStringLiteral("Option2(%1)").arg(k))) == rosso,
                 k == indice);
    }
}

void TestFrmInizio::obiettivoCinqueLivelloQuattro() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    premi(f, QStringLiteral("lblCambiaOb"));
    premi(f, QStringLiteral("Option1(4)"));
    premi(f, QStringLiteral("Option2(3)"));
    QCOMPARE(testoDi(f, "Label1"), QStringLiteral("Obiettivo n.5:     CALCOLO DEL SEGNO"));
    QCOMPARE(testoDi(f, "Label3"),
             QStringLiteral("Livello n.4:         NUMERO MASSIMO da  1 a 99"));
    QCOMPARE(banco.programma->stato.DescrizioneLivello,
             QStringLiteral("NUMERO MASSIMO da  1 a 99"));
}

void TestFrmInizio::iPulsantiNonRestanoPremuti() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    premi(f, QStringLiteral("Option1(1)"));
    auto* p = controllo<PulsanteOpzione>(f, "Option1(1)");
    QVERIFY(!p->isDown());
    QVERIFY(!p->isChecked());
    QCOMPARE(coloreTesto(p), rosso);
}

void TestFrmInizio::laTastieraNonSceglie() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    auto* p = controllo(f, "Option1(0)");
    p->setFocus();
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_1}) {
        premi(k);
    }
    QCOMPARE(testoDi(f, "Label1"), QStringLiteral("Obiettivo: "));
    QVERIFY(!controllo(f, "Frame2")->isEnabled());
}

void TestFrmInizio::coloriDelFuoco() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QApplication::setActiveWindow(f);
    auto* esci = controllo(f, "Option3(1)");
    auto* avanti = controllo(f, "Option3(0)");
    const QColor conFuoco(0xFF, 0xC0, 0x80);
    const QColor senzaFuoco(0xFF, 0xE0, 0xC0);
    QCOMPARE(coloreSfondo(esci), senzaFuoco);
    esci->setFocus();
    QTRY_VERIFY(esci->hasFocus());
    QCOMPARE(coloreSfondo(esci), conFuoco);
    premi(f, QStringLiteral("Option1(0)"));
    QCOMPARE(coloreSfondo(esci), senzaFuoco);
    QCOMPARE(coloreSfondo(avanti), senzaFuoco);
}

void TestFrmInizio::cambioObiettiviTogliIlRosso() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    premi(f, QStringLiteral("Option1(2)"));
    premi(f, QStringLiteral("Option2(3)"));
    QVERIFY(qualcosaDiRosso(f));
    premi(f, QStringLiteral("lblCambiaOb"));
    QVERIFY(!qualcosaDiRosso(f));
    QCOMPARE(testoDi(f, "Label1"), QStringLiteral("Obiettivo"));
    QCOMPARE(testoDi(f, "Label3"), QStringLiteral("Livello"));
    QVERIFY(!controllo(f, "Frame2")->isEnabled());
    QVERIFY(!controllo(f, "Frame3")->isEnabled());
    // The values chosen before stay in the shared state.
    QCOMPARE(banco.programma->stato.Livello, qint16(4));
}

void TestFrmInizio::cambioDueVolteTornaAlPrimoGruppo() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    const QString file = banco.percorso(QStringLiteral("veltrix.dat"));
    premi(f, QStringLiteral("lblCambiaOb"));
    QCOMPARE(contenuto(file), QByteArray(" 1  2 \r\n"));
    QCOMPARE(testoDi(f, "lblNomeOperazione"), QStringLiteral("veltrix.2"));
    QCOMPARE(controllo<QGroupBox>(f, "Frame1")->title(), QStringLiteral("OBIETTIVI 2"));
    QVERIFY(controllo(f, "Option1(3)")->isVisibleTo(f));
    QVERIFY(!controllo(f, "Option1(0)")->isVisibleTo(f));
    premi(f, QStringLiteral("lblCambiaOb"));
    QCOMPARE(contenuto(file), QByteArray(" 1  1 \r\n"));
    QCOMPARE(testoDi(f, "lblNomeOperazione"), QStringLiteral("veltrix.1"));
    QVERIFY(controllo(f, "Option1(0)")->isVisibleTo(f));
    QVERIFY(!controllo(f, "Option1(3)")->isVisibleTo(f));
}

void TestFrmInizio::impostazioniLetteAllAvvio_data() {
    QTest::addColumn<QByteArray>("file"); // null: none
    QTest::addColumn<int>("laboratorio"); // the lab's operation code; 0 none
    QTest::addColumn<int>("richiesta");   // --operazione; 0 none
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QByteArray>("salvato");
    const QByteArray nessuno;
    QTest::newRow("moltiplicazioni, gruppo 2")
        << QByteArray(" 4  2 \r\n") << 0 << 0 << 4 << "veltrix.2" << QByteArray(" 4  2 \r\n");
    QTest::newRow("un numero solo")
        << QByteArray(" 2 \r\n") << 0 << 0 << 2 << "veltrix.1" << QByteArray(" 2  1 \r\n");
    QTest::newRow("illeggibile") << QByteArray("ciao") << 0 << 0 << 1 << "veltrix.1"
                                 << QByteArray(" 1  1 \r\n");
    QTest::newRow("laboratorio, nessun file")
        << nessuno << 2 << 0 << 2 << "veltrix.1" << QByteArray(" 2  1 \r\n");
    QTest::newRow("il file vince sul laboratorio")
        << QByteArray(" 3  2 \r\n") << 2 << 0 << 3 << "veltrix.2" << QByteArray(" 3  2 \r\n");
    QTest::newRow("opzione, questa volta soltanto")
        << QByteArray(" 1  1 \r\n") << 0 << 3 << 3 << "veltrix.1" << QByteArray(" 1  1 \r\n");
    QTest::newRow("opzione e laboratorio, nessun file")
        << nessuno << 2 << 3 << 3 << "veltrix.1" << QByteArray(" 2  1 \r\n");
}

// Read at the start: the user's file, else the lab's code; a code asked for on the command line
// for this run. Written back, the file keeps its own code.
void TestFrmInizio::impostazioniLetteAllAvvio() {
    QFETCH(QByteArray, file);
    QFETCH(int, laboratorio);
    QFETCH(int, richiesta);
    QFETCH(int, operazione);
    QFETCH(QString, titolo);
    QFETCH(QByteArray, salvato);
    Banco banco;
    const QString percorso = banco.percorso(QStringLiteral("veltrix.dat"));
    QVERIFY(file.isNull() || scrivi(percorso, file));
    Avvio& avvio = banco.programma->servizi.avvio;
    avvio.operazioneLaboratorio = laboratorio ? std::optional<qint16>(laboratorio) : std::nullopt;
    avvio.operazioneRichiesta = richiesta ? std::optional<qint16>(richiesta) : std::nullopt;
    auto* finestra = banco.finestra<frmInizio>(Finestra::Inizio);
    QCOMPARE(int(banco.programma->stato.Operazione), operazione);
    QCOMPARE(testoDi(finestra, "lblNomeOperazione"), titolo);
    finestra->scriviLivelli();
    QCOMPARE(contenuto(percorso), salvato);
}

void TestFrmInizio::gruppoFuoriDaiDue_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("7") << QByteArray(" 1  7 \r\n");
    QTest::newRow("0") << QByteArray(" 1  0 \r\n");
    QTest::newRow("-1") << QByteArray(" 1 -1 \r\n");
    QTest::newRow("massimo a 16 bit") << QByteArray(" 1  32767 \r\n");
    QTest::newRow("minimo a 16 bit") << QByteArray(" 1 -32768 \r\n");
}

// A set other than 1 or 2 shows the first set; from there the switch alternates, and never
// counts on past the two sets.
void TestFrmInizio::gruppoFuoriDaiDue() {
    QFETCH(QByteArray, file);
    Banco banco;
    const QString percorso = banco.percorso(QStringLiteral("veltrix.dat"));
    QVERIFY(scrivi(percorso, file));
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    QCOMPARE(f->gruppoObiettivi(), qint16(1));
    QCOMPARE(testoDi(f, "lblNomeOperazione"), QStringLiteral("veltrix.1"));
    QCOMPARE(controllo<QGroupBox>(f, "Frame1")->title(), QStringLiteral("OBIETTIVI 1"));
    QVERIFY(controllo(f, "Option1(0)")->isVisibleTo(f));
    for (int gruppo : {2, 1, 2}) {
        premi(f, QStringLiteral("lblCambiaOb"));
        QCOMPARE(int(f->gruppoObiettivi()), gruppo);
        QCOMPARE(testoDi(f, "lblNomeOperazione"), QStringLiteral("veltrix.%1").arg(gruppo));
        QCOMPARE(contenuto(percorso), " 1  " + QByteArray::number(gruppo) + " \r\n");
    }
}

void TestFrmInizio::avantiApreGliEsercizi() {
    Banco banco;
    banco.programma->avvia();
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    banco.programma->stato.NomeAlunno = QStringLiteral("Marta");
    premi(f, QStringLiteral("Option1(0)"));
    premi(f, QStringLiteral("Option2(0)"));
    premi(f, QStringLiteral("Option3(0)"));
    QVERIFY(banco.programma->finestre.caricata(Finestra::Operativo));
    QVERIFY(banco.programma->finestre.istanza(Finestra::Operativo)->isVisible());
    QVERIFY(banco.programma->finestre.caricata(Finestra::Inizio));
    QVERIFY(banco.programma->stato.NomeAlunno.isEmpty());
    QCOMPARE(contenuto(banco.percorso(QStringLiteral("veltrix.dat"))), QByteArray(" 1  1 \r\n"));
    // While the series is open only the menu answers; the window takes no keyboard focus.
    QVERIFY(f->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(f->findChild<QAction*>(QStringLiteral("mnuValutazione"))->isEnabled());
    for (const char* nome : {"Option3(1)", "Option1(1)", "lblCambiaOb"}) {
        premi(f, QLatin1String(nome));
    }
    QVERIFY(banco.programma->finestre.caricata(Finestra::Operativo));
    QCOMPARE(banco.programma->stato.TipoMax, qint16(1));
    QCOMPARE(f->gruppoObiettivi(), qint16(1));
    banco.programma->finestre.chiudi(Finestra::Operativo);
    QVERIFY(!f->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus));
    premi(f, QStringLiteral("Option1(1)"));
    QCOMPARE(banco.programma->stato.TipoMax, qint16(3));
}

void TestFrmInizio::esciChiudeTuttoEScriveIlFile() {
    Banco banco;
    banco.programma->avvia();
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    banco.programma->finestre.apri(Finestra::StampaSchede);
    banco.programma->stato.NomeAlunno = QStringLiteral("Marta");
    premi(f, QStringLiteral("Option3(1)"));
    QVERIFY(banco.programma->finestre.caricateInOrdine().empty());
    QVERIFY(banco.programma->stato.NomeAlunno.isEmpty());
    QCOMPARE(contenuto(banco.percorso(QStringLiteral("veltrix.dat"))), QByteArray(" 1  1 \r\n"));
}

void TestFrmInizio::unaCopiaConAltroNomeHaIlSuoFile() {
    Banco banco(QStringLiteral("sottrazioni"));
    QVERIFY(scrivi(banco.percorso(QStringLiteral("sottrazioni.dat")), " 2  1 \r\n"));
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    QCOMPARE(banco.programma->stato.Operazione, qint16(2));
    QCOMPARE(f->windowTitle(), QStringLiteral("sottrazioni"));
    premi(f, QStringLiteral("lblCambiaOb"));
    QCOMPARE(contenuto(banco.percorso(QStringLiteral("sottrazioni.dat"))),
             QByteArray(" 2  2 \r\n"));
    QVERIFY(!QFile::exists(banco.percorso(QStringLiteral("veltrix.dat"))));
}

void TestFrmInizio::tendina() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    f->setWindowState(Qt::WindowNoState);
    // The window's outer width, frame included, is 15360 twips.
    const int cornice = f->frameGeometry().width() - f->width();
    f->resize(twipInPixel(15360, f) - cornice, 600);
    f->preparaTendine();
    f->findChild<QTimer*>(QStringLiteral("TimerTendine"))->stop(); // the test keeps the time
    f->show();
    QVERIFY(mostrataEAttiva(f));
    auto* destra = controllo(f, "Picture1");
    auto* sinistra = controllo(f, "Picture2");
    QCOMPARE(pixelInTwip(destra->width(), f), 7680.0);
    QCOMPARE(pixelInTwip(sinistra->width(), f), 7680.0);
    QCOMPARE(sinistra->x(), 0);
    QCOMPARE(destra->geometry().right() + 1, f->centralWidget()->width());
    auto* menu = f->findChild<QAction*>(QStringLiteral("mnuSchede"));
    // 75 twips every 5 ms: 7680 - 101 x 75 = 105 twips after 505 ms is still above 74.
    for (int tick = 1; tick <= 101; ++tick) {
        f->avanzaTendine(5.0 * tick);
        QVERIFY2(!menu->isEnabled(), qPrintable(QString::number(tick)));
    }
    QCOMPARE(pixelInTwip(destra->width(), f), 105.0);
    // Resized while it opens, the window is covered as far as the curtain has come.
    f->avanzaTendine(256);
    f->resize(f->width() * 2, 600);
    QTRY_COMPARE(destra->geometry().right() + 1, f->centralWidget()->width());
    QCOMPARE(sinistra->width(), qRound(f->frameGeometry().width() / 4.0));
    // However slowly it was painted, it is open when its time is up, and nothing is left of it.
    f->avanzaTendine(Tendine::durata);
    QVERIFY(menu->isEnabled());
    QVERIFY(!destra->isVisibleTo(f) && !sinistra->isVisibleTo(f));
}

void TestFrmInizio::tendinaApertaRestaApertaDopoUnRidimensionamento() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    f->setWindowState(Qt::WindowNoState);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    f->preparaTendine();
    f->avanzaTendine(Tendine::durata);
    const int larghezza = f->centralWidget()->width();
    f->resize(f->width() * 2, f->height());
    QTRY_VERIFY(f->centralWidget()->width() > larghezza);
    QVERIFY(controllo(f, "Picture1")->isHidden());
    QVERIFY(controllo(f, "Picture2")->isHidden());
}

void TestFrmInizio::etichettaVersione() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    QCOMPARE(testoDi(f, "lblVersione").split(QLatin1Char('\n')),
             QStringList({"Ver.1.0.3", "", "Utilizza il MOUSE"}));
}

void TestFrmInizio::menuValutazioneEEsempi() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    for (const char* voce : {"mnuEsempi"}) {
        auto* azione = f->findChild<QAction*>(QLatin1String(voce));
        QVERIFY(azione->isEnabled());
        azione->trigger();
        auto* nota = f->findChild<QDialog*>();
        QVERIFY(nota && nota->isVisible());
        QCOMPARE(nota->windowModality(), Qt::ApplicationModal);
        nota->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(!f->findChild<QAction*>(QStringLiteral("mnuSchede"))->isEnabled());
    QVERIFY(banco.programma->finestre.caricata(Finestra::Inizio));
}

// The explanation lists the certificate's grades, lowest first, and the rule for printing.
void TestFrmInizio::spiegazioneDellaValutazione() {
    Banco banco;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    f->findChild<QAction*>(QStringLiteral("mnuValutazione"))->trigger();
    auto* finestra = f->findChild<QDialog*>(QStringLiteral("FinestraValutazione"));
    QVERIFY(finestra && finestra->isVisible());
    QCOMPARE(finestra->windowModality(), Qt::ApplicationModal);
    const QStringList voti{"Non classificato", "SUFFICIENTE (!)", "SUFFICIENTE", "BUONO",
                           "DISTINTO",         "OTTIMO"};
    for (int i = 0; i < voti.size(); ++i) {
        QCOMPARE(testoDi(finestra, QStringLiteral("lblFascia(%1)").arg(i)), voti[i]);
    }
    QStringList testi;
    for (QLabel* l : finestra->findChildren<QLabel*>()) {
        testi << l->text();
    }
    const QString tutto = testi.join(QLatin1Char(' '));
    QVERIFY(tutto.contains(QStringLiteral("17 risposte esatte su 20 operazioni sono 8 decimi")));
    QVERIFY(tutto.contains(QStringLiteral("almeno 10 operazioni")));
    QVERIFY(tutto.contains(QStringLiteral("\"Non classificato\" non si può stampare")));
    QTest::mouseClick(finestra->findChild<QPushButton*>(QStringLiteral("cmdChiudi")),
                      Qt::LeftButton);
    QVERIFY(!finestra->isVisible());
}

VELTRIX_TEST(TestFrmInizio)
#include "tst_frminizio.moc"
