// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "widgets/linea.h"
#include "widgets/posizioni.h"
#include "widgets/pulsanteopzione.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class TestPosizioni : public QObject {
    Q_OBJECT
private slots:
    void proporzioni_data();
    void proporzioni();
    void esclusiRestanoFermi();
    void pulsanteAgisceAllaPressione();
};

void TestPosizioni::proporzioni_data() {
    QTest::addColumn<QSize>("nuova");
    QTest::newRow("doppia larghezza") << QSize(1600, 600);
    QTest::newRow("doppia in tutto") << QSize(1600, 1200);
    QTest::newRow("metà") << QSize(400, 300);
}

// A control inside a frame keeps its fractions of the window's inner size, not the frame's.
void TestPosizioni::proporzioni() {
    QFETCH(QSize, nuova);
    QWidget area;
    area.resize(800, 600);
    auto* etichetta = new QLabel(&area);
    etichetta->setObjectName(QStringLiteral("etichetta"));
    etichetta->setGeometry(100, 60, 200, 30);
    auto* cornice = new QGroupBox(&area);
    cornice->setObjectName(QStringLiteral("cornice"));
    cornice->setGeometry(400, 300, 320, 240);
    auto* dentro = new QLabel(cornice);
    dentro->setObjectName(QStringLiteral("dentro"));
    dentro->setGeometry(40, 30, 80, 60);
    auto* anonimo = new QLabel(&area);
    anonimo->setGeometry(1, 2, 3, 4);

    Posizioni posizioni;
    posizioni.registra(&area);
    QCOMPARE(posizioni.voci().size(), size_t(3));
    posizioni.applica(nuova);

    const double fx = nuova.width() / 800.0;
    const double fy = nuova.height() / 600.0;
    auto atteso = [&](QRect r) {
        return QRect(qRound(r.x() * fx), qRound(r.y() * fy), qRound(r.width() * fx),
                     qRound(r.height() * fy));
    };
    QCOMPARE(etichetta->geometry(), atteso({100, 60, 200, 30}));
    QCOMPARE(cornice->geometry(), atteso({400, 300, 320, 240}));
    QCOMPARE(dentro->geometry(), atteso({40, 30, 80, 60}));
    QCOMPARE(anonimo->geometry(), QRect(1, 2, 3, 4));
}

void TestPosizioni::esclusiRestanoFermi() {
    QWidget area;
    area.resize(800, 600);
    auto* scelta = new QComboBox(&area);
    scelta->setObjectName(QStringLiteral("scelta"));
    scelta->setGeometry(10, 10, 100, 25);
    auto* linea = new Linea(&area);
    linea->setObjectName(QStringLiteral("linea"));
    linea->impostaEstremi({50, 50}, {150, 100});
    const QRect primaLinea = linea->geometry();
    Posizioni posizioni;
    posizioni.registra(&area);
    posizioni.applica({1600, 1200});
    QCOMPARE(scelta->geometry(), QRect(10, 10, 100, 25));
    QCOMPARE(linea->geometry(), primaLinea);
}

void TestPosizioni::pulsanteAgisceAllaPressione() {
    QWidget finestra;
    auto* p = new PulsanteOpzione(QStringLiteral("Avanti"), 3, &finestra);
    QSignalSpy premuto(p, &PulsanteOpzione::premuto);
    QTest::mousePress(p, Qt::LeftButton);
    QCOMPARE(premuto.count(), 1);
    QCOMPARE(premuto.first().first().toInt(), 3);
    QTest::mouseRelease(p, Qt::LeftButton);
    QCOMPARE(premuto.count(), 1);
    QVERIFY(!p->isDown());
    p->setEnabled(false);
    QTest::mousePress(p, Qt::LeftButton);
    QCOMPARE(premuto.count(), 1);
}

VELTRIX_TEST(TestPosizioni)
#include "tst_posizioni.moc"
