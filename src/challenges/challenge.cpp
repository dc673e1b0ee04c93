// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenge.h"

QList<Challenge> &challengeList()
{
    static QList<Challenge> list;
    return list;
}
