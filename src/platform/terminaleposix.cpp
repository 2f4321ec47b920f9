// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminale.h"

#include <cstdio>
#include <string>

#include <termios.h>
#include <unistd.h>

void scriviSulTerminale(const QString& testo, Flusso flusso) {
    std::FILE* dove = flusso == Flusso::uscita ? stdout : stderr;
    std::fputs(testo.toLocal8Bit().constData(), dove);
    std::fflush(dove);
}

std::optional<QString> leggiDalTerminale(bool nascosto) {
    termios prima{};
    const bool terminale = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &prima) == 0;
    if (nascosto && terminale) {
        termios muto = prima;
        muto.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &muto);
    }
    std::string riga;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n') {
        riga.push_back(char(c));
    }
    if (nascosto && terminale) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &prima);
        // The line end typed was not shown either.
        scriviSulTerminale(QStringLiteral("\n"));
    }
    if (c == EOF && riga.empty()) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(riga).trimmed();
}
