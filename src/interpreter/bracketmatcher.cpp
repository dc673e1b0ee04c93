// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interpreter/bracketmatcher.h"

#include <algorithm>
#include <vector>

struct BracketMatcher::Private
{
    // Every bracket's position, in order, and the index of its partner in `positions` (-1: none).
    std::vector<int> positions;
    std::vector<int> partners;
    std::vector<int> unmatched; // positions

    // Index of the bracket at `position` in `positions`, or -1.
    qsizetype find(int position) const
    {
        const auto it = std::lower_bound(positions.begin(), positions.end(), position);
        return it != positions.end() && *it == position ? it - positions.begin() : -1;
    }
};

BracketMatcher::BracketMatcher()
    : d(std::make_unique<Private>())
{
}

BracketMatcher::~BracketMatcher() = default;

void BracketMatcher::setText(QStringView text)
{
    d->positions.clear();
    d->partners.clear();
    d->unmatched.clear();
    std::vector<int> open;
    open.reserve(64);
    const char16_t *const characters = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = characters[i];
        if (c != u'[' && c != u']')
            continue;
        const int index = int(d->positions.size());
        d->positions.push_back(int(i));
        d->partners.push_back(-1);
        if (c == u'[') {
            open.push_back(index);
        } else if (!open.empty()) {
            d->partners[size_t(index)] = open.back();
            d->partners[size_t(open.back())] = index;
            open.pop_back();
        }
    }
    for (size_t i = 0; i < d->positions.size(); ++i) {
        if (d->partners[i] < 0)
            d->unmatched.push_back(d->positions[i]);
    }
}

int BracketMatcher::partner(int position) const
{
    const qsizetype index = d->find(position);
    if (index < 0 || d->partners[size_t(index)] < 0)
        return -1;
    return d->positions[size_t(d->partners[size_t(index)])];
}

bool BracketMatcher::isUnmatched(int position) const
{
    const qsizetype index = d->find(position);
    return index >= 0 && d->partners[size_t(index)] < 0;
}

QList<int> BracketMatcher::unmatched(int from, int to) const
{
    const auto first = std::lower_bound(d->unmatched.begin(), d->unmatched.end(), from);
    const auto last = std::lower_bound(first, d->unmatched.end(), to);
    return QList<int>(first, last);
}

int BracketMatcher::unmatchedCount() const
{
    return int(d->unmatched.size());
}
