// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef BRACKETMATCHER_H
#define BRACKETMATCHER_H

#include <QList>
#include <QStringView>

#include <memory>

// Pairs the loop brackets of a program text the way the machine pairs them, so the editor can
// show which bracket closes which and which have no partner. One pass over the text; looking
// up a bracket is a binary search over the brackets alone.
class BracketMatcher
{
public:
    BracketMatcher();
    ~BracketMatcher();

    void setText(QStringView text);

    // The position of the partner of the bracket at `position`; -1 when there is no bracket
    // there or it has no partner.
    int partner(int position) const;
    bool isUnmatched(int position) const;
    // The unmatched brackets at positions from `from` up to but not including `to`, in order.
    QList<int> unmatched(int from, int to) const;
    int unmatchedCount() const;

private:
    Q_DISABLE_COPY_MOVE(BracketMatcher)
    struct Private;
    const std::unique_ptr<Private> d;
};

// The ']' that closes the loop opened by the '[' at `position`, as the machine finds it when it
// skips a loop: the first ']' after it at which as many brackets have closed as opened. -1 when
// no ']' does. This is BracketMatcher's pairing, found without a table; a test holds the two
// to one another.
int loopEnd(QStringView program, int position);

#endif // BRACKETMATCHER_H
