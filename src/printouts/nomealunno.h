// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

inline constexpr int lettereNome = 15;
// Code points in one character: a letter with three accents, a flag, a Hangul syllable in jamo.
inline constexpr int puntiPerLettera = 4;

// The pupil's name as the printouts take it: at most 15 characters as a person counts them, so
// an accented letter or an emoji is never cut in half, each of at most four code points, and no
// control or direction-override character, which would break or reorder the printed lines.
// A longer character keeps its first four code points, as a full box keeps its first 15
// characters: a fifth accent typed on a letter does nothing, and a pasted tower of marks leaves
// the letter the pupil meant with its first ones, rather than taking the letter away too.
QString nomeAmmesso(const QString& nome);

// The name box's rule while typing: a character that is not allowed is dropped, and a full box
// takes nothing more. Of a longer paste it keeps what fits, as a box with a maximum length does.
class ValidatoreNome : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int& cursore) const override;
};
