// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programtext.h"

#include <algorithm>

bool isCommand(QChar character)
{
    switch (character.unicode()) {
    case u'+': case u',': case u'-': case u'.':
    case u'<': case u'>': case u'[': case u']':
        return true;
    default:
        return false;
    }
}

int countCommands(const QString &text)
{
    return int(std::count_if(text.cbegin(), text.cend(), isCommand));
}

QString machineProgram(QString text)
{
    for (QChar &character : text) {
        if (!isCommand(character) && character != u'@')
            character = u' ';
    }
    return text;
}
