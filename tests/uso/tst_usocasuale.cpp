// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "comune/registro.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <array>
#include <deque>
#include <map>
#include <random>

// A pupil, or a cat, on the keyboard and the mouse: thousands of random presses and keys on
// whatever window is in front, and after every one of them the rules that must always hold.
// VELTRIX_PASSI sets the number of steps, VELTRIX_SEME the seed; the seed is printed, and with
// it the run gives the same presses and keys again.

namespace {
constexpr std::uint64_t semePredefinito = 20261208;
constexpr int passiPredefiniti = 4000;

std::uint64_t daAmbiente(const char* nome, std::uint64_t predefinito) {
    bool ok = false;
    const auto valore = qEnvironmentVariable(nome).toULongLong(&ok);
    return ok ? valore : predefinito;
}

const std::array<Qt::Key, 34> tasti{
    Qt::Key_0,      Qt::Key_1,      Qt::Key_2,        Qt::Key_3,      Qt::Key_4,
    Qt::Key_5,      Qt::Key_6,      Qt::Key_7,        Qt::Key_8,      Qt::Key_9,
    Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Space,    Qt::Key_Space,  Qt::Key_Backspace,
    Qt::Key_Tab,    Qt::Key_Escape, Qt::Key_F2,       Qt::Key_Left,   Qt::Key_Right,
    Qt::Key_Up,     Qt::Key_Down,   Qt::Key_S,        Qt::Key_N,      Qt::Key_A,
    Qt::Key_C,      Qt::Key_O,      Qt::Key_R,        Qt::Key_M,      Qt::Key_Agrave,
    Qt::Key_Delete, Qt::Key_Home,   Qt::Key_PageDown, Qt::Key_unknown};

// The line of the exercise record for an operation on screen: the row with exactly one element
// hidden, in the operation's own form, then the attempts ("* " wrong, "  " right) and the
// answer shown by the help ("° ").
const QRegularExpression& rigaBenFormata(int operazione) {
    static const QString tentativi = QStringLiteral(R"((?:(?:\?|\d{0,4})(?:  |\* )|[ -]\d+° )*$)");
    static const QString cella = QStringLiteral(R"((?: *-?\d+| \.\.\.))");
    static const QString risultato = QStringLiteral(R"((?: *-?\d+|\.\.\. ))");
    static const QString fattore = QStringLiteral(R"((?:\d+| \.\.\. ))");
    static const QString prodotto = QStringLiteral(R"((?:\d+   R\.| \.\.\.     ))");
    static const std::array<QRegularExpression, 3> forme{
        QRegularExpression(QStringLiteral("^%1 \\+ %1 \\+ %1 = %2   R\\.").arg(cella, risultato) +
                           tentativi),
        QRegularExpression(QStringLiteral("^%1 - %1 - %1 = %2   R\\.").arg(cella, risultato) +
                           tentativi),
        QRegularExpression(QStringLiteral("^%1 x %1 x %1 = %2").arg(fattore, prodotto) + tentativi),
    };
    return forme[static_cast<size_t>(operazione - 1)];
}

const QRegularExpression fileImpostazioni(QStringLiteral(R"(^([ -]\d+) ([ -]\d+) \r\n$)"));

class Scimmia {
public:
    Scimmia(Banco& banco, std::uint64_t seme) : banco(banco), caso(seme) {}

    void passo();
    // Empty when every rule holds, otherwise the broken rule.
    QString controlla() const;
    QString ultimeAzioni() const { return azioni.join(QStringLiteral("\n")); }
    std::map<QString, int> finestreViste;
    int avvii = 0;
    // How often the rules about the exercise window and the file were looked at.
    mutable int pannelliControllati = 0;
    mutable int righeControllate = 0;
    mutable int fileControllati = 0;

private:
    int numero(int n) { return std::uniform_int_distribution<int>(0, n - 1)(caso); }
    void annota(const QString& azione);
    void riavvia();
    QWidget* davanti();
    void clic(QWidget* finestra);
    void tasto(QWidget* finestra);
    void menu(QWidget* finestra);

    Banco& banco;
    std::mt19937_64 caso;
    QStringList azioni;
};

void Scimmia::annota(const QString& azione) {
    azioni << azione;
    if (azioni.size() > 25) {
        azioni.removeFirst();
    }
}

// The program has ended: a teacher may change the operation in the file, then starts it again in
// the same directory.
void Scimmia::riavvia() {
    if (numero(3) == 0) {
        QFile file(banco.percorso(QStringLiteral("veltrix.dat")));
        const int operazione = numero(4) == 0 ? 4 + numero(4) : 1 + numero(3);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(
                QStringLiteral(" %1  %2 \r\n").arg(operazione).arg(1 + numero(2)).toLatin1());
        }
    }
    banco.programma.reset();
    banco.programma = std::make_unique<Programma>(Servizi{
        banco.orologio, banco.casuale, banco.messaggi, banco.stampante, banco.archivio, "veltrix"});
    banco.programma->avvia();
    ++avvii;
    annota(QStringLiteral("avvio"));
}

