// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/file.h"
#include "comune/finti.h"
#include "comune/registro.h"
#include "platform/codawindows.h"

#include <QDir>
#include <QTest>

namespace {
// The real spooler's answers, but for the printer it is told to name as the default.
class CodaConPredefinita final : public CodaStampa {
public:
    explicit CodaConPredefinita(QString nome) : nome(std::move(nome)) {}
    bool accettaPdf() const override { return vera.accettaPdf(); }
    Predefinita predefinita() override { return {nome, Mancanza::Nessuna}; }
    Condizione condizione(const QString& s) override { return vera.condizione(s); }
    Invio invia(const QString& s, const QString& t, const QByteArray& p) override {
        return vera.invia(s, t, p);
    }
    Esito esito(const QString& s, int l) override { return vera.esito(s, l); }

private:
    CodaWindows vera;
    QString nome;
};

bool stampaUnaRiga(StampanteQt& stampante) {
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.stampa(QStringLiteral("riga stampata"));
    return stampante.fineDocumento();
}
} // namespace

// Windows' own print spooler, where the PDF a CUPS queue takes is no use: the pages go through
// the printer's driver, and with no printer at all they become a PDF file, as on Linux.
class TestCodaWindows : public QObject {
    Q_OBJECT
private slots:
    void senzaStampanteUnPdf();
    void stampanteCheNonCe();
};

void TestCodaWindows::senzaStampanteUnPdf() {
    if (!CodaWindows().predefinita().nome.isEmpty()) {
        QSKIP("questo Windows ha una stampante predefinita: il lavoro andrebbe su carta");
    }
    CartellaDiLavoro cartella;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"));
    QVERIFY(stampaUnaRiga(stampante));
    const QString file = stampante.ultimoFile();
    QVERIFY2(file.startsWith(QLatin1String("veltrix-elenco-")), qPrintable(file));
    QCOMPARE(contenuto(cartella.percorso(file)).left(5), QByteArray("%PDF-"));
    QCOMPARE(messaggi.mostrati,
             QStringList{QStringLiteral("Nessuna stampante installata: il documento è stato "
                                        "salvato nel file ") +
                         QDir::toNativeSeparators(cartella.percorso(file))});
}

// A default printer the spooler does not know (removed since, or on a server that is off):
// the job is refused before anything is drawn, said once, and no file is left.
void TestCodaWindows::stampanteCheNonCe() {
    CartellaDiLavoro cartella;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"),
                          StampanteQt::Destinazione::Automatica,
                          std::make_unique<CodaConPredefinita>(QStringLiteral("Aula 3 laser")));
    QVERIFY(!stampaUnaRiga(stampante));
    QCOMPARE(messaggi.mostrati,
             QStringList{QStringLiteral("Stampa non riuscita: la stampante Aula 3 laser non "
                                        "accetta il lavoro (non raggiungibile).")});
    QCOMPARE(QDir::current().entryList(QDir::Files), QStringList());
}

VELTRIX_TEST(TestCodaWindows)
#include "tst_codawindows.moc"
