// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/guida.h"
#include "comune/registro.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/tasti.h"

#include <QApplication>
#include <QTest>

namespace {
// The kinds of rows the windows build: a row of choices (the defaults), a pair answered by
// letters, a row whose digits press their buttons, and a single button that Space presses.
RegoleTasti regole(const QString& tipo) {
    RegoleTasti r;
    if (tipo == QLatin1String("coppia")) {
        r.tasti = {{'S', Effetto::fuoco, 0}, {'N', Effetto::fuoco, 1}};
        r.frecceTengono = false;
        r.ogniCarattereTiene = false;
    } else if (tipo == QLatin1String("preme")) {
        r.cifrePerPosto = false;
        r.ogniCarattereTiene = false;
        r.tasti = {{tasti::zero, Effetto::premi, 0},
                   {tasti::zero + 1, Effetto::premi, 1},
                   {tasti::zeroTastierino + 2, Effetto::premi, 2},
                   {'C', Effetto::fuoco, 2}};
    } else if (tipo == QLatin1String("unico")) {
        r.cifrePerPosto = false;
        r.frecceTengono = false;
        r.spazio = Spazio::preme;
        r.ogniCarattereTiene = false;
    }
    return r;
}

// "S" press and release, "+S" press only, "-S" release only; "k2" is 2 on the numeric pad.
void batti(const QString& sequenza) {
    static const QHash<QString, Qt::Key> nomi{
        {"Invio", Qt::Key_Return}, {"Spazio", Qt::Key_Space}, {"F2", Qt::Key_F2}};
    for (QString voce : sequenza.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QChar verso = voce.front();
        if (verso == QLatin1Char('+') || verso == QLatin1Char('-')) {
            voce.remove(0, 1);
        }
        const bool tastierino = voce.size() == 2 && voce.front() == QLatin1Char('k');
        const QString nome = tastierino ? voce.mid(1) : voce;
        const Qt::Key k = nomi.value(nome, Qt::Key(nome.front().toUpper().unicode()));
        const auto m = tastierino ? Qt::KeypadModifier : Qt::NoModifier;
        if (verso != QLatin1Char('-')) {
            mandaTasto(QEvent::KeyPress, k, m);
        }
        if (verso != QLatin1Char('+')) {
            mandaTasto(QEvent::KeyRelease, k, m);
        }
    }
}

// A window with one panel of a few buttons, and the choices it told, as "0,2".
struct Banchetto {
    explicit Banchetto(const QString& tipo, int numero = 3) {
        pannello = new PannelloScelte(&finestra, QStringLiteral("fraProva"), Qt::yellow);
        std::vector<PannelloScelte::Pulsante> pulsanti;
        for (int i = 0; i < numero; ++i) {
            pulsanti.push_back({QStringLiteral("optProva(%1)").arg(i), QString::number(i + 1), 0,
                                600.0 * i, 1500, 600});
        }
        pannello->creaPulsanti(pulsanti, QApplication::font(), Qt::blue, regole(tipo));
        QObject::connect(pannello, &PannelloScelte::scelto, pannello,
                         [this](int posto) { scelte << QString::number(posto); });
        finestra.resize(200, 200);
        finestra.show();
    }
    int postoFuoco() const {
        for (int i = 0; i < pannello->numeroPulsanti(); ++i) {
            if (pannello->pulsante(i)->hasFocus()) {
                return i;
            }
        }
        return -1;
    }

    QWidget finestra;
    PannelloScelte* pannello = nullptr;
    QStringList scelte;
};
} // namespace

class TestPannelloScelte : public QObject {
    Q_OBJECT
private slots:
    void tasti_data();
    void tasti();
    void pannelliCheSiDannoIlCambio();
    void comeFatto();
};

