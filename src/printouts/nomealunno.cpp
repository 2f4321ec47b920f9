// SPDX-License-Identifier: GPL-3.0-or-later
#include "printouts/nomealunno.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {
bool ammesso(QChar c) {
    const char16_t u = c.unicode();
    const bool cambiaDirezione = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    return !cambiaDirezione && c.category() != QChar::Other_Control;
}

// Drops what is not allowed; the cursor moves back by what is dropped before it.
void togliNonAmmessi(QString& testo, int& cursore) {
    QString pulito;
    pulito.reserve(testo.size());
    int nuovoCursore = cursore;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (ammesso(testo[i])) {
            pulito += testo[i];
        } else if (i < cursore) {
            --nuovoCursore;
        }
    }
    testo = pulito;
    cursore = nuovoCursore;
}

// Where each character as a person sees it begins, and where the last one ends.
QList<qsizetype> confini(const QString& testo) {
    QList<qsizetype> posti{0};
    QTextBoundaryFinder cerca(QTextBoundaryFinder::Grapheme, testo);
    while (cerca.toNextBoundary() > 0) {
        posti.append(cerca.position());
    }
    return posti;
}

// How much of a character is kept: its first code points, without a joiner left at the end,
// which would join it to the next one.
qsizetype parteTenuta(QStringView lettera) {
    qsizetype fine = 0;
    for (int punti = 0; punti < puntiPerLettera && fine < lettera.size(); ++punti) {
        const bool coppia = lettera[fine].isHighSurrogate() && fine + 1 < lettera.size() &&
                            lettera[fine + 1].isLowSurrogate();
        fine += coppia ? 2 : 1;
    }
    while (fine < lettera.size() && fine > 0 && lettera[fine - 1] == QChar(0x200D)) {
        --fine;
    }
    return fine;
}

// Cuts every character to what is kept of it; the cursor moves back by what is cut before it.
void accorciaLettere(QString& testo, int& cursore) {
    const QList<qsizetype> posti = confini(testo);
    QString accorciato;
    accorciato.reserve(testo.size());
    int nuovoCursore = cursore;
    for (qsizetype i = 0; i + 1 < posti.size(); ++i) {
        const qsizetype tenuta =
            parteTenuta(QStringView(testo).sliced(posti[i], posti[i + 1] - posti[i]));
        accorciato += QStringView(testo).sliced(posti[i], tenuta);
        const qsizetype taglio = posti[i] + tenuta;
        if (cursore > taglio) {
            nuovoCursore -= int(std::min<qsizetype>(cursore, posti[i + 1]) - taglio);
        }
    }
    testo = accorciato;
    cursore = nuovoCursore;
}
} // namespace

QString nomeAmmesso(const QString& nome) {
    QString testo = nome;
    int cursore = int(testo.size());
    ValidatoreNome().validate(testo, cursore);
    return testo;
}

QValidator::State ValidatoreNome::validate(QString& testo, int& cursore) const {
    togliNonAmmessi(testo, cursore);
    accorciaLettere(testo, cursore);
    QList<qsizetype> posti = confini(testo);
    const qsizetype troppi = posti.size() - 1 - lettereNome;
    if (troppi <= 0) {
        return Acceptable;
    }
    // What was just typed or pasted ends at the cursor: that is what finds no room.
    const auto dopo = std::upper_bound(posti.cbegin(), posti.cend(), qsizetype(cursore));
    const qsizetype fine = std::distance(posti.cbegin(), dopo) - 1;
    const qsizetype inizio = std::max<qsizetype>(0, fine - troppi);
    testo.remove(posti[inizio], posti[fine] - posti[inizio]);
    cursore = int(posti[inizio]);
    // A cursor too near the start to make room: the end goes.
    posti = confini(testo);
    if (posti.size() - 1 > lettereNome) {
        testo.truncate(posti[lettereNome]);
        cursore = std::min(cursore, int(testo.size()));
    }
    return Acceptable;
}
