// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codacups.h"

#include <QStringList>

#include <cups/cups.h>

#include <memory>
#include <vector>

namespace {
// libcups' own connection waits a minute for an answer; ours gives up well before the window does.
constexpr int attesaConnessione = 3000; // ms
constexpr double attesaRisposta = 3.0;  // s

struct LiberaIpp {
    void operator()(ipp_t* r) const { ippDelete(r); }
};
using Risposta = std::unique_ptr<ipp_t, LiberaIpp>;

struct ChiudiHttp {
    void operator()(http_t* h) const { httpClose(h); }
};
// A connection to the scheduler of this thread's libcups (CUPS_SERVER, client.conf); null when it
// could not be opened, which is a server that does not answer.
class Connessione {
public:
    Connessione()
        : http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                            attesaConnessione, nullptr)) {
        if (http) {
            httpSetTimeout(http.get(), attesaRisposta, nullptr, nullptr);
        }
    }
    http_t* get() const { return http.get(); }
    explicit operator bool() const { return bool(http); }
    // Whether the last request broke off without an answer: a wait run out, a connection lost.
    // An error the server answered with leaves the connection sound.
    bool muta() const { return !http || httpError(http.get()) != 0; }

private:
    std::unique_ptr<http_t, ChiudiHttp> http;
};

QString ultimoErrore() {
    return QString::fromUtf8(cupsLastErrorString());
}

// A request about one printer (or about every printer, when none is named), with the attributes
// wanted back.
Risposta chiedi(const Connessione& http, ipp_op_t operazione, const QString& stampante, int lavoro,
                std::initializer_list<const char*> attributi) {
    ipp_t* richiesta = ippNewRequest(operazione);
    if (!stampante.isEmpty()) {
        char uri[HTTP_MAX_URI];
        httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                         ippPort(), "/printers/%s", stampante.toUtf8().constData());
        ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    }
    if (lavoro > 0) {
        ippAddInteger(richiesta, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", lavoro);
    }
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    const std::vector<const char*> nomi(attributi);
    ippAddStrings(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(nomi.size()), nullptr, nomi.data());
    Risposta risposta(cupsDoRequest(http.get(), richiesta, "/"));
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

// What the printer says of its state: its message, or else its reasons.
QString parole(ipp_t* risposta) {
    const QString messaggio = testo(risposta, "printer-state-message");
    return messaggio.isEmpty() ? testo(risposta, "printer-state-reasons") : messaggio;
}
} // namespace

// The user's own choice first (lpoptions, PRINTER), then the system's. With neither, the server
// is asked whether it has any printer, to say which of the two is missing.
CodaStampa::Predefinita CodaCups::predefinita() {
    const Connessione http;
    if (!http) {
        return {{}, Mancanza::ServerMuto};
    }
    if (cups_dest_t* destinazione = cupsGetNamedDest(http.get(), nullptr, nullptr)) {
        const QString nome = QString::fromUtf8(destinazione->name);
        cupsFreeDests(1, destinazione);
        return {nome, Mancanza::Nessuna};
    }
    if (http.muta()) {
        return {{}, Mancanza::ServerMuto};
    }
    const Risposta r = chiedi(http, IPP_OP_CUPS_GET_PRINTERS, {}, 0, {"printer-name"});
    if (http.muta()) {
        return {{}, Mancanza::ServerMuto};
    }
    return {{},
            r && !testo(r.get(), "printer-name").isEmpty() ? Mancanza::NessunaPredefinita
                                                           : Mancanza::NessunaStampante};
}

CodaStampa::Condizione CodaCups::condizione(const QString& stampante) {
    const Connessione http;
    const Risposta r = http ? chiedi(http, IPP_OP_GET_PRINTER_ATTRIBUTES, stampante, 0,
                                     {"printer-is-accepting-jobs", "printer-state",
                                      "printer-state-message", "printer-state-reasons"})
                            : nullptr;
    Condizione c;
    if (http.muta()) {
        c.risponde = false;
    } else if (!r) {
        c.rifiuto = ultimoErrore();
    } else if (ipp_attribute_t* accetta =
                   ippFindAttribute(r.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
               accetta && !ippGetBoolean(accetta, 0)) {
        c.rifiuto = parole(r.get());
    } else if (ipp_attribute_t* stato = ippFindAttribute(r.get(), "printer-state", IPP_TAG_ENUM);
               stato && ippGetInteger(stato, 0) == IPP_PSTATE_STOPPED) {
        c.ferma = parole(r.get());
    }
    return c;
}

CodaStampa::Invio CodaCups::invia(const QString& stampante, const QString& titolo,
                                  const QByteArray& pdf) {
    const Connessione http;
    if (!http) {
        return {0, {}, false};
    }
    const QByteArray nome = stampante.toUtf8();
    const QByteArray documento = titolo.toUtf8();
    const int lavoro = cupsCreateJob(http.get(), nome, documento, 0, nullptr);
    if (lavoro <= 0) {
        return {0, ultimoErrore(), !http.muta()};
    }
    const bool inviato = cupsStartDocument(http.get(), nome, lavoro, documento, CUPS_FORMAT_PDF,
                                           1) == HTTP_STATUS_CONTINUE &&
                         cupsWriteRequestData(http.get(), pdf.constData(), size_t(pdf.size())) ==
                             HTTP_STATUS_CONTINUE;
    // The document is closed even after a failed write, so that the job does not hang open.
    const bool finito = cupsFinishDocument(http.get(), nome) <= IPP_STATUS_OK_CONFLICTING;
    if (!inviato || !finito) {
        const QString errore = ultimoErrore();
        const bool risponde = !http.muta();
        cupsCancelJob2(http.get(), nome, lavoro, 0);
        return {0, errore, risponde};
    }
    return {lavoro, {}, true};
}

CodaStampa::Esito CodaCups::esito(const QString& stampante, int lavoro) {
    const Connessione http;
    const Risposta r = http ? chiedi(http, IPP_OP_GET_JOB_ATTRIBUTES, stampante, lavoro,
                                     {"job-state", "job-state-message", "job-state-reasons"})
                            : nullptr;
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
