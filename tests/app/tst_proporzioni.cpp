// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "comune/registro.h"

#include <QMainWindow>
#include <QTest>

class TestProporzioni : public QObject {
    Q_OBJECT
private slots:
    void controlliInProporzione_data();
    void controlliInProporzione();
};

// Some controls of each window, frames and controls inside frames among them.
void TestProporzioni::controlliInProporzione_data() {
    QTest::addColumn<int>("finestra");
    QTest::addColumn<QStringList>("nomi");
    QTest::newRow("inizio") << int(Finestra::Inizio)
                            << QStringList{"Label1",     "Frame2", "Option2(1)",
                                           "Option3(1)", "Label5", "lblNomeOperazione"};
    QTest::newRow("esercizi") << int(Finestra::Operativo)
                              << QStringList{"LblNumero2", "fraTastierino", "Label1(0)"};
    QTest::newRow("elenco") << int(Finestra::StampaEsercizio)
                            << QStringList{"LblOp(1)", "LblOp(30)", "Option1(3)"};
    QTest::newRow("attestato") << int(Finestra::Attestato)
                               << QStringList{"Picture1", "Label1", "Frame4", "Option5(2)"};
    QTest::newRow("schede") << int(Finestra::StampaSchede)
                            << QStringList{"LblOp(60)", "fraLivelli", "Option3(3)"};
}

// A window made twice as wide and half as high again keeps each control at its fractions of the
// inner area, across and down apart, and its fonts at their size.
void TestProporzioni::controlliInProporzione() {
    QFETCH(int, finestra);
    QFETCH(QStringList, nomi);
    Banco banco;
    banco.programma->avvia();
    auto* f = qobject_cast<QMainWindow*>(banco.programma->finestre.apri(Finestra(finestra)));
    QVERIFY(f);
    f->setWindowState(Qt::WindowNoState);
    f->setMinimumSize(0, 0);
    f->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); // the exercise window has a fixed size
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QWidget* area = f->centralWidget();
    const QSize prima = area->size();
    QList<QRect> geometrie;
    for (const QString& nome : nomi) {
        QVERIFY2(controllo(f, nome), qPrintable(nome));
        geometrie << controllo(f, nome)->geometry();
    }
    const QFont font = controllo(f, nomi[0])->font();
    const QSize dopo(prima.width() * 2, prima.height() * 3 / 2);
    f->resize(f->size() + dopo - prima);
    QTRY_COMPARE(area->size(), dopo);
    for (int i = 0; i < nomi.size(); ++i) {
        const QRect g = geometrie[i];
        const QRect attesa(QPoint(g.x() * 2, g.y() * 3 / 2),
                           QSize(g.width() * 2, g.height() * 3 / 2));
        const QRect ora = controllo(f, nomi[i])->geometry();
        QVERIFY2(qAbs(ora.x() - attesa.x()) <= 2 && qAbs(ora.y() - attesa.y()) <= 2 &&
                     qAbs(ora.width() - attesa.width()) <= 2 &&
                     qAbs(ora.height() - attesa.height()) <= 2,
                 qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                                .arg(nomi[i])
                                .arg(ora.x())
                                .arg(ora.y())
                                .arg(ora.width())
                                .arg(ora.height())));
    }
    QCOMPARE(controllo(f, nomi[0])->font(), font);
}

VELTRIX_TEST(TestProporzioni)
#include "tst_proporzioni.moc"