// What the user can reach: a modal window if one is open, otherwise any window of the program.
QWidget* Scimmia::davanti() {
    if (QWidget* modale = QApplication::activeModalWidget()) {
        return modale;
    }
    QList<QWidget*> aperte;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            aperte << w;
        }
    }
    if (aperte.isEmpty()) {
        return nullptr;
    }
    QWidget* w = aperte[numero(int(aperte.size()))];
    QApplication::setActiveWindow(w);
    return w;
}

void Scimmia::clic(QWidget* finestra) {
    QList<QWidget*> pulsanti;
    QList<QWidget*> altri;
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        // The menu bar's overflow button runs its menu in a loop of its own, which waits for a
        // real mouse; the menus are reached through their actions instead.
        auto* conMenu = qobject_cast<QToolButton*>(w);
        if (w->isVisible() && w->isEnabled() && !(conMenu && conMenu->menu())) {
            (qobject_cast<QAbstractButton*>(w) ? pulsanti : altri) << w;
        }
    }
    // Mostly the buttons, as a pupil does; now and then anything else on the window.
    const QList<QWidget*>& scelta = pulsanti.isEmpty() || numero(5) == 0 ? altri : pulsanti;
    QWidget* w = scelta.isEmpty() ? finestra : scelta[numero(int(scelta.size()))];
    // A pupil leaves seldom: most presses on a way out are drawn again, or the start window,
    // reopened each time, would never have the time to open its curtain.
    static const QRegularExpression uscita(QStringLiteral("^(Esci|Esco|ESCI|FINE SESSIONE)$"));
    auto* pulsante = qobject_cast<QAbstractButton*>(w);
    if (pulsante && uscita.match(pulsante->text()).hasMatch() && numero(10) != 0) {
        w = scelta[numero(int(scelta.size()))];
    }
    const QPoint punto(numero(std::max(1, w->width())), numero(std::max(1, w->height())));
    annota(QStringLiteral("clic %1 su %2").arg(w->objectName(), finestra->objectName()));
    switch (numero(6)) {
    case 0:
        QTest::mousePress(w, Qt::LeftButton, {}, punto);
        break;
    case 1:
        QTest::mouseRelease(w, Qt::LeftButton, {}, punto);
        break;
    default:
        QTest::mouseClick(w, Qt::LeftButton, {}, punto);
    }
}

// Keys go where the focus is; a key may close its window, and the next event of the same key
// then goes where the focus has moved, or nowhere.
void Scimmia::tasto(QWidget* finestra) {
    const Qt::Key k = tasti[static_cast<size_t>(numero(int(tasti.size())))];
    const Qt::KeyboardModifiers m =
        k >= Qt::Key_0 && k <= Qt::Key_9 && numero(2) == 0 ? Qt::KeypadModifier : Qt::NoModifier;
    const int ripetizioni = numero(10) == 0 ? 1 + numero(4) : 0;
    annota(QStringLiteral("tasto %1%2 a %3, %4 ripetizioni")
               .arg(int(k))
               .arg(m ? QStringLiteral(" tastierino") : QString())
               .arg(nomeFuoco())
               .arg(ripetizioni));
    const QString testo = testoDelTasto(k);
    QPointer<QWidget> riserva(finestra);
    auto bersaglio = [&]() -> QWidget* { return destinatario() ? destinatario() : riserva.data(); };
    if (QWidget* w = bersaglio()) {
        mandaTasto(QEvent::KeyPress, k, m, testo, false, w);
    }
    for (int i = 0; i < ripetizioni; ++i) {
        for (QEvent::Type tipo : {QEvent::KeyRelease, QEvent::KeyPress}) {
            if (QWidget* w = bersaglio()) {
                mandaTasto(tipo, k, m, testo, true, w);
            }
        }
    }
    if (QWidget* w = bersaglio()) {
        mandaTasto(QEvent::KeyRelease, k, m, testo, false, w);
    }
}

void Scimmia::menu(QWidget* finestra) {
    auto* principale = qobject_cast<QMainWindow*>(finestra);
    if (!principale || !principale->menuWidget()) {
        return;
    }
    QList<QAction*> voci;
    for (QAction* a : principale->menuWidget()->findChildren<QAction*>()) {
        if (a->isEnabled() && a->isVisible() && !a->menu() && !a->isSeparator()) {
            voci << a;
        }
    }
    for (QAction* a : principale->menuBar()->actions()) {
        if (a->isEnabled() && a->isVisible() && !a->menu() && !voci.contains(a)) {
            voci << a;
        }
    }
    if (!voci.isEmpty()) {
        QAction* a = voci[numero(int(voci.size()))];
        annota(QStringLiteral("menu %1").arg(a->text()));
        a->trigger();
    }
}

