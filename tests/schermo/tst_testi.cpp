// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "exercise/tastierino.h"
#include "widgets/caratteri.h"
#include "widgets/pulsantecomando.h"
#include "widgets/pulsanteopzione.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

// Every text of every window is read whole, at the resolution and on the screen the test program
// runs at (tests/CMakeLists.txt lists them). A text is drawn again, unclipped, where its control
// draws it: any ink outside the control's room, or under a control lying over it, is a text the
// pupil cannot read; so is a text made smaller than 9 points to fit.
namespace {
struct Stanza {
    QRect rettangolo;
    int allineamento;
};

Stanza stanza(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const int m = l->margin();
        return {l->contentsRect().adjusted(m, m, -m, -m),
                int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0)};
    }
    if (qobject_cast<PulsanteOpzione*>(w) || qobject_cast<PulsanteComando*>(w)) {
        // The room the button gives its caption, and never more than the button itself.
        return {spazioDidascalia(static_cast<QPushButton*>(w)) & w->rect(),
                int(Qt::AlignCenter | Qt::TextWordWrap)};
    }
    QStyleOptionButton o;
    o.initFrom(w);
    return {w->style()->subElementRect(QStyle::SE_PushButtonContents, &o, w),
            int(Qt::AlignCenter | Qt::TextShowMnemonic)};
}

// The opaque controls of the same container painted after this one, where they cover it.
QRegion coperto(QWidget* w) {
    QRegion sopra;
    const QObjectList fratelli = w->parentWidget()->children();
    for (qsizetype i = fratelli.indexOf(w) + 1; i < fratelli.size(); ++i) {
        auto* f = qobject_cast<QWidget*>(fratelli[i]);
        if (f && !f->isHidden() && f->autoFillBackground()) {
            sopra += f->geometry().translated(-w->pos());
        }
    }
    return sopra;
}

// A text made smaller than a pupil reads, unless it was designed so.
QString troppoPiccolo(QWidget* w) {
    const QVariant progetto = w->property("veltrixPuntiProgettati");
    const double punti = w->font().pointSizeF();
    const double minimo =
        std::min(puntiLeggibili, progetto.isValid() ? progetto.toDouble() : punti);
    return punti < minimo - 0.01 ? QStringLiteral("%1 a %2 pt, meno di %3")
                                       .arg(w->objectName())
                                       .arg(punti)
                                       .arg(minimo)
                                 : QString();
}

QString difetto(QWidget* w, const QString& testo) {
    if (const QString piccolo = troppoPiccolo(w); !piccolo.isEmpty()) {
        return piccolo;
    }
    const Stanza s = stanza(w);
    const int bordo = 400;
    QImage foglio(s.rettangolo.size() + QSize(2 * bordo, 2 * bordo), QImage::Format_ARGB32);
    foglio.setDotsPerMeterX(qRound(w->logicalDpiX() / 0.0254));
    foglio.setDotsPerMeterY(qRound(w->logicalDpiY() / 0.0254));
    foglio.fill(Qt::transparent);
    {
        QPainter p(&foglio);
        p.setFont(w->font());
        p.setPen(Qt::black);
        p.drawText(QRect(QPoint(bordo, bordo), s.rettangolo.size()),
                   s.allineamento | Qt::TextDontClip, testo);
    }
    const QPoint origine = s.rettangolo.topLeft() - QPoint(bordo, bordo);
    const QRegion sopra = qobject_cast<QLabel*>(w) ? coperto(w) : QRegion();
    int fuori = 0;
    int sotto = 0;
    for (int y = 0; y < foglio.height(); ++y) {
        for (int x = 0; x < foglio.width(); ++x) {
            if (qAlpha(foglio.pixel(x, y)) < 128) {
                continue;
            }
            const QPoint punto = origine + QPoint(x, y);
            fuori += !s.rettangolo.contains(punto);
            sotto += sopra.contains(punto);
        }
    }
    if (fuori == 0 && sotto == 0) {
        return {};
    }
    return QStringLiteral("%1 \"%2\" (%3 pt in %4x%5): %6 punti fuori, %7 coperti")
        .arg(w->objectName(), testo)
        .arg(w->font().pointSizeF())
        .arg(s.rettangolo.width())
        .arg(s.rettangolo.height())
        .arg(fuori)
        .arg(sotto);
}

// Every label and button that is not hidden itself; those of a panel behind another panel are
// read too, so the panels need not be brought forward one by one.
QStringList tagliati(QWidget* finestra) {
    finestra->grab(); // the window paints, and with it fits its texts
    QStringList difetti;
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        auto* l = qobject_cast<QLabel*>(w);
        auto* p = qobject_cast<QPushButton*>(w);
        const QString testo = l ? l->text() : p ? p->text() : QString();
        if (testo.isEmpty() || w->isHidden() || w->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        if (const QString d = difetto(w, testo); !d.isEmpty()) {
            difetti << d;
        }
    }
    return difetti;
}

void verifica(QWidget* f, const char* stato) {
    QVERIFY2(f && QTest::qWaitForWindowExposed(f), stato);
    const QStringList difetti = tagliati(f);
    QVERIFY2(difetti.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(
                                    QLatin1String(stato), difetti.join(QStringLiteral("; ")))));
}

void riempiRegistro(StatoCondiviso& s, int operazioni) {
    s.ContaOperazioni = static_cast<qint16>(operazioni);
    s.TotaleEsatte = static_cast<qint16>(operazioni);
    for (int k = 1; k <= operazioni; ++k) {
        s.RigheStampa[static_cast<size_t>(k)] =
            QStringLiteral(" 99 +  99 +  99 = ...   R. 296  295  294  297° ");
    }
}
} // namespace

