// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/banco.h"
#include "comune/documenti.h"
#include "comune/guastiposix.h"
#include "comune/registro.h"

#include <QDir>
#include <QTest>

namespace {
QStringList pdfNellaCartella() {
    return QDir::current().entryList({QStringLiteral("*.pdf")}, QDir::Files);
}
} // namespace

class TestGuastiStampa : public QObject {
    Q_OBJECT
private slots:
    void discoPieno_data();
    void discoPieno();
};

void TestGuastiStampa::discoPieno_data() {
    QTest::addColumn<QString>("documento");
    QTest::addColumn<int>("byte");
    for (const QString& documento : documenti::tutti) {
        for (int byte : {0, 1500, 6000}) {
            QTest::addRow("%s, %d byte", qPrintable(documento), byte) << documento << byte;
        }
    }
}

// The disk fills up while a document becomes a PDF: the job says it failed, no broken file is
// left to be mistaken for the document, and the same window prints it once there is room.
void TestGuastiStampa::discoPieno() {
    QFETCH(QString, documento);
    QFETCH(int, byte);
    MessaggiFinti detti;
    StampanteQt stampante(detti, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    Banco banco(QStringLiteral("veltrix"), &stampante);
    QWidget* f = documenti::prepara(banco, documento);
    QVERIFY(f);
    {
        DiscoPieno pieno{rlim_t(byte)};
        documenti::stampa(f, documento);
    }
    QCOMPARE(detti.mostrati.size(), 1);
    QVERIFY2(detti.mostrati[0].startsWith(QStringLiteral("Stampa non riuscita: impossibile "
                                                         "scrivere il file veltrix-") +
                                          documento),
             qPrintable(detti.mostrati[0]));
    QCOMPARE(pdfNellaCartella(), QStringList());
    QCOMPARE(banco.messaggi.mostrati, QStringList());

    documenti::stampa(f, documento);
    QCOMPARE(detti.mostrati.size(), 2);
    QVERIFY2(detti.mostrati[1].startsWith(QStringLiteral("Nessuna stampante installata")),
             qPrintable(detti.mostrati[1]));
    QCOMPARE(pdfNellaCartella().size(), 1);
}

VELTRIX_TEST(TestGuastiStampa)
#include "tst_guastistampaposix.moc"
