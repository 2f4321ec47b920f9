// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scala.h"
#include "comune/registro.h"

#include <QTest>

class TestScala : public QObject {
    Q_OBJECT
private slots:
    void perSchermo_data();
    void perSchermo();
    void richiesta_data();
    void richiesta();
};

void TestScala::perSchermo_data() {
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<double>("scala");
    QTest::newRow("progettato") << QSize(1024, 768) << 1.0;
    QTest::newRow("1280x800: 1,04") << QSize(1280, 800) << 1.0;
    QTest::newRow("lavagna 1920x1080") << QSize(1920, 1080) << 1.4;
    QTest::newRow("4K") << QSize(3840, 2160) << 2.8;
    QTest::newRow("piccolo: mai sotto 1") << QSize(800, 600) << 1.0;
    QTest::newRow("1126 appena sotto 1,1") << QSize(1126, 845) << 1.0;
    QTest::newRow("1127x845 appena sopra 1,1") << QSize(1127, 845) << 1.1;
    QTest::newRow("esattamente 1,5") << QSize(1536, 1152) << 1.5;
    QTest::newRow("altezza esattamente 1,5, larghezza 2") << QSize(2048, 1152) << 1.5;
    QTest::newRow("nessuno schermo") << QSize() << 1.0;
}

void TestScala::perSchermo() {
    QFETCH(QSize, schermo);
    QFETCH(double, scala);
    QCOMPARE(scalaPerSchermo(schermo), scala);
}

void TestScala::richiesta_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("variabile");
    QTest::addColumn<QString>("qt");   // QT_SCALE_FACTOR
    QTest::addColumn<double>("scala"); // 0: none asked, the automatic one
    QTest::addColumn<int>("avvisi");
    const QString no;
    QTest::newRow("niente") << QStringList{} << no << no << 0.0 << 0;
    QTest::newRow("opzione") << QStringList{"--scala", "1.5"} << no << no << 1.5 << 0;
    QTest::newRow("opzione con =") << QStringList{"--scala=1.5"} << no << no << 1.5 << 0;
    QTest::newRow("opzione 1") << QStringList{"--scala", "1"} << no << no << 1.0 << 0;
    QTest::newRow("virgola") << QStringList{"--scala", "1,5"} << no << no << 1.5 << 0;
    QTest::newRow("variabile") << QStringList{} << "2,25" << no << 2.25 << 0;
    QTest::newRow("opzione batte variabile") << QStringList{"--scala=1.2"} << "3" << no << 1.2 << 0;
    QTest::newRow("limiti") << QStringList{"--scala", "0.5"} << "4" << no << 0.5 << 0;
    QTest::newRow("non numero") << QStringList{"--scala", "grande"} << no << no << 0.0 << 1;
    QTest::newRow("troppo grande") << QStringList{"--scala=4.01"} << no << no << 0.0 << 1;
    QTest::newRow("troppo piccola") << QStringList{} << "0,4" << no << 0.0 << 1;
    QTest::newRow("nan") << QStringList{"--scala=nan"} << no << no << 0.0 << 1;
    QTest::newRow("senza valore") << QStringList{"--scala"} << no << no << 0.0 << 1;
    QTest::newRow("opzione errata: variabile")
        << QStringList{"--scala", "x"} << "1,3" << no << 1.3 << 1;
    QTest::newRow("--scalare non è --scala")
        << QStringList{"--scalare", "2"} << no << no << 0.0 << 0;
    // Qt's own variable, held to the same rule, below the teacher's choices.
    QTest::newRow("QT_SCALE_FACTOR rispettata") << QStringList{} << no << "1.25" << 1.25 << 0;
    QTest::newRow("QT_SCALE_FACTOR con la virgola") << QStringList{} << no << "1,5" << 1.5 << 0;
    QTest::newRow("QT_SCALE_FACTOR 0,01: automatica") << QStringList{} << no << "0.01" << 0.0 << 1;
    QTest::newRow("QT_SCALE_FACTOR abc: automatica") << QStringList{} << no << "abc" << 0.0 << 1;
    QTest::newRow("VELTRIX_SCALA batte QT_SCALE_FACTOR") << QStringList{} << "1,2"
                                                         << "2" << 1.2 << 0;
}

void TestScala::richiesta() {
    QFETCH(QStringList, argomenti);
    QFETCH(QString, variabile);
    QFETCH(QString, qt);
    QFETCH(double, scala);
    QFETCH(int, avvisi);
    argomenti.prepend(QStringLiteral("veltrix"));
    const ScalaRichiesta r = scalaRichiesta(argomenti, variabile, qt);
    QCOMPARE(r.scala.value_or(0.0), scala);
    QCOMPARE(r.avvisi.size(), avvisi);
    for (const QString& avviso : r.avvisi) {
        QVERIFY2(avviso.contains(QLatin1String("ignorata")), qPrintable(avviso));
    }
}

VELTRIX_TEST(TestScala)
#include "tst_scala.moc"