class TestTesti : public QObject {
    Q_OBJECT
private slots:
    void inizioEdEsercizi_data();
    void inizioEdEsercizi();
    void elencoEAttestato_data();
    void elencoEAttestato();
    void schede_data();
    void schede();
    void eserciziAlCentroSopraLInizio();
};

void TestTesti::inizioEdEsercizi_data() {
    QTest::addColumn<int>("obiettivo");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("operazione");
    for (int o = 0; o < 6; ++o) {
        QTest::addRow("obiettivo %d", o + 1) << o << o % 4 << 1;
    }
    QTest::newRow("moltiplicazioni") << 2 << 3 << 3;
    QTest::newRow("nessun esercizio") << 0 << 0 << 4;
}

// The start window with each choice, then the exercise window with four digits typed, a wrong
// answer judged and the correction shown.
void TestTesti::inizioEdEsercizi() {
    QFETCH(int, obiettivo);
    QFETCH(int, livello);
    QFETCH(int, operazione);
    Banco banco;
    banco.programma->avvia();
    QWidget* inizio = banco.programma->finestre.istanza(Finestra::Inizio);
    QTRY_VERIFY(inizio->findChild<QAction*>(QStringLiteral("mnuSchede"))->isEnabled());
    if (obiettivo >= 3) {
        premi(inizio, QStringLiteral("lblCambiaOb"));
    }
    premi(inizio, QStringLiteral("Option1(%1)").arg(obiettivo));
    premi(inizio, QStringLiteral("Option2(%1)").arg(livello));
    verifica(inizio, "inizio");
    banco.programma->stato.Operazione = static_cast<qint16>(operazione);
    premi(inizio, QStringLiteral("Option3(0)"));
    QWidget* esercizi = banco.programma->finestre.istanza(Finestra::Operativo);
    verifica(esercizi, "esercizi");
    if (operazione > 3) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        premi(esercizi, QStringLiteral("Option2(8)"));
    }
    verifica(esercizi, "quattro cifre");
    premi(esercizi, Tastierino::nomeTasto(Tastierino::verifica));
    premi(esercizi, QStringLiteral("Option3(0)"));
    verifica(esercizi, "correzione");
}

void TestTesti::elencoEAttestato_data() {
    QTest::addColumn<int>("operazioni");
    QTest::newRow("nessuna") << 0;
    QTest::newRow("poche") << 5;
    QTest::newRow("due esercizi") << 12;
    QTest::newRow("tre esercizi") << 30;
}

void TestTesti::elencoEAttestato() {
    QFETCH(int, operazioni);
    Banco banco;
    riempiRegistro(banco.programma->stato, operazioni);
    QWidget* elenco = banco.programma->finestre.apri(Finestra::StampaEsercizio);
    verifica(elenco, "elenco");
    premi(elenco, QStringLiteral("Option1(1)"));
    verifica(elenco->findChild<QWidget*>(QStringLiteral("fraNome")), "nome");
    premi(elenco, QStringLiteral("Option1(3)"));
    QWidget* attestato = banco.programma->finestre.istanza(Finestra::Attestato);
    verifica(attestato, "attestato");
}

void TestTesti::schede_data() {
    QTest::addColumn<int>("operazione");
    for (int o = 1; o <= 7; ++o) {
        QTest::addRow("operazione %d", o) << o;
    }
}

// Each worksheet title, with a sheet chosen and shown, so both its print buttons are there.
void TestTesti::schede() {
    QFETCH(int, operazione);
    Banco banco;
    banco.programma->stato.Operazione = static_cast<qint16>(operazione);
    QWidget* schede = banco.programma->finestre.apri(Finestra::StampaSchede);
    premi(schede, QStringLiteral("Option1(3)"));
    premi(schede, QStringLiteral("Option3(3)"));
    for (const char* nome : {"CmdSchedaAlunni", "CmdSchedaDocenti"}) {
        auto* comando = schede->findChild<QPushButton*>(QLatin1String(nome));
        comando->setFocus();
        comando->click();
    }
    verifica(schede, "schede");
}

// The exercise window keeps its size; it opens whole and in the middle of the screen, and stays
// above the maximized start window, which a click would otherwise bring in front of it.
void TestTesti::eserciziAlCentroSopraLInizio() {
    Banco banco;
    banco.programma->avvia();
    QWidget* inizio = banco.programma->finestre.istanza(Finestra::Inizio);
    QWidget* esercizi = banco.programma->finestre.apri(Finestra::Operativo);
    QVERIFY(QTest::qWaitForWindowExposed(esercizi));
    QCOMPARE(esercizi->windowType(), Qt::Dialog);
    QVERIFY(esercizi->windowHandle() && inizio->windowHandle());
    QCOMPARE(esercizi->windowHandle()->transientParent(), inizio->windowHandle());
    const QRect schermo = esercizi->screen()->availableGeometry();
    QVERIFY(schermo.contains(esercizi->geometry()));
    // Placed before it has a frame, it is off the middle by the frame's thickness at most.
    const QMargins cornice = esercizi->windowHandle()->frameMargins();
    const QPoint scarto = esercizi->geometry().center() - schermo.center();
    QVERIFY2(qAbs(scarto.x()) <= cornice.left() + 1 && qAbs(scarto.y()) <= cornice.top() + 1,
             qPrintable(QStringLiteral("%1,%2").arg(scarto.x()).arg(scarto.y())));
}

VELTRIX_TEST(TestTesti)
#include "tst_testi.moc"
