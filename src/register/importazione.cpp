// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/importazione.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringConverter>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Longer than any real name: a note, an address, or lines run together by a stray quote.
constexpr qsizetype lunghezzaMassima = 60;
// The summary lists this many names, and only counts the rest.
constexpr qsizetype nomiElencati = 10;
// Registers put a title of a few lines above the columns' names, never more.
constexpr int righeSopraIntestazione = 5;

// Windows-1252 from 0x80 to 0x9F, written out because a Qt built without ICU, as the Windows one
// is, has no such codec; the rest of the table is Latin-1. The five bytes it leaves undefined
// become U+FFFD, which no name may hold.
constexpr std::array<char16_t, 32> windows1252{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QString decodifica(const QByteArray& dati) {
    // A byte-order mark settles it: UTF-8, or the UTF-16 of Excel's "Unicode text".
    if (const auto codifica = QStringConverter::encodingForData(dati)) {
        QStringDecoder decodificatore(*codifica);
        return decodificatore(dati);
    }
    // Stateless, so that a file cut in the middle of a UTF-8 sequence, or a Windows-1252 one
    // ending in "ò", counts as not UTF-8 rather than losing its last letter.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString testo = utf8(dati);
    if (!utf8.hasError()) {
        return testo;
    }
    testo.clear();
    testo.reserve(dati.size());
    for (const char c : dati) {
        const auto byte = static_cast<unsigned char>(c);
        testo += QChar(byte >= 0x80 && byte < 0xA0 ? windows1252[byte - 0x80] : char16_t(byte));
    }
    return testo;
}

// Why the file is not a list in text, if it is not: the spreadsheet itself, rather than the CSV
// saved from it, is the likely mistake.
QString nonTesto(const QByteArray& dati, const QString& testo) {
    if (dati.startsWith("PK\x03\x04") || dati.startsWith("\xD0\xCF\x11\xE0")) {
        return QStringLiteral("Il file è un foglio di calcolo o un documento, non un elenco in "
                              "testo: aprilo e salvalo come CSV, poi importa quel file.");
    }
    for (const QChar c : testo) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && !QStringView(u"\t\n\v\f\r").contains(c)) || u == 0x7F) {
            return QStringLiteral("Il file non è un elenco in testo: salva l'elenco della classe "
                                  "come CSV o come testo semplice, poi importa quel file.");
        }
    }
    return {};
}

bool fuoriVirgolette(QStringView linea, QChar segno) {
    bool dentro = false;
    for (const QChar c : linea) {
        if (c == u'"') {
            dentro = !dentro;
        } else if (!dentro && c == segno) {
            return true;
        }
    }
    return false;
}

// The separator found on most of the first lines; on a tie ";" (Italian Excel) first, since a
// "," may well be part of a field there. None for a plain list.
QChar separatore(QStringView testo) {
    constexpr std::array<char16_t, 3> candidati{u';', u'\t', u','};
    std::array<int, 3> righeCon{};
    int esaminate = 0;
    for (qsizetype inizio = 0; inizio < testo.size() && esaminate < 10;) {
        qsizetype fine = inizio;
        while (fine < testo.size() && testo[fine] != u'\n' && testo[fine] != u'\r') {
            ++fine;
        }
        const QStringView linea = testo.sliced(inizio, fine - inizio);
        inizio = fine + 1;
        if (linea.trimmed().isEmpty()) {
            continue;
        }
        ++esaminate;
        for (size_t i = 0; i < candidati.size(); ++i) {
            righeCon[i] += fuoriVirgolette(linea, candidati[i]) ? 1 : 0;
        }
    }
    size_t scelto = 0;
    for (size_t i = 1; i < candidati.size(); ++i) {
        if (righeCon[i] > righeCon[scelto]) {
            scelto = i;
        }
    }
    return righeCon[scelto] > 0 ? QChar(candidati[scelto]) : QChar();
}