void Scimmia::passo() {
    if (banco.programma->finestre.caricateInOrdine().empty()) {
        riavvia();
    }
    QWidget* finestra = davanti();
    if (!finestra) {
        return;
    }
    finestreViste[finestra->objectName()]++;
    const int azione = numero(100);
    if (azione < 58) {
        clic(finestra);
    } else if (azione < 90) {
        tasto(finestra);
    } else if (azione < 94) {
        menu(finestra);
    } else if (azione < 97) {
        // Time passes between two presses, midnight included.
        banco.orologio.secondi = std::fmod(banco.orologio.secondi + float(numero(40)), 86400.0f);
        QTest::qWait(numero(10) == 0 ? numero(300) : numero(15));
        annota(QStringLiteral("attesa"));
    } else {
        finestra->resize(200 + numero(1400), 150 + numero(1000));
        annota(QStringLiteral("dimensioni %1").arg(finestra->objectName()));
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Scimmia::controlla() const {
    const StatoCondiviso& s = banco.programma->stato;
    if (s.ContaOperazioni < 0 || s.ContaOperazioni > 90) {
        return QStringLiteral("ContaOperazioni %1").arg(s.ContaOperazioni);
    }
    if (s.RisposteEsatte != s.TotaleEsatte) {
        return QStringLiteral("RisposteEsatte %1, TotaleEsatte %2")
            .arg(s.RisposteEsatte)
            .arg(s.TotaleEsatte);
    }
    if (banco.programma->finestre.caricata(Finestra::Operativo)) {
        QWidget* f = banco.programma->finestre.istanza(Finestra::Operativo);
        QList<QFrame*> pannelli;
        for (const char* nome :
             {"fraTastierino", "fraAiuto", "fraAvviso", "fraIntervento", "fraUscita"}) {
            pannelli << f->findChild<QFrame*>(QLatin1String(nome));
        }
        QFrame* attivo = nullptr;
        int attivi = 0;
        for (QFrame* p : pannelli) {
            if (p->isEnabledTo(p->parentWidget())) {
                attivo = p;
                ++attivi;
            }
        }
        ++pannelliControllati;
        if (attivi != 1) {
            return QStringLiteral("%1 pannelli attivi").arg(attivi);
        }
        const QObjectList& fratelli = attivo->parentWidget()->children();
        for (QFrame* p : pannelli) {
            if (fratelli.indexOf(p) > fratelli.indexOf(attivo)) {
                return QStringLiteral("%1 davanti a %2").arg(p->objectName(), attivo->objectName());
            }
        }
        if (s.ContaOperazioni >= 1 && s.Operazione >= 1 && s.Operazione <= 3) {
            const QString& riga = s.RigheStampa[static_cast<size_t>(s.ContaOperazioni)];
            ++righeControllate;
            if (!rigaBenFormata(s.Operazione).match(riga).hasMatch() ||
                riga.count(QStringLiteral("...")) != 1) {
                return QStringLiteral("riga %1 malformata: '%2'").arg(s.ContaOperazioni).arg(riga);
            }
        }
    }
    QFile file(banco.percorso(QStringLiteral("veltrix.dat")));
    if (file.exists()) {
        ++fileControllati;
        const QByteArray contenuto = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto trovato = fileImpostazioni.match(QString::fromLatin1(contenuto));
        bool ok1 = false, ok2 = false;
        const int a = trovato.hasMatch() ? trovato.captured(1).trimmed().toInt(&ok1) : 0;
        const int b = trovato.hasMatch() ? trovato.captured(2).trimmed().toInt(&ok2) : 0;
        if (!ok1 || !ok2 || a < -32768 || a > 32767 || b < -32768 || b > 32767) {
            return QStringLiteral("file delle impostazioni '%1'")
                .arg(QString::fromLatin1(contenuto.toPercentEncoding(" ")));
        }
    }
    return {};
}
} // namespace

class TestUsoCasuale : public QObject {
    Q_OBJECT
private slots:
    void usoCasuale();
};

void TestUsoCasuale::usoCasuale() {
    const std::uint64_t seme = daAmbiente("VELTRIX_SEME", semePredefinito);
    const auto passi = static_cast<int>(daAmbiente("VELTRIX_PASSI", passiPredefiniti));
    qInfo("uso casuale: seme %llu, %d passi (VELTRIX_SEME, VELTRIX_PASSI)",
          static_cast<unsigned long long>(seme), passi);
    Banco banco;
    Scimmia scimmia(banco, seme);
    for (int i = 0; i < passi; ++i) {
        scimmia.passo();
        const QString rotta = scimmia.controlla();
        if (!rotta.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seme %1, passo %2: %3\nultime azioni:\n%4")
                                 .arg(seme)
                                 .arg(i)
                                 .arg(rotta, scimmia.ultimeAzioni())));
        }
    }
    QStringList viste;
    for (const auto& [nome, volte] : scimmia.finestreViste) {
        viste << QStringLiteral("%1 %2").arg(nome).arg(volte);
    }
    qInfo("avvii %d; passi per finestra: %s", scimmia.avvii, qPrintable(viste.join(", ")));
    qInfo("pannelli controllati %d volte, righe %d, file delle impostazioni %d",
          scimmia.pannelliControllati, scimmia.righeControllate, scimmia.fileControllati);
    // A run that never reached the exercises or never wrote the file has proved nothing.
    QVERIFY(scimmia.righeControllate > 0);
    QVERIFY(scimmia.fileControllati > 0);
}

VELTRIX_TEST(TestUsoCasuale)
#include "tst_usocasuale.moc"
