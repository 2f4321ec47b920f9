// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codastampa.h"

namespace {
QString conMotivo(const QString& frase, const QString& motivo) {
    return motivo.isEmpty() ? frase + QLatin1Char('.')
                            : QStringLiteral("%1 (%2).").arg(frase, motivo);
}

Consegna rifiutata(const QString& frase, const QString& motivo) {
    return {Consegna::Come::Rifiutata, conMotivo(frase, motivo)};
}
} // namespace

Consegna verificaStampante(CodaStampa& coda, const QString& stampante) {
    const CodaStampa::Condizione c = coda.condizione(stampante);
    if (!c.risponde) {
        return {Consegna::Come::ServerMuto, {}};
    }
    if (c.rifiuto) {
        return rifiutata(QStringLiteral("la stampante %1 non accetta il lavoro").arg(stampante),
                         *c.rifiuto);
    }
    if (c.ferma) {
        return {Consegna::Come::Ferma, *c.ferma};
    }
    return {};
}

Consegna mandaAllaStampante(CodaStampa& coda, const QString& stampante, const QString& titolo,
                            const QByteArray& pdf) {
    const Consegna prima = verificaStampante(coda, stampante);
    if (prima.come == Consegna::Come::Rifiutata || prima.come == Consegna::Come::ServerMuto) {
        return prima;
    }
    const CodaStampa::Invio invio = coda.invia(stampante, titolo, pdf);
    if (!invio.risponde) {
        return {Consegna::Come::ServerMuto, {}};
    }
    if (invio.lavoro <= 0) {
        return rifiutata(QStringLiteral("la stampante %1 ha rifiutato il lavoro").arg(stampante),
                         invio.errore);
    }
    // A job the queue took may still be thrown away at once, by a filter or the backend.
    const CodaStampa::Esito esito = coda.esito(stampante, invio.lavoro);
    switch (esito.stato) {
    case CodaStampa::Stato::Annullato:
        return rifiutata(QStringLiteral("il lavoro %1 è stato annullato").arg(invio.lavoro),
                         esito.messaggio);
    case CodaStampa::Stato::Interrotto:
        return rifiutata(QStringLiteral("il lavoro %1 è stato interrotto").arg(invio.lavoro),
                         esito.messaggio);
    default:
        return prima; // taken; it waits if the printer is stopped
    }
}