// Where the quoted field opened before `da` closes, or -1. In a plain list a quote never spans
// lines: a name never does, and an unclosed quote would otherwise swallow the lines after it.
qsizetype chiusura(QStringView testo, qsizetype da, bool traRighe) {
    for (qsizetype j = da; j < testo.size(); ++j) {
        if (testo[j] == u'"') {
            if (j + 1 < testo.size() && testo[j + 1] == u'"') {
                ++j;
                continue;
            }
            return j;
        }
        if (!traRighe && (testo[j] == u'\n' || testo[j] == u'\r')) {
            return -1;
        }
    }
    return -1;
}

// The records and their fields, quoted as RFC 4180 says; a quote never closed is a character.
// Lines end with CR LF, LF or CR alone.
QList<QStringList> leggiRighe(QStringView testo, QChar segno) {
    QList<QStringList> righe;
    QStringList campi;
    QString campo;
    bool inizioCampo = true;
    for (qsizetype i = 0; i < testo.size();) {
        const QChar c = testo[i];
        if (inizioCampo && c == u'"') {
            const qsizetype fine = chiusura(testo, i + 1, !segno.isNull());
            if (fine >= 0) {
                campo += testo.sliced(i + 1, fine - i - 1)
                             .toString()
                             .replace(QLatin1String("\"\""), QLatin1String("\""));
                inizioCampo = false;
                i = fine + 1;
                continue;
            }
        }
        inizioCampo = false;
        if (!segno.isNull() && c == segno) {
            campi << std::exchange(campo, {});
            inizioCampo = true;
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            campi << std::exchange(campo, {});
            righe << std::exchange(campi, {});
            inizioCampo = true;
            i += (c == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n') ? 2 : 1;
        } else {
            campo += c;
            ++i;
        }
    }
    if (!inizioCampo || !campi.isEmpty() || !campo.isEmpty()) {
        campi << campo;
        righe << campi;
    }
    return righe;
}

bool vuota(const QStringList& riga) {
    return std::all_of(riga.cbegin(), riga.cend(),
                       [](const QString& campo) { return campo.trimmed().isEmpty(); });
}

QStringList parole(const QString& campo) {
    QStringList trovate;
    QString parola;
    for (const QChar c : campo.toLower()) {
        if (c.isLetter()) {
            parola += c;
        } else if (!parola.isEmpty()) {
            trovate << std::exchange(parola, {});
        }
    }
    if (!parola.isEmpty()) {
        trovate << parola;
    }
    return trovate;
}

// A cell that names the pupils' column: "Cognome", "NOME", "Nome alunno", "Cognome e nome",
// "Alunno/a", "Nominativo". Every one of its words must be such a word, so that "Rossi Anna" or
// "Nome Rossi" never is one.
bool etichettaNome(const QStringList& parole) {
    static const QSet<QString> nomi{
        "cognome",  "cognomi",  "nome",        "nomi",        "alunno",     "alunna",
        "alunni",   "alunne",   "allievo",     "allieva",     "allievi",    "allieve",
        "studente", "studenti", "studentessa", "studentesse", "nominativo", "nominativi"};
    static const QSet<QString> legami{"e",     "ed",    "a",   "o",     "i", "di", "del", "dell",
                                      "della", "dello", "dei", "degli", "l", "lo", "la",  "il"};
    bool nome = false;
    for (const QString& parola : parole) {
        if (nomi.contains(parola)) {
            nome = true;
        } else if (!legami.contains(parola)) {
            return false;
        }
    }
    return nome;
}

bool intestazione(const QStringList& riga) {
    return std::any_of(riga.cbegin(), riga.cend(),
                       [](const QString& campo) { return etichettaNome(parole(campo)); });
}

// "Cognome" and "Nome" in that order wherever they stand; else the one column of whole names.
QList<qsizetype> colonneIntestazione(const QStringList& riga) {
    qsizetype cognome = -1;
    qsizetype nome = -1;
    qsizetype intero = -1;
    for (qsizetype k = 0; k < riga.size(); ++k) {
        const QStringList p = parole(riga[k]);
        if (!etichettaNome(p)) {
            continue;
        }
        const bool c =
            p.contains(QStringLiteral("cognome")) || p.contains(QStringLiteral("cognomi"));
        const bool n = p.contains(QStringLiteral("nome")) || p.contains(QStringLiteral("nomi"));
        if (c && !n) {
            cognome = cognome < 0 ? k : cognome;
        } else if (n && !c) {
            nome = nome < 0 ? k : nome;
        } else {
            intero = intero < 0 ? k : intero;
        }
    }
    if (cognome >= 0 && nome >= 0) {
        return {cognome, nome};
    }
    if (intero >= 0) {
        return {intero};
    }
    return {std::max(cognome, nome)};
}

bool conCifre(QStringView testo) {
    return std::any_of(testo.begin(), testo.end(), [](QChar c) { return c.isDigit(); });
}

// Without names for the columns, the first two that hold some text: a column of numbers, dates
// or tax codes only (a digit in every cell) is no part of a name.
QList<qsizetype> colonneSenzaIntestazione(const QList<QStringList>& righe) {
    QList<bool> conTesto;
    for (const QStringList& riga : righe) {
        if (intestazione(riga)) {
            continue;
        }
        conTesto.resize(std::max(conTesto.size(), riga.size()));
        for (qsizetype k = 0; k < riga.size(); ++k) {
            const QString campo = riga[k].trimmed();
            conTesto[k] = conTesto[k] || (!campo.isEmpty() && !conCifre(campo));
        }
    }
    QList<qsizetype> scelte;
    for (qsizetype k = 0; k < conTesto.size() && scelte.size() < 2; ++k) {
        if (conTesto[k]) {
            scelte << k;
        }
    }
    return scelte.isEmpty() ? QList<qsizetype>{0} : scelte;
}

// Invisible characters (a byte-order mark mid-file, a soft hyphen, a direction override) are no
// part of a name and would make one name look like two; so would decomposed accents.
QString pulisci(QString testo) {
    testo.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    return testo.simplified().normalized(QString::NormalizationForm_C);
}

QString componi(const QStringList& riga, const QList<qsizetype>& colonne) {
    // The number before a name in a numbered list; a number alone is an empty numbered place.
    static const QRegularExpression numero(QStringLiteral("^\\d{1,3}(\\s*[.)°º:\\-–]\\s*|\\s+|$)"));
    QStringList parti;
    for (const qsizetype k : colonne) {
        parti << riga.value(k);
    }
    return pulisci(parti.join(QLatin1Char(' '))).remove(numero);
}

bool nomePlausibile(const QString& nome) {
    if (nome.size() > lunghezzaMassima) {
        return false;
    }
    bool lettera = false;
    for (const QChar c : nome) {
        if (c.isDigit() || c == u'@' || c == QChar::ReplacementCharacter) {
            return false;
        }
        lettera = lettera || c.isLetter();
    }
    return lettera;
}

QString chiave(const QString& nome) {
    QString k = pulisci(nome).toCaseFolded();
    for (QChar& c : k) {
        if (c == u'’' || c == u'‘' || c == u'`' || c == u'´') {
            c = u'\'';
        }
    }
    return k;
}

QString elenca(const QStringList& nomi, bool virgolette) {
    QStringList mostrati;
    for (QString nome : nomi.first(std::min(nomi.size(), nomiElencati))) {
        if (nome.size() > 40) {
            nome.truncate(nome.at(38).isHighSurrogate() ? 38 : 39);
            nome += u'…';
        }
        mostrati << (virgolette ? QStringLiteral("«%1»").arg(nome) : nome);
    }
    QString testo = mostrati.join(QStringLiteral(", "));
    if (nomi.size() > nomiElencati) {
        testo += QStringLiteral(" e altri %1").arg(nomi.size() - nomiElencati);
    }
    return testo;
}

} // namespace

