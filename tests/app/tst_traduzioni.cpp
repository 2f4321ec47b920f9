// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/traduzioni.h"
#include "comune/banco.h"
#include "comune/registro.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {
// The menu's words as the pupil reads them: no accelerator marks, no shortcuts.
QStringList voci(QMenu* menu) {
    QStringList testi;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator()) {
            testi << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        }
    }
    return testi;
}

std::unique_ptr<QMenu> menuDi(Banco& banco, const QString& dove) {
    if (dove == QLatin1String("nome")) {
        QWidget* elenco = banco.programma->finestre.apri(Finestra::StampaEsercizio);
        return std::unique_ptr<QMenu>(
            elenco->findChild<QLineEdit*>(QStringLiteral("txtNome"))->createStandardContextMenu());
    }
    banco.programma->avvia();
    QWidget* inizio = banco.programma->finestre.istanza(Finestra::Inizio);
    inizio->findChild<QAction*>(QStringLiteral("mnuEsempi"))->trigger();
    auto* esempi = inizio->findChild<QDialog*>(QStringLiteral("FinestraEsempi"));
    return std::unique_ptr<QMenu>(
        esempi->findChild<QPlainTextEdit*>()->createStandardContextMenu());
}
} // namespace

class TestTraduzioni : public QObject {
    Q_OBJECT
private slots:
    void menuDelTestoInItaliano_data();
    void menuDelTestoInItaliano();
};

void TestTraduzioni::menuDelTestoInItaliano_data() {
    QTest::addColumn<QString>("dove");
    QTest::newRow("casella del nome") << "nome";
    QTest::newRow("esemplicazione") << "esempi";
}

// The right-click menu of the program's text boxes speaks Italian.
void TestTraduzioni::menuDelTestoInItaliano() {
    QFETCH(QString, dove);
    QTranslator* traduttore = caricaTraduzioniQt(*QCoreApplication::instance());
    QVERIFY2(traduttore, "qtbase_it.qm is missing: install qt6-translations-l10n");
    Banco banco;
    const QStringList testi = voci(menuDi(banco, dove).get());
    QCoreApplication::removeTranslator(traduttore);
    delete traduttore;
    // The examples are read-only: their menu has no "Annulla".
    for (const char* parola : {"Copia", "Seleziona tutto"}) {
        QVERIFY2(testi.contains(QLatin1String(parola)), qPrintable(testi.join(", ")));
    }
    for (const char* inglese : {"Copy", "Select All"}) {
        QVERIFY2(!testi.contains(QLatin1String(inglese)), qPrintable(testi.join(", ")));
    }
}

VELTRIX_TEST(TestTraduzioni)
#include "tst_traduzioni.moc"
