// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codastampa.h"

namespace {
QString conMotivo(const QString& frase, const QString& motivo) {
    return motivo.isEmpty() ? frase + QLatin1Char('.')
                            : QStringLiteral("%1 (%2).").arg(frase, motivo);
}
} // namespace

QString rifiutoDellaStampante(CodaStampa& coda, const QString& stampante) {
    const std::optional<QString> rifiuto = coda.rifiutaLavori(stampante);
    return rifiuto
               ? conMotivo(QStringLiteral("la stampante %1 non accetta il lavoro").arg(stampante),
                           *rifiuto)
               : QString();
}

QString mandaAllaStampante(CodaStampa& coda, const QString& stampante, const QString& titolo,
                           const QByteArray& pdf) {
    if (QString rifiuto = rifiutoDellaStampante(coda, stampante); !rifiuto.isEmpty()) {
        return rifiuto;
    }
    const CodaStampa::Invio invio = coda.invia(stampante, titolo, pdf);
    if (invio.lavoro <= 0) {
        return conMotivo(QStringLiteral("la stampante %1 ha rifiutato il lavoro").arg(stampante),
                         invio.errore);
    }
    // A job the queue took may still be thrown away at once, by a filter or the backend.
    const CodaStampa::Esito esito = coda.esito(stampante, invio.lavoro);
    switch (esito.stato) {
    case CodaStampa::Stato::Annullato:
        return conMotivo(QStringLiteral("il lavoro %1 è stato annullato").arg(invio.lavoro),
                         esito.messaggio);
    case CodaStampa::Stato::Interrotto:
        return conMotivo(QStringLiteral("il lavoro %1 è stato interrotto").arg(invio.lavoro),
                         esito.messaggio);
    default:
        return {};
    }
}