ElencoClasse leggiElencoClasse(const QByteArray& dati, const QStringList& giaPresenti) {
    ElencoClasse elenco;
    if (dati.isEmpty()) {
        elenco.errore = QStringLiteral("Il file è vuoto.");
        return elenco;
    }
    QString testo = decodifica(dati);
    // The end-of-file mark old DOS programs still write.
    while (testo.endsWith(QChar(0x1A))) {
        testo.chop(1);
    }
    elenco.errore = nonTesto(dati, testo);
    if (!elenco.errore.isEmpty()) {
        return elenco;
    }
    const QList<QStringList> righe = leggiRighe(testo, separatore(testo));

    qsizetype primaRiga = righe.size();
    int nonVuote = 0;
    for (qsizetype r = 0; r < righe.size() && nonVuote < righeSopraIntestazione; ++r) {
        if (vuota(righe[r])) {
            continue;
        }
        ++nonVuote;
        if (intestazione(righe[r])) {
            primaRiga = r;
            elenco.intestazione = true;
            break;
        }
    }
    const QList<qsizetype> colonne = elenco.intestazione ? colonneIntestazione(righe[primaRiga])
                                                         : colonneSenzaIntestazione(righe);
    if (!elenco.intestazione) {
        primaRiga = 0;
    }

    QSet<QString> visti;
    for (const QString& nome : giaPresenti) {
        visti.insert(chiave(nome));
    }
    QSet<QString> giaDoppi;
    int vuoteInAttesa = 0;
    for (qsizetype r = 0; r < righe.size(); ++r) {
        // A header repeated on every page of the export, or the one already read.
        if (intestazione(righe[r])) {
            continue;
        }
        // Above the columns' names only a title can stand: shown, never taken as a pupil.
        const bool titolo = r < primaRiga;
        const QString nome =
            titolo ? pulisci(righe[r].join(QLatin1Char(' '))) : componi(righe[r], colonne);
        if (nome.isEmpty()) {
            ++vuoteInAttesa;
            continue;
        }
        // Blank lines after the last name are not shown to the teacher: no editor shows them.
        elenco.righeVuote += std::exchange(vuoteInAttesa, 0);
        if (titolo || !nomePlausibile(nome)) {
            elenco.scartati << nome;
            continue;
        }
        const QString k = chiave(nome);
        if (!visti.contains(k)) {
            visti.insert(k);
            elenco.alunni << nome;
        } else if (!giaDoppi.contains(k)) {
            giaDoppi.insert(k);
            elenco.doppi << nome;
        }
    }
    if (elenco.alunni.isEmpty() && elenco.doppi.isEmpty() && elenco.scartati.isEmpty()) {
        elenco.errore = QStringLiteral("Nel file non c'è nessun nome.");
    }
    return elenco;
}