void TestPannelloScelte::tasti_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QList<int>>("spenti");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<int>("fuoco");
    QTest::addColumn<QString>("scelte");
    using L = QList<int>;
    QTest::newRow("cifra al suo posto") << "scelte" << L{} << "3" << 2 << "";
    QTest::newRow("tastierino poi invio") << "scelte" << L{} << "k2 Invio" << 1 << "1";
    QTest::newRow("cifra oltre la fila") << "scelte" << L{} << "4 k9" << 0 << "";
    QTest::newRow("cifra su un pulsante spento") << "scelte" << L{1} << "2" << 0 << "";
    QTest::newRow("spazio salta gli spenti") << "scelte" << L{1} << "Spazio" << 2 << "";
    QTest::newRow("spazio dall'ultimo al primo") << "scelte" << L{} << "3 Spazio" << 0 << "";
    QTest::newRow("invio tenuto agisce una volta")
        << "scelte" << L{} << "+Invio +Invio +Invio -Invio Invio" << 0 << "0,0";
    QTest::newRow("spazio tenuto") << "scelte" << L{} << "+Spazio +Spazio" << 1 << "";
    QTest::newRow("F2 tiene nelle scelte") << "scelte" << L{} << "+F2 +2" << 0 << "";
    QTest::newRow("F2 non tiene nella coppia") << "coppia" << L{} << "+F2 +2" << 1 << "";
    QTest::newRow("ogni carattere tiene") << "scelte" << L{} << "+X +Spazio" << 0 << "";
    QTest::newRow("solo lo spazio tiene") << "coppia" << L{} << "+X +Spazio" << 1 << "";
    QTest::newRow("lettere della coppia") << "coppia" << L{} << "N Invio S 1" << 0 << "1";
    QTest::newRow("altre lettere scartate") << "coppia" << L{} << "X Invio" << 0 << "0";
    QTest::newRow("la cifra preme, il fuoco resta") << "preme" << L{} << "1 k2 0" << 0 << "1,2,0";
    QTest::newRow("il tasto di uno spento non preme") << "preme" << L{2} << "k2 C" << 0 << "";
    QTest::newRow("lettera che porta il fuoco") << "preme" << L{} << "C Invio" << 2 << "2";
    QTest::newRow("spazio preme il pulsante unico") << "unico" << L{} << "Spazio 1 X" << 0 << "0";
    QTest::newRow("invio sul pulsante unico") << "unico" << L{} << "+Invio +Invio" << 0 << "0";
}

void TestPannelloScelte::tasti() {
    QFETCH(QString, tipo);
    QFETCH(QList<int>, spenti);
    QFETCH(QString, sequenza);
    QFETCH(int, fuoco);
    QFETCH(QString, scelte);
    Banchetto b(tipo, tipo == QLatin1String("unico") ? 1 : 3);
    QVERIFY(mostrataEAttiva(&b.finestra));
    QVERIFY(b.pannello->daiFuoco(0));
    for (int posto : spenti) {
        b.pannello->pulsante(posto)->setEnabled(false);
    }
    batti(sequenza);
    QCOMPARE(b.postoFuoco(), fuoco);
    QCOMPARE(b.scelte.join(QLatin1Char(',')), scelte);
}

// Enter on one panel brings another in its place: the key's repeats find the hold there, and
// once the key is let go the new panel's Enter acts.
void TestPannelloScelte::pannelliCheSiDannoIlCambio() {
    Banchetto b(QStringLiteral("scelte"));
    auto* altro = new PannelloScelte(&b.finestra, QStringLiteral("fraAltro"), Qt::green);
    altro->creaPulsanti({{QStringLiteral("optAltro"), QStringLiteral("Sì"), 0, 0, 1500, 600}},
                        QApplication::font(), Qt::blue);
    altro->condividiTenuta(*b.pannello);
    altro->hide();
    QStringList altre;
    connect(altro, &PannelloScelte::scelto, altro,
            [&altre](int p) { altre << QString::number(p); });
    connect(b.pannello, &PannelloScelte::scelto, altro, [&b, altro] {
        b.pannello->hide();
        altro->show();
        altro->daiFuoco(0);
    });
    QVERIFY(mostrataEAttiva(&b.finestra));
    b.pannello->daiFuoco(1);
    batti(QStringLiteral("+Invio +Invio +Invio"));
    QCOMPARE(b.scelte, QStringList{"1"});
    QVERIFY(altre.isEmpty());
    batti(QStringLiteral("-Invio Invio"));
    QCOMPARE(altre, QStringList{"0"});
}

// The frame and its buttons as the windows draw them: names, places in twips, font, colours.
void TestPannelloScelte::comeFatto() {
    Banchetto b(QStringLiteral("scelte"), 2);
    QCOMPARE(b.pannello->objectName(), QStringLiteral("fraProva"));
    QCOMPARE(b.pannello->frameShape(), QFrame::Box);
    QCOMPARE(b.pannello->palette().color(QPalette::Window), QColor(Qt::yellow));
    PulsanteOpzione* secondo = b.pannello->pulsante(1);
    QCOMPARE(secondo->objectName(), QStringLiteral("optProva(1)"));
    QCOMPARE(secondo->text(), QStringLiteral("2"));
    QCOMPARE(secondo->indice(), 1);
    QCOMPARE(secondo->geometry(), QRect(0, 40, 100, 40)); // 15 twips a pixel at 96 dpi
    QCOMPARE(secondo->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::blue));
    QTest::mousePress(secondo, Qt::LeftButton);
    QCOMPARE(b.scelte, QStringList{"1"});
}

VELTRIX_TEST(TestPannelloScelte)
#include "tst_pannelloscelte.moc"
