// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

inline constexpr int lettereNome = 15;

// The pupil's name as the printouts take it: at most 15 characters as a person counts them, so
// an accented letter or an emoji is never cut in half, and no control or direction-override
// character, which would break or reorder the printed lines.
QString nomeAmmesso(const QString& nome);

// The name box's rule while typing: a character that is not allowed is dropped, and a full box
// takes nothing more. Of a longer paste it keeps what fits, as a box with a maximum length does.
class ValidatoreNome : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int& cursore) const override;
};