QString resocontoImportazione(const ElencoClasse& elenco) {
    if (!elenco.errore.isEmpty()) {
        return elenco.errore;
    }
    QStringList frasi;
    const qsizetype aggiunti = elenco.alunni.size();
    frasi << (aggiunti == 0   ? QStringLiteral("Nessun alunno aggiunto.")
              : aggiunti == 1 ? QStringLiteral("Aggiunto 1 alunno.")
                              : QStringLiteral("Aggiunti %1 alunni.").arg(aggiunti));
    if (const qsizetype n = elenco.doppi.size(); n > 0) {
        frasi << (n == 1 ? QStringLiteral("1 nome era già presente: %1.")
                         : QStringLiteral("%1 nomi erano già presenti: %2.").arg(n))
                     .arg(elenca(elenco.doppi, false));
    }
    if (const qsizetype n = elenco.scartati.size(); n > 0) {
        frasi << (n == 1 ? QStringLiteral("1 riga non sembra un nome e non è stata aggiunta: %1.")
                         : QStringLiteral("%1 righe non sembrano nomi e non sono state aggiunte: "
                                          "%2.")
                               .arg(n))
                     .arg(elenca(elenco.scartati, true));
    }
    if (const int n = elenco.righeVuote; n > 0) {
        frasi << (n == 1 ? QStringLiteral("1 riga vuota saltata.")
                         : QStringLiteral("%1 righe vuote saltate.").arg(n));
    }
    return frasi.join(QLatin1Char(' '));
}
