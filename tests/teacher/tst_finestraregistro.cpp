// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/banco.h"
#include "comune/pdf.h"
#include "comune/registro.h"
#include "register/pin.h"
#include "register/registro.h"
#include "teacher/finestraregistro.h"
#include "teacher/paginaalunno.h"
#include "teacher/paginaclasse.h"
#include "teacher/paginagiornata.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QUuid>

namespace {

// A program whose register is a file in its working folder, and its teacher's window open.
struct Docente {
    explicit Docente(Stampante* stampante = nullptr) : banco(QStringLiteral("veltrix"), stampante) {
        banco.programma->contesto.registro = &registro;
        finestra =
            qobject_cast<FinestraRegistro*>(banco.programma->finestre.apri(Finestra::Registro));
    }
    ~Docente() {
        banco.programma->finestre.CloseAllWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void scrivi(const QString& nome, const QString& testo) {
        auto* campo = finestra->findChild<QLineEdit*>(nome);
        QVERIFY2(campo && campo->isEnabled(), qPrintable(nome));
        campo->setText(testo);
    }
    void premi(const QString& nome) {
        auto* p = finestra->findChild<QPushButton*>(nome);
        QVERIFY2(p && p->isEnabled(), qPrintable(nome));
        p->click();
    }
    QString detto() const { return finestra->findChild<QLabel*>("statoRegistro")->text(); }
    QString esitoPin() const { return finestra->findChild<QLabel*>("esitoPin")->text(); }
    // The register's file and its journal, as anyone who copies them reads them.
    QByteArray byteDelFile() const {
        QByteArray tutti;
        for (const QString& nome : {nomeFileRegistro, nomeFileRegistro + QStringLiteral("-wal")}) {
            QFile file(banco.percorso(nome));
            if (file.open(QIODevice::ReadOnly)) {
                tutti += file.readAll();
            }
        }
        return tutti;
    }

    Banco banco;
    Registro registro{LuogoRegistro{banco.percorso(nomeFileRegistro), {}}, banco.messaggi};
    FinestraRegistro* finestra = nullptr;
};

// A series of `alunno` with one multiplication per fact, its result hidden: "7x8" right at once,
// "7x8!" wrong at first.
SerieRegistrata serie(const AlunnoRegistro& alunno, const QDateTime& quando,
                      const QStringList& fatti) {
    SerieRegistrata s;
    s.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    s.alunno = alunno.id;
    s.nomeAlunno = alunno.nome;
    s.programma = QStringLiteral("veltrix");
    s.operazione = 3;
    s.obiettivo = QStringLiteral("Calcolo del risultato");
    s.livello = 1;
    s.inizio = quando;
    s.fine = quando.addSecs(60);
    s.operazioni = int(fatti.size());
    s.tempoTotale = 60;
    s.valutazione = QStringLiteral("BUONO");
    for (const QString& f : fatti) {
        OperazioneRegistrata o;
        o.numero = int(s.operazioniGiudicate.size()) + 1;
        o.termineA = qint16(f.section(QLatin1Char('x'), 0, 0).toInt());
        o.termineB = qint16(f.section(QLatin1Char('x'), 1).remove(QLatin1Char('!')).toInt());
        o.termineC = 1;
        o.risultato = qint16(o.termineA * o.termineB);
        o.segno = QStringLiteral("x");
        o.mancante = 1;
        o.riga =
            QStringLiteral("%1 x %2 x 1 = %3").arg(o.termineA).arg(o.termineB).arg(o.risultato);
        if (f.endsWith(QLatin1Char('!'))) {
            o.risposte.append({QStringLiteral("1"), false});
            ++s.errate;
        }
        o.risposte.append({QString::number(o.risultato), true});
        ++s.esatte;
        s.operazioniGiudicate.insert(o.numero, o);
    }
    return s;
}

} // namespace

class TestFinestraRegistro : public QObject {
    Q_OBJECT
private slots:
    void dallaClasseAllaFamiglia();
    void pinSbagliato();
};

// The teacher's evening: a PIN chosen, a class list from Windows imported, the day at a glance,
// one pupil's page printed and read back, the class exported, a pupil forgotten for good.
void TestFinestraRegistro::dallaClasseAllaFamiglia() {
    SALTA_SENZA_POPPLER();
    MessaggiFinti messaggiStampa;
    StampanteQt carta(messaggiStampa, QStringLiteral("veltrix"),
                      StampanteQt::Destinazione::FilePdf);
    Docente d(&carta);
    QVERIFY(!d.finestra->schede());
    d.scrivi("pin", "123");
    d.premi("entra");
    QVERIFY(d.esitoPin().contains("da 4 a 8 cifre"));
    d.scrivi("pin", "2468");
    d.scrivi("ripetiPin", "2468");
    d.premi("entra");
    QVERIFY(d.finestra->schede());
    QVERIFY(!d.byteDelFile().contains("2468"));

    d.scrivi("nomeClasse", "4B");
    d.premi("nuovaClasse");
    const QString elenco = d.banco.percorso("classe.csv");
    scrivi(elenco, "Cognome;Nome;Data di nascita\r\nBell\xe8;Niccol\xf2;01/02/2017\r\n\r\n"
                   "D\x92"
                   "Amico;Luca;03/04/2017\r\nRossi;Anna;05/06/2017\r\n"
                   "Rossi;Anna;05/06/2017\r\n");
    d.finestra->paginaClasse()->impostaSceltaFile([&] { return elenco; });
    d.premi("importa");
    QCOMPARE(d.finestra->findChild<QListWidget*>("elencoAlunni")->count(), 3);
    QVERIFY(d.banco.messaggi.mostrati.last().contains("Rossi Anna"));
    QVERIFY(!d.byteDelFile().contains("2017"));

    QString errore;
    const ClasseRegistro classe = d.registro.principale().classi(errore).value(0);
    QCOMPARE(classe.alunni.size(), 3);
    const AlunnoRegistro anna = classe.alunni[2], bruno = classe.alunni[0];
    QCOMPARE(anna.nome, QStringLiteral("Rossi Anna"));
    const QDateTime oggi = QDateTime::currentDateTime();
    QList<Deposito::DaScrivere> scritte;
    // Enough of Anna's series to need a second page.
    for (int i = 0; i < 70; ++i) {
        const auto s = serie(anna, oggi.addDays(-i), {"7x8!", "6x9", i % 2 ? "7x8!" : "4x4"});
        scritte.append({s, s.operazioniGiudicate.keys()});
    }
    scritte.append({serie(bruno, oggi.addDays(-30), {"2x2"}), {1}});
    QCOMPARE(d.registro.principale().scrivi(scritte, false), QString());

    // The day at a glance: the pupil of the day, the one who did nothing today.
    auto* giornata = d.finestra->paginaGiornata();
    emit d.finestra->paginaClasse()->cambiato();
    QTableWidget* tabella = giornata->tabella();
    QCOMPARE(tabella->rowCount(), 3);
    QCOMPARE(tabella->item(2, 1)->text(), QStringLiteral("1"));
    QCOMPARE(tabella->item(2, 5)->text(), QStringLiteral("BUONO"));
    QCOMPARE(tabella->item(0, 5)->text(), QStringLiteral("nessuna serie"));

    // Anna's page, opened from her row.
    emit tabella->cellActivated(2, 0);
    QCOMPARE(d.finestra->schede()->currentWidget(), d.finestra->paginaAlunno());
    auto* serieAnna = d.finestra->findChild<QTableWidget*>("tabellaSerie");
    QVERIFY(serieAnna->rowCount() > 0);
    QCOMPARE(serieAnna->rowCount(), 70);
    QCOMPARE(d.finestra->findChild<QListWidget*>("daEsercitare")->item(0)->text(),
             QStringLiteral("7 x 8 x 1: 105 volte"));
    QVERIFY(d.finestra->findChild<QWidget*>("grafico")->accessibleDescription().contains("serie"));

    d.premi("stampa");
    const QStringList pagine =
        pdf::testo(d.banco.percorso(carta.ultimoFile())).split('\f', Qt::SkipEmptyParts);
    QVERIFY(pagine.size() >= 2);
    for (int p = 0; p < pagine.size(); ++p) {
        QVERIFY2(pagine[p].contains(
                     QStringLiteral("Rossi Anna - pagina %1 di %2").arg(p + 1).arg(pagine.size())),
                 qPrintable(pagine[p]));
    }
    const QString tutto = pagine.join('\n');
    for (int r = 0; r < serieAnna->rowCount(); ++r) {
        QCOMPARE(tutto.count(serieAnna->item(r, 0)->text()), 1);
    }

    // Exported where the teacher says; a file already there only after a yes.
    const QString csv = d.banco.percorso("anna.csv");
    d.finestra->paginaAlunno()->impostaSalvataggio([&](const QString&) { return csv; });
    d.premi("esporta");
    QCOMPARE(contenuto(csv).count("\r\n"), serieAnna->rowCount() + 1);
    d.banco.messaggi.risposta = false;
    scrivi(csv, "mio");
    d.premi("esporta");
    QCOMPARE(contenuto(csv), QByteArray("mio"));

    // Removed: her name and her series are gone from the file's bytes, after the count asked.
    d.banco.messaggi.risposta = true;
    d.finestra->schede()->setCurrentWidget(d.finestra->paginaClasse());
    d.finestra->findChild<QListWidget*>("elencoAlunni")->setCurrentRow(2);
    QVERIFY(d.byteDelFile().contains("Rossi Anna"));
    d.premi("rimuoviAlunno");
    QVERIFY(
        d.banco.messaggi.chiesti.last().contains(QStringLiteral("Rossi Anna e le sue 70 serie")));
    QVERIFY(!d.byteDelFile().contains("Rossi Anna"));
    QVERIFY(!d.byteDelFile().contains("7 x 8 x 1 = 56"));
    QCOMPARE(d.finestra->findChild<QListWidget*>("elencoAlunni")->count(), 2);
}

// Five wrong tries are free; the sixth waits, and the wait outlives the window.
void TestFinestraRegistro::pinSbagliato() {
    Docente d;
    QCOMPARE(d.registro.principale().scriviImpostazione(pin::chiaveImpronta,
                                                        pin::impronta("1357", 1000)),
             QString());
    d.banco.programma->finestre.chiudi(Finestra::Registro);
    d.finestra =
        qobject_cast<FinestraRegistro*>(d.banco.programma->finestre.apri(Finestra::Registro));
    for (int i = 1; i <= pin::erroriLiberi; ++i) {
        d.scrivi("pin", "0000");
        d.premi("entra");
    }
    QVERIFY(d.esitoPin().contains("riprova tra 0:"));
    QVERIFY(!d.finestra->findChild<QPushButton*>("entra")->isEnabled());
    d.banco.programma->finestre.chiudi(Finestra::Registro);
    d.finestra =
        qobject_cast<FinestraRegistro*>(d.banco.programma->finestre.apri(Finestra::Registro));
    QVERIFY(!d.finestra->findChild<QLineEdit*>("pin")->isEnabled());
    QVERIFY(!d.finestra->schede());
}

VELTRIX_TEST(TestFinestraRegistro)
#include "tst_finestraregistro.moc"
