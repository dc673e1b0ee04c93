// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ALPHABET_H
#define ALPHABET_H

#include <QChar>

// Letters as alphabet mode reads and writes them, for the interactive handler and the letter
// challenges' test handler alike: 'a' to 'z' are 1 to 26 and a line break is 0.

constexpr int LetterCount = 26;

// The value of a character read as input. Nothing is folded: capitals, blanks and anything
// outside ASCII come out negative, which the machine refuses as input.
inline int letterValue(QChar character)
{
    if (character == u'\n')
        return 0;
    return int(static_cast<signed char>(character.toLatin1())) - 96;
}

// The letter written for a value of 1 to LetterCount.
inline QChar valueLetter(int value)
{
    return QChar(char16_t(96 + value));
}

#endif // ALPHABET_H
