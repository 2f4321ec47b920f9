// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codacups.h"

#include <QStringList>

#include <cups/cups.h>

#include <memory>
#include <vector>

namespace {
struct LiberaIpp {
    void operator()(ipp_t* r) const { ippDelete(r); }
};
using Risposta = std::unique_ptr<ipp_t, LiberaIpp>;

QString ultimoErrore() {
    return QString::fromUtf8(cupsLastErrorString());
}

// A request about one printer, with the attributes wanted back.
Risposta chiedi(ipp_op_t operazione, const QString& stampante, int lavoro,
                std::initializer_list<const char*> attributi) {
    ipp_t* richiesta = ippNewRequest(operazione);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", stampante.toUtf8().constData());
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    if (lavoro > 0) {
        ippAddInteger(richiesta, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", lavoro);
    }
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    const std::vector<const char*> nomi(attributi);
    ippAddStrings(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(nomi.size()), nullptr, nomi.data());
    Risposta risposta(cupsDoRequest(CUPS_HTTP_DEFAULT, richiesta, "/"));
    if (cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        return nullptr;
    }
    return risposta;
}

QString testo(ipp_t* risposta, const char* nome) {
    ipp_attribute_t* a = ippFindAttribute(risposta, nome, IPP_TAG_ZERO);
    QStringList valori;
    for (int i = 0; a && i < ippGetCount(a); ++i) {
        const char* v = ippGetString(a, i, nullptr);
        if (v && *v && qstrcmp(v, "none") != 0) {
            valori << QString::fromUtf8(v);
        }
    }
    return valori.join(QStringLiteral(", "));
}
} // namespace

// The user's own choice first (lpoptions, PRINTER), then the system's.
QString CodaCups::predefinita() {
    cups_dest_t* destinazione = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    const QString nome = destinazione ? QString::fromUtf8(destinazione->name) : QString();
    cupsFreeDests(destinazione ? 1 : 0, destinazione);
    return nome;
}

std::optional<QString> CodaCups::rifiutaLavori(const QString& stampante) {
    const Risposta r =
        chiedi(IPP_OP_GET_PRINTER_ATTRIBUTES, stampante, 0,
               {"printer-is-accepting-jobs", "printer-state-message", "printer-state-reasons"});
    if (!r) {
        return ultimoErrore();
    }
    ipp_attribute_t* accetta =
        ippFindAttribute(r.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (!accetta || ippGetBoolean(accetta, 0)) {
        return std::nullopt;
    }
    const QString messaggio = testo(r.get(), "printer-state-message");
    return messaggio.isEmpty() ? testo(r.get(), "printer-state-reasons") : messaggio;
}

CodaStampa::Invio CodaCups::invia(const QString& stampante, const QString& titolo,
                                  const QByteArray& pdf) {
    const QByteArray nome = stampante.toUtf8();
    const QByteArray documento = titolo.toUtf8();
    const int lavoro = cupsCreateJob(CUPS_HTTP_DEFAULT, nome, documento, 0, nullptr);
    if (lavoro <= 0) {
        return {0, ultimoErrore()};
    }
    const bool inviato = cupsStartDocument(CUPS_HTTP_DEFAULT, nome, lavoro, documento,
                                           CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
                         cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                              size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    // The document is closed even after a failed write, so that the job does not hang open.
    const bool finito = cupsFinishDocument(CUPS_HTTP_DEFAULT, nome) <= IPP_STATUS_OK_CONFLICTING;
    if (!inviato || !finito) {
        const QString errore = ultimoErrore();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, nome, lavoro, 0);
        return {0, errore};
    }
    return {lavoro, {}};
}

CodaStampa::Esito CodaCups::esito(const QString& stampante, int lavoro) {
    const Risposta r = chiedi(IPP_OP_GET_JOB_ATTRIBUTES, stampante, lavoro,
                              {"job-state", "job-state-message", "job-state-reasons"});
    if (!r) {
        return {Stato::Sconosciuto, ultimoErrore()};
    }
    ipp_attribute_t* stato = ippFindAttribute(r.get(), "job-state", IPP_TAG_ENUM);
    QString messaggio = testo(r.get(), "job-state-message");
    if (messaggio.isEmpty()) {
        messaggio = testo(r.get(), "job-state-reasons");
    }
    switch (stato ? ipp_jstate_t(ippGetInteger(stato, 0)) : ipp_jstate_t(0)) {
    case IPP_JSTATE_CANCELED:
        return {Stato::Annullato, messaggio};
    case IPP_JSTATE_ABORTED:
        return {Stato::Interrotto, messaggio};
    case IPP_JSTATE_COMPLETED:
        return {Stato::Completato, messaggio};
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_PROCESSING:
    case IPP_JSTATE_STOPPED:
        return {Stato::InCorso, messaggio};
    default:
        return {Stato::Sconosciuto, messaggio};
    }
}
