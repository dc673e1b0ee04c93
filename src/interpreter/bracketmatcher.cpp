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
    const char16_t *const characters = text.utf16();
    // Sized once: a program of millions of brackets would otherwise hold up to twice their
    // room while the tables grow.
    const auto isBracket = [](char16_t c) { return c == u'[' || c == u']'; };
    const auto brackets = size_t(std::count_if(characters, characters + text.size(), isBracket));
    d->positions.reserve(brackets);
    d->partners.reserve(brackets);
    std::vector<int> open;
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
    d->unmatched.reserve(size_t(std::count(d->partners.begin(), d->partners.end(), -1)));
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

int loopEnd(QStringView program, int position)
{
    const char16_t *const code = program.utf16();
    int depth = 1;
    for (qsizetype i = std::max(position + 1, 0); i < program.size(); ++i) {
        if (code[i] == u'[') {
            ++depth;
        } else if (code[i] == u']') {
            if (--depth == 0)
                return int(i);
        }
    }
    return -1;
}
