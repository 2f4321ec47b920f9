// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/esporta.h"

#include "platform/messaggi.h"
#include "register/esportazione.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

SceltaSalvataggio dialogoSalvataggio(QWidget* genitore) {
    return [genitore](const QString& proposta) {
        const QString cartella =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        // The dialog does not ask about a file already there: the question is ours, the same in
        // every desktop and in the tests.
        return QFileDialog::getSaveFileName(
            genitore, QStringLiteral("Esporta per il foglio di calcolo"),
            QDir(cartella).filePath(proposta), QStringLiteral("CSV (*.csv)"), nullptr,
            QFileDialog::DontConfirmOverwrite);
    };
}

void esportaSerie(const QList<SerieRegistrata>& serie, const QString& proposta,
                  const SceltaSalvataggio& scelta, Messaggi& messaggi, const Dici& dici) {
    // A class named "4/B" must not send the file into a folder that is not there.
    QString nome = proposta;
    nome.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    QString percorso = scelta(nome);
    if (percorso.isEmpty()) {
        return;
    }
    if (QFileInfo(percorso).suffix().isEmpty()) {
        percorso += QStringLiteral(".csv");
    }
    const QFileInfo info(percorso);
    if (info.exists() || info.isSymLink()) {
        if (!info.isFile() || info.isSymLink()) {
            messaggi.mostra(QStringLiteral("%1 non è un file che posso sostituire.").arg(percorso));
            return;
        }
        if (!messaggi.chiedi(
                QStringLiteral("%1 esiste già. Lo sostituisco?").arg(info.fileName()))) {
            return;
        }
        if (!QFile::remove(percorso)) {
            messaggi.mostra(QStringLiteral("Non riesco a sostituire %1.").arg(percorso));
            return;
        }
    }
    if (const QString errore = scriviFileNuovo(percorso, csvSerie(serie)); !errore.isEmpty()) {
        messaggi.mostra(QStringLiteral("Non ho esportato le serie: %1.").arg(errore));
        return;
    }
    dici(QStringLiteral("%1 serie esportate in %2.")
             .arg(serie.size())
             .arg(QDir::toNativeSeparators(percorso)));
}
