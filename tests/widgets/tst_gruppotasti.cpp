// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/guida.h"
#include "comune/registro.h"
#include "widgets/gruppotasti.h"
#include "widgets/pulsanteopzione.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace {
struct Tasto {
    Qt::Key k;
    Qt::KeyboardModifiers m;
    QString testo;
};

// "3" a digit, "t3" the same digit on the numeric pad, "invio", "tinvio" the pad's Enter,
// "spazio", "a" a letter.
Tasto tasto(const QString& nome) {
    const bool tastierino = nome.startsWith(QLatin1Char('t'));
    const Qt::KeyboardModifiers m = tastierino ? Qt::KeypadModifier : Qt::NoModifier;
    const QString resto = tastierino ? nome.mid(1) : nome;
    if (resto == QLatin1String("invio")) {
        return {tastierino ? Qt::Key_Enter : Qt::Key_Return, m, QStringLiteral("\r")};
    }
    if (resto == QLatin1String("spazio")) {
        return {Qt::Key_Space, m, QStringLiteral(" ")};
    }
    if (resto == QLatin1String("a")) {
        return {Qt::Key_A, m, resto};
    }
    return {Qt::Key(Qt::Key_0 + resto.toInt()), m, resto};
}

// One step of a row's keyboard: a key pressed and let go; "+" before it only presses it, "-"
// only lets it go, "~" repeats it while held (on X11 a release and a press, both marked as
// repeats). "fuoco N" puts the focus on the Nth button, "fuoco -" on the window itself.
void passo(const QString& voce, const std::vector<PulsanteOpzione*>& fila, QWidget* finestra) {
    if (voce.startsWith(QLatin1String("fuoco "))) {
        const QString n = voce.mid(6);
        QWidget* dove = n == QLatin1String("-") ? finestra : fila[size_t(n.toInt())];
        dove->setFocus();
        return;
    }
    const QChar modo = voce.front();
    const Tasto t = tasto(QStringLiteral("+-~").contains(modo) ? voce.mid(1) : voce);
    if (modo == QLatin1Char('+')) {
        mandaTasto(QEvent::KeyPress, t.k, t.m, t.testo);
    } else if (modo == QLatin1Char('-')) {
        mandaTasto(QEvent::KeyRelease, t.k, t.m, t.testo);
    } else if (modo == QLatin1Char('~')) {
        mandaTasto(QEvent::KeyRelease, t.k, t.m, t.testo, true);
        mandaTasto(QEvent::KeyPress, t.k, t.m, t.testo, true);
    } else {
        premi(t.k, t.m);
    }
}
} // namespace

class TestGruppoTasti : public QObject {
    Q_OBJECT
private slots:
    void tasti_data();
    void tasti();
};

// A row of four buttons, the second focused unless said otherwise. One button may be greyed or
// hidden; the focus ends on a button of the row (-1: none) and Enter chooses the listed ones.
void TestGruppoTasti::tasti_data() {
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("spento");
    QTest::addColumn<int>("nascosto");
    QTest::addColumn<QStringList>("voci");
    QTest::addColumn<int>("fuoco");
    QTest::addColumn<QList<int>>("scelte");
    using V = QStringList;
    using S = QList<int>;
    QTest::newRow("1 sul primo") << 1 << -1 << -1 << V{"1"} << 0 << S{};
    QTest::newRow("4 sull'ultimo") << 1 << -1 << -1 << V{"4"} << 3 << S{};
    QTest::newRow("3 del tastierino") << 1 << -1 << -1 << V{"t3"} << 2 << S{};
    QTest::newRow("5 oltre la fila") << 1 << -1 << -1 << V{"5"} << 1 << S{};
    QTest::newRow("0") << 1 << -1 << -1 << V{"0", "t0"} << 1 << S{};
    QTest::newRow("lettera") << 1 << -1 << -1 << V{"a"} << 1 << S{};
    QTest::newRow("cifra di uno spento") << 1 << 0 << -1 << V{"1"} << 1 << S{};
    QTest::newRow("cifra di un nascosto") << 1 << -1 << 3 << V{"4"} << 1 << S{};
    QTest::newRow("invio sceglie") << 1 << -1 << -1 << V{"invio"} << 1 << S{1};
    QTest::newRow("invio del tastierino") << 1 << -1 << -1 << V{"tinvio"} << 1 << S{1};
    QTest::newRow("cifra e invio") << 1 << -1 << -1 << V{"3", "invio"} << 2 << S{2};
    QTest::newRow("spazio") << 1 << -1 << -1 << V{"spazio"} << 2 << S{};
    QTest::newRow("spazio dall'ultimo al primo") << 3 << -1 << -1 << V{"spazio"} << 0 << S{};
    QTest::newRow("spazio salta lo spento") << 1 << 2 << -1 << V{"spazio"} << 3 << S{};
    QTest::newRow("spazio salta il nascosto") << 3 << -1 << 0 << V{"spazio"} << 1 << S{};
    QTest::newRow("invio tenuto") << 1 << -1 << -1 << V{"+invio", "~invio", "~invio", "-invio"} << 1
                                  << S{1};
    QTest::newRow("spazio tenuto")
        << 1 << -1 << -1 << V{"+spazio", "~spazio", "~spazio", "-spazio"} << 2 << S{};
    QTest::newRow("cifra mentre invio è giù") << 1 << -1 << -1 << V{"+invio", "+3"} << 1 << S{1};
    QTest::newRow("lasciato, torna a valere")
        << 1 << -1 << -1 << V{"+invio", "-invio", "invio", "2", "spazio"} << 2 << S{1, 1};
    // A choice may take the focus away: the key is let go on the window, and still ends the hold.
    QTest::newRow("lasciato fuori dalla fila")
        << 1 << -1 << -1 << V{"+invio", "fuoco -", "-invio", "fuoco 0", "invio"} << 0 << S{1, 0};
}

void TestGruppoTasti::tasti() {
    QFETCH(int, da);
    QFETCH(int, spento);
    QFETCH(int, nascosto);
    QFETCH(QStringList, voci);
    QFETCH(int, fuoco);
    QFETCH(QList<int>, scelte);
    QWidget finestra;
    finestra.setFocusPolicy(Qt::StrongFocus);
    std::vector<PulsanteOpzione*> fila;
    for (int i = 0; i < 4; ++i) {
        fila.push_back(new PulsanteOpzione(QString::number(i + 1), i, &finestra));
        fila.back()->setGeometry(10, 10 + 40 * i, 100, 30);
    }
    QList<int> scelto;
    new GruppoTasti(
        fila, [&scelto](int posto) { scelto << posto; }, &finestra);
    if (spento >= 0) {
        fila[size_t(spento)]->setEnabled(false);
    }
    if (nascosto >= 0) {
        fila[size_t(nascosto)]->hide();
    }
    finestra.show();
    QVERIFY(mostrataEAttiva(&finestra));
    fila[size_t(da)]->setFocus();
    for (const QString& voce : voci) {
        passo(voce, fila, &finestra);
    }
    const auto dove = std::find(fila.begin(), fila.end(), QApplication::focusWidget());
    QCOMPARE(dove == fila.end() ? -1 : int(dove - fila.begin()), fuoco);
    QCOMPARE(scelto, scelte);
}

VELTRIX_TEST(TestGruppoTasti)
#include "tst_gruppotasti.moc"
