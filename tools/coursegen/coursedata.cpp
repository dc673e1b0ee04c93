// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coursedata.h"

#include <algorithm>
#include <functional>
#include <numeric>

using namespace Qt::StringLiterals;

namespace coursegen {

namespace {

Values withEnd(Values values, int end = 0)
{
    values.append(end);
    return values;
}

// Reads a 0-terminated list starting at *position and moves past the 0.
Values takeList(Context &context, const Values &input, qsizetype *position)
{
    Values list;
    while (*position < input.size() && input.at(*position) != 0)
        list.append(input.at((*position)++));
    context.require(*position < input.size(), u"a list lacks its closing 0"_s);
    ++*position;
    return list;
}

Values takeWholeList(Context &context, const Values &input, int maximumLength)
{
    qsizetype position = 0;
    const Values list = takeList(context, input, &position);
    context.require(position == input.size(), u"input after the closing 0"_s);
    context.require(list.size() <= maximumLength, u"a list of %1 values"_s.arg(list.size()));
    return list;
}

Values fibonacci(int count)
{
    Values values;
    int a = 0;
    int b = 1;
    for (int i = 0; i < count; ++i) {
        values.append(a);
        const int next = a + b;
        a = b;
        b = next;
    }
    return values;
}

// Fixed inputs first, then random ones from the maker until the challenge has its count. A
// repeated case tests nothing new, so it is drawn again; the attempts are bounded, and a maker
// that runs out of fresh cases shows up as a wrong count.
NormalInputs fixedThenRandom(QList<Values> fixed, std::function<Values(Context &)> maker, int count)
{
    return [fixed, maker, count](Context &context) {
        QList<Values> inputs = fixed;
        for (int attempt = 0; inputs.size() < count && attempt < 1000; ++attempt) {
            const Values input = maker(context);
            if (!inputs.contains(input))
                inputs.append(input);
        }
        return inputs;
    };
}

NormalInputs fixedOnly(QList<Values> fixed)
{
    return [fixed](Context &) { return fixed; };
}

// 0-terminated lists: the fixed ones, one of the longest length allowed, then random lengths.
NormalInputs listCases(QList<Values> fixed, int longest, int count)
{
    return [fixed, longest, count](Context &context) {
        QList<Values> inputs = fixed;
        inputs.append(withEnd(context.random.list(longest, 1, MaximumValue)));
        return fixedThenRandom(inputs,
                               [longest](Context &c) {
                                   return withEnd(
                                       c.random.list(c.random.range(2, longest), 1, MaximumValue));
                               }, count)(context);
    };
}

NormalInputs noInput()
{
    return [](Context &) { return QList<Values>{{}}; };
}

const QString Word = u"zindle"_s;

QString nameText(const QString &extra)
{
    return u"This one runs in alphabet mode: every value you output stands for a letter, a = 1, b "
           "= 2 and so on up to z = 26. (Letters you read would arrive the same way, with a line "
           "break as 0, but there is nothing to read here.)\n\n"
           "Output the word zindle, the name of this very workbench: 26, 9, 14, 4, 12, 5."_s
        + extra;
}

const QString AlphabetInput =
    u"Alphabet mode: the letters you read arrive as numbers, a = 1, b = 2, ..., z = 26, and a line "
    "break arrives as 0. Letters you output are written the same way."_s;

QString oneWordInput(int longest)
{
    return AlphabetInput
        + u"\n\nYour input is one word of 1 to %1 letters, followed by a line break. "_s
              .arg(longest);
}

QString rot13(const QString &word)
{
    QString result;
    for (QChar letter : word)
        result.append(QChar(u'a' + (letter.unicode() - u'a' + 13) % 26));
    return result;
}

bool isVowel(QChar letter)
{
    return QStringView(u"aeiou").contains(letter);
}

QString palindrome(Random &random, int length)
{
    const QString half = random.word(length / 2);
    QString reversed = half;
    std::reverse(reversed.begin(), reversed.end());
    return half + (length % 2 ? random.word(1) : QString()) + reversed;
}

struct Account
{
    const char16_t *user;
    const char16_t *password;
};

const Account Accounts[] = {
    {u"alice", u"wonderland"}, {u"bob", u"builder"}, {u"carol", u"singer"},
    {u"dave", u"diver"},       {u"eve", u"apple"},   {u"mallory", u"intruder"},
};

// Random pairs for the calculator that keep the total within 0 ... 33713 and never divide by 0.
Values calculation(Context &context, int pairs)
{
    Random &random = context.random;
    Values in;
    int total = 0;
    for (int i = 0; i < pairs; ++i) {
        const int op = total == 0 ? 1 : random.range(1, 4);
        int x = 0;
        switch (op) {
        case 1:
            x = random.typical(0, MaximumValue - total);
            total += x;
            break;
        case 2:
            x = random.typical(0, total);
            total -= x;
            break;
        case 3:
            x = random.range(0, MaximumValue / total);
            total *= x;
            break;
        default:
            x = random.typical(1, 99);
            total /= x;
            break;
        }
        in << op << x;
    }
    return withEnd(in);
}

} // namespace

QList<Entry> courseEntries()
{
    QList<Entry> course;

    course.append({u"Good for nothing"_s, 0, 10, 0, u"normal"_s, 1,
                 u"Welcome to the course! Let's start gently.\n\n"
                 "Write a program that outputs a single 0. There is no input.\n\n"
                 "Tip: every cell starts out holding 0."_s,
                 noInput(), [](Context &, const Values &) { return Values{0}; }});

    course.append({u"High five"_s, 0, 10, 0, u"normal"_s, 1,
                 u"Output the number 5. There is no input this time.\n\n"
                 "Remember that + adds one to the current cell."_s,
                 noInput(), [](Context &, const Values &) { return Values{5}; }});

    course.append({u"Echo"_s, 0, 10, 0, u"normal"_s, 6,
                 u"Read one value and output it unchanged. The value is between 0 and 33713."_s,
                 fixedThenRandom({{0}, {1}, {MaximumValue}, {42}},
                                 [](Context &c) {
                                     return Values{c.random.typical(2, MaximumValue)};
                                 }, 6),
                 [](Context &, const Values &in) { return in; }});

    course.append({u"One up"_s, 0, 10, 0, u"normal"_s, 7,
                 u"Read a value n and output n+1. The value n is between 0 and 33712, so the "
                 "answer always fits in a cell."_s,
                 fixedThenRandom({{0}, {1}, {9}, {MaximumValue - 1}},
                                 [](Context &c) {
                                     return Values{c.random.typical(2, MaximumValue - 2)};
                                 }, 7),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) < MaximumValue, u"n too large"_s);
                     return Values{in.at(0) + 1};
                 }});

    course.append({u"Numeric readout"_s, 0, 10, 0, u"normal"_s, 1,
                 u"Output the numbers 1, 2, 3 and so on up to 10, in that order. There is "
                 "no input."_s,
                 noInput(),
                 [](Context &, const Values &) { return Values{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}; }});

    course.append({u"Echo three"_s, 0, 10, 0, u"normal"_s, 9,
                 u"Read three values and output them in the same order. Each value is between 0 "
                 "and 33713."_s,
                 fixedThenRandom({{0, 0, 0}, {1, 2, 3}, {3, 2, 1}, {MaximumValue, 0, 1},
                                  {MaximumValue, MaximumValue, MaximumValue}},
                                 [](Context &c) { return c.random.list(3, 0, MaximumValue); }, 9),
                 [](Context &, const Values &in) { return in; }});

    course.append({u"Eraser"_s, 1, 1, 0, u"normal"_s, 7,
                 u"Read a value x, output it, and then output 0.\n\n"
                 "The catch: this time your tape has just ONE cell, so there is nowhere to move "
                 "to. The value x is between 0 and 33713."_s,
                 fixedThenRandom({{0}, {1}, {MaximumValue}, {2}},
                                 [](Context &c) {
                                     return Values{c.random.typical(3, MaximumValue)};
                                 }, 7),
                 [](Context &, const Values &in) { return Values{in.at(0), 0}; }});

    course.append({u"Catenate"_s, 1, 10, 0, u"normal"_s, 9,
                 u"Read values one by one and output each of them, until you read a 0. The 0 only "
                 "marks the end of the input: don't output it.\n\n"
                 "There are at most 20 values before the 0, each between 1 and 33713, and there "
                 "may be none at all (then the input is just 0)."_s,
                 listCases({{0}, {1, 0}, {MaximumValue, 0}, withEnd(Values(20, MaximumValue)),
                            {1, MaximumValue, 1, 0}}, 20, 9),
                 [](Context &c, const Values &in) { return takeWholeList(c, in, 20); }});

    course.append({u"Rewind"_s, 1, 50, 0, u"normal"_s, 8,
                 u"Read a list of values ended by a 0 and output the values in reverse order, the "
                 "last one first. Don't output the 0.\n\n"
                 "The list holds at most 40 values, each between 1 and 33713, and it may be empty. "
                 "Your tape has 50 cells; you will want to use < this time."_s,
                 listCases({{0}, {7, 0}, {1, 2, 0}, {MaximumValue, 1, 0}}, 40, 8),
                 [](Context &c, const Values &in) {
                     Values list = takeWholeList(c, in, 40);
                     std::reverse(list.begin(), list.end());
                     return list;
                 }});

    const auto sumAtMost = [](Context &c) {
        const int a = c.random.typical(0, MaximumValue);
        return Values{a, c.random.typical(0, MaximumValue - a)};
    };
    const QList<Values> sumCases = {{0, 0}, {0, 1}, {1, 0}, {MaximumValue, 0}, {0, MaximumValue},
                                    {16856, 16857}, {2, 3}};

    course.append({u"Addition"_s, 1, 10, 0, u"normal"_s, 10,
                 u"Read two values a and b and output their sum a+b. The sum is never more than "
                 "33713."_s,
                 fixedThenRandom(sumCases, sumAtMost, 10),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) + in.at(1) <= MaximumValue, u"sum too large"_s);
                     return Values{in.at(0) + in.at(1)};
                 }});

    course.append({u"The final countdown"_s, 0, 10, 0, u"normal"_s, 7,
                 u"Read a value n between 0 and 100 and count down: output n, n-1, n-2 and so on, "
                 "down to and including 0. For 3 that is 3, 2, 1, 0."_s,
                 fixedThenRandom({{0}, {1}, {2}, {10}, {100}},
                                 [](Context &c) { return Values{c.random.range(3, 99)}; }, 7),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) <= 100, u"n above 100"_s);
                     Values out;
                     for (int n = in.at(0); n >= 0; --n)
                         out.append(n);
                     return out;
                 }});

    course.append({u"Subtraction"_s, 1, 10, 0, u"normal"_s, 12,
                 u"Read two values a and b and output a-b. Both are between 0 and 33713, and b is "
                 "never larger than a."_s,
                 fixedThenRandom({{0, 0}, {1, 0}, {1, 1}, {MaximumValue, 0},
                                  {MaximumValue, MaximumValue}, {MaximumValue, 1}, {5, 3},
                                  {100, 99}},
                                 [](Context &c) {
                                     const int a = c.random.typical(0, MaximumValue);
                                     return Values{a, c.random.typical(0, a)};
                                 },
                                 12),
                 [](Context &c, const Values &in) {
                     c.require(in.at(1) <= in.at(0), u"b above a"_s);
                     return Values{in.at(0) - in.at(1)};
                 }});

    course.append({u"Running total"_s, 1, 30, 0, u"normal"_s, 9,
                 u"Read a list of values ended by a 0 and output their sum, a single value. An "
                 "empty list (the input is just 0) sums to 0.\n\n"
                 "The list holds at most 20 values, each between 1 and 33713, and their sum is "
                 "never more than 33713."_s,
                 fixedThenRandom({{0}, {1, 0}, {MaximumValue, 0}, {MaximumValue - 1, 1, 0},
                                  withEnd(Values(19, 1685) << 1698)},
                                 [](Context &c) {
                                     Values values;
                                     int room = MaximumValue;
                                     const int length = c.random.range(2, 20);
                                     while (values.size() < length && room > 0) {
                                         values.append(c.random.typical(1, std::min(room, 3000)));
                                         room -= values.constLast();
                                     }
                                     return withEnd(values);
                                 },
                                 9),
                 [](Context &c, const Values &in) {
                     const Values list = takeWholeList(c, in, 20);
                     const int sum = std::accumulate(list.begin(), list.end(), 0);
                     c.require(sum <= MaximumValue, u"sum too large"_s);
                     return Values{sum};
                 }});

    const auto nameInputs = [](Context &) { return QStringList{QString()}; };
    const auto nameOracle = [](Context &c, const QString &in) {
        c.require(in.isEmpty(), u"input given"_s);
        return Word;
    };

    course.append({u"What's in a name?"_s, 0, 10, 0, u"alpha"_s, 1, nameText(QString()), {}, {},
                   nameInputs, nameOracle});

    course.append({u"Additional work"_s, 1, 10, 0, u"normal"_s, 10,
                 u"Read two values a and b, then output three values: the sum a+b, then a, then b. "
                 "The sum is never more than 33713."_s,
                 fixedThenRandom(sumCases, sumAtMost, 10),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) + in.at(1) <= MaximumValue, u"sum too large"_s);
                     return Values{in.at(0) + in.at(1), in.at(0), in.at(1)};
                 }});

    course.append({u"The doubler"_s, 1, 10, 0, u"normal"_s, 11,
                 u"Read a value n and output 2n, twice the value. The value n is between 0 and "
                 "16856, so the answer fits in a cell."_s,
                 fixedThenRandom({{0}, {1}, {2}, {16855}, {16856}},
                                 [](Context &c) { return Values{c.random.typical(3, 16854)}; }, 11),
                 [](Context &c, const Values &in) {
                     c.require(2 * in.at(0) <= MaximumValue, u"n too large"_s);
                     return Values{2 * in.at(0)};
                 }});

    course.append({u"Fibonacci"_s, 2, 100, 0, u"normal"_s, 8,
                 u"The Fibonacci numbers start with 0 and 1, and each next one is the sum of the "
                 "two before it: 0, 1, 1, 2, 3, 5, 8, 13, ...\n\n"
                 "Read a value n between 0 and 24 and output the first n Fibonacci numbers. For n "
                 "= 0 output nothing, for n = 1 just 0, for n = 2 the values 0 and 1. The largest "
                 "one you will need is 28657."_s,
                 fixedThenRandom({{0}, {1}, {2}, {3}, {24}},
                                 [](Context &c) { return Values{c.random.range(4, 23)}; }, 8),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) <= 24, u"n above 24"_s);
                     return fibonacci(in.at(0));
                 }});

    course.append({u"Multiplication"_s, 2, 10, 0, u"normal"_s, 12,
                 u"Read two values a and b and output their product a*b. Either of them may be 0, "
                 "and the product is never more than 33713."_s,
                 fixedThenRandom({{0, 0}, {0, MaximumValue}, {MaximumValue, 0}, {1, 1},
                                  {1, MaximumValue},
                                  {MaximumValue, 1}, {183, 184}, {2, 16856}, {7, 6}, {12, 12}},
                                 [](Context &c) {
                                     const int a = c.random.range(2, 180);
                                     return Values{a, c.random.range(2, MaximumValue / a)};
                                 },
                                 12),
                 [](Context &c, const Values &in) {
                     const qint64 product = qint64(in.at(0)) * in.at(1);
                     c.require(product <= MaximumValue, u"product too large"_s);
                     return Values{int(product)};
                 }});

    course.append({u"What's in a name? II"_s, 1, 10, 75, u"alpha"_s, 1,
                 nameText(u"\n\nThis time your program may have at most 75 commands."_s), {}, {},
                 nameInputs, nameOracle});

    course.append({u"Power"_s, 2, 20, 0, u"normal"_s, 13,
                 u"Read two values a and b and output a to the power b: 1 multiplied by a, b times "
                 "over. Anything to the power 0 is 1, even 0 to the power 0.\n\n"
                 "Both values are between 0 and 33713 and the result is never more than 33713, but "
                 "b may still be large: 1 to the power 1000 is just 1."_s,
                 fixedOnly({{0, 0}, {0, 5}, {7, 0}, {1, 1000}, {MaximumValue, 1}, {MaximumValue, 0},
                            {2, 15}, {3, 9}, {181, 2}, {2, 1}, {10, 4}, {32, 3}, {0, 1}}),
                 [](Context &c, const Values &in) {
                     qint64 power = 1;
                     for (int i = 0; i < in.at(1) && power <= MaximumValue; ++i)
                         power *= in.at(0);
                     c.require(power <= MaximumValue, u"power too large"_s);
                     return Values{int(power)};
                 }});

    course.append({u"Iccanobif"_s, 3, 2000, 0, u"normal"_s, 8,
                 u"Fibonacci, backwards! Read a value n between 0 and 24 and output the first n "
                 "Fibonacci numbers (0, 1, 1, 2, 3, 5, ...) in reverse order, the largest first. "
                 "For n = 3 that is 1, 1, 0; for n = 0 output nothing."_s,
                 fixedThenRandom({{0}, {1}, {2}, {3}, {24}},
                                 [](Context &c) { return Values{c.random.range(4, 23)}; }, 8),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) <= 24, u"n above 24"_s);
                     Values out = fibonacci(in.at(0));
                     std::reverse(out.begin(), out.end());
                     return out;
                 }});

    course.append({u"Zero test"_s, 2, 10, 0, u"normal"_s, 10,
                 u"Read a value x between 0 and 33713. Output 1 if x is 0, and 0 otherwise."_s,
                 fixedThenRandom({{0}, {1}, {MaximumValue}, {2}, {255}, {256}},
                                 [](Context &c) {
                                     return Values{c.random.typical(0, MaximumValue)};
                                 }, 10),
                 [](Context &, const Values &in) { return Values{in.at(0) == 0 ? 1 : 0}; }});

    course.append({u"Memory"_s, 2, 1785, 0, u"normal"_s, 10,
                 u"First read a list of values ended by a 0: from 1 to 500 values, each between 1 "
                 "and 33713. Then read queries, ended by another 0. Each query is a position in "
                 "the list, counting from 1; for each one output the value at that position.\n\n"
                 "For example, with the input 6, 8, 2, 0, 1, 2, 3, 0 the list is 6, 8, 2 and the "
                 "answers are 6, 8, 2.\n\n"
                 "There are at most 20 queries, maybe none, and each one is between 1 and the "
                 "length of the list."_s,
                 [](Context &c) {
                     QList<Values> inputs = {{6, 8, 2, 0, 1, 2, 3, 0}, {5, 0, 0},
                                             {MaximumValue, 0, 1, 1, 0}};
                     const auto query = [&c](int length, int count, Values fixed) {
                         Values list = c.random.list(length, 1, MaximumValue);
                         list.append(0);
                         while (fixed.size() < count)
                             fixed.append(c.random.range(1, length));
                         return list + withEnd(fixed);
                     };
                     inputs.append(query(500, 20, {1, 500, 250}));
                     inputs.append(query(500, 0, {}));
                     inputs.append(query(2, 5, {2, 1, 2}));
                     while (inputs.size() < 10)
                         inputs.append(query(c.random.range(3, 120), c.random.range(1, 20), {}));
                     return inputs;
                 },
                 [](Context &c, const Values &in) {
                     qsizetype position = 0;
                     const Values list = takeList(c, in, &position);
                     const Values queries = takeList(c, in, &position);
                     c.require(position == in.size(), u"input after the queries"_s);
                     c.require(!list.isEmpty() && list.size() <= 500,
                               u"list of %1 values"_s.arg(list.size()));
                     c.require(queries.size() <= 20, u"%1 queries"_s.arg(queries.size()));
                     Values out;
                     for (int q : queries) {
                         c.require(q >= 1 && q <= list.size(),
                                   u"query %1 outside the list"_s.arg(q));
                         out.append(list.value(q - 1));
                     }
                     return out;
                 }});

    course.append({u"Seven force"_s, 2, 10, 0, u"normal"_s, 10,
                 u"Read a value x between 0 and 33713. Output 1 if x is 7, and 0 otherwise."_s,
                 fixedThenRandom({{7}, {0}, {6}, {8}, {1}, {MaximumValue}, {14}, {70}},
                                 [](Context &c) {
                                     return Values{c.random.typical(0, MaximumValue)};
                                 }, 10),
                 [](Context &, const Values &in) { return Values{in.at(0) == 7 ? 1 : 0}; }});

    course.append({u"Equality"_s, 2, 10, 0, u"normal"_s, 11,
                 u"Read two values a and b, each between 0 and 33713. Output 1 if they are equal, "
                 "and 0 otherwise."_s,
                 fixedThenRandom({{0, 0}, {0, 1}, {1, 0}, {MaximumValue, MaximumValue},
                                  {MaximumValue, 0},
                                  {0, MaximumValue}, {5, 5}, {5, 6}, {6, 5}, {1234, 1234}},
                                 [](Context &c) { return c.random.list(2, 0, MaximumValue); }, 11),
                 [](Context &, const Values &in) { return Values{in.at(0) == in.at(1) ? 1 : 0}; }});

    course.append({u"Electronic lock"_s, 2, 35, 0, u"normal"_s, 11,
                 u"A lock opens for the code 4 8 15 16, entered in exactly that order.\n\n"
                 "Read four values, each between 0 and 33713. Output 1 if they are 4, 8, 15 and "
                 "16, in this order, and 0 otherwise."_s,
                 fixedOnly({{4, 8, 15, 16}, {4, 8, 15, 17}, {4, 8, 15, 15}, {3, 8, 15, 16},
                            {4, 9, 15, 16}, {4, 8, 14, 16}, {8, 4, 15, 16}, {16, 15, 8, 4},
                            {4, 8, 16, 15}, {0, 0, 0, 0},
                            {MaximumValue, MaximumValue, MaximumValue, MaximumValue}}),
                 [](Context &, const Values &in) {
                     return Values{in == Values{4, 8, 15, 16} ? 1 : 0};
                 }});

    course.append({u"Larger than life"_s, 3, 10, 0, u"normal"_s, 13,
                 u"Read two values a and b, each between 0 and 33713. Output 1 if a is greater "
                 "than b, and 0 otherwise (also when they are equal)."_s,
                 fixedThenRandom({{0, 0}, {1, 0}, {0, 1}, {MaximumValue, MaximumValue},
                                  {MaximumValue, 0}, {0, MaximumValue},
                                  {MaximumValue, MaximumValue - 1},
                                  {MaximumValue - 1, MaximumValue}, {5, 5}, {6, 5}, {5, 6}},
                                 [](Context &c) { return c.random.list(2, 0, MaximumValue); }, 13),
                 [](Context &, const Values &in) { return Values{in.at(0) > in.at(1) ? 1 : 0}; }});

    course.append({u"Odd one out"_s, 3, 20, 0, u"normal"_s, 12,
                 u"Read a value x between 0 and 33713. Output 1 if x is odd, and 0 if it "
                 "is even."_s,
                 fixedThenRandom({{0}, {1}, {2}, {3}, {MaximumValue}, {MaximumValue - 1}, {255},
                                  {256}},
                                 [](Context &c) {
                                     return Values{c.random.typical(4, MaximumValue)};
                                 }, 12),
                 [](Context &, const Values &in) { return Values{in.at(0) % 2}; }});

    course.append({u"Squares"_s, 3, 20, 32, u"normal"_s, 9,
                 u"Read a value n between 0 and 183 and output the first n squares: 1, 4, 9, 16 "
                 "and so on, up to n*n. For n = 0 output nothing.\n\n"
                 "Keep it short: your program may have at most 32 commands."_s,
                 fixedThenRandom({{0}, {1}, {2}, {3}, {10}, {183}},
                                 [](Context &c) { return Values{c.random.range(4, 182)}; }, 9),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) <= 183, u"n above 183"_s);
                     Values out;
                     for (int i = 1; i <= in.at(0); ++i)
                         out.append(i * i);
                     return out;
                 }});

    course.append({u"ROT13"_s, 3, 25, 0, u"alpha"_s, 6,
                 oneWordInput(30)
                     + u"Output each letter of the word moved 13 places along the alphabet, "
                       "starting again at a after z: a becomes n, b becomes o, ..., m becomes z, n "
                       "becomes a, ..., z becomes m. Don't output the line break."_s,
                 {}, {},
                 [](Context &c) {
                     return QStringList{u"shone"_s, u"abcdefghijklmnopqrstuvwxyz"_s, u"a"_s,
                                        u"zzz"_s,
                                        c.random.word(30), c.random.word(c.random.range(2, 12))};
                 },
                 [](Context &c, const QString &in) {
                     c.require(in.size() >= 1 && in.size() <= 30,
                               u"word of %1 letters"_s.arg(in.size()));
                     return rot13(in);
                 }});

    course.append({u"Binary"_s, 3, 80, 0, u"normal"_s, 11,
                 u"Read eight values, each 0 or 1: the bits of a number, the most significant bit "
                 "first. Output the number. For 0, 0, 0, 0, 0, 1, 0, 1 the answer is 5."_s,
                 [](Context &c) {
                     Values numbers = {0, 255, 1, 128, 127, 170, 85};
                     while (numbers.size() < 11) {
                         const int n = c.random.range(2, 254);
                         if (!numbers.contains(n))
                             numbers.append(n);
                     }
                     QList<Values> inputs;
                     for (int n : numbers) {
                         Values bits;
                         for (int bit = 7; bit >= 0; --bit)
                             bits.append((n >> bit) & 1);
                         inputs.append(bits);
                     }
                     return inputs;
                 },
                 [](Context &c, const Values &in) {
                     int value = 0;
                     for (int bit : in) {
                         c.require(bit == 0 || bit == 1, u"bit %1"_s.arg(bit));
                         value = 2 * value + bit;
                     }
                     c.require(in.size() == 8, u"%1 bits"_s.arg(in.size()));
                     return Values{value};
                 }});

    course.append({u"Divide and conquer"_s, 3, 30, 0, u"normal"_s, 10,
                 u"Read two values a and b, with a between 0 and 33713 and b between 1 and 33713. "
                 "Output two values: a divided by b, rounded down, and then the remainder. For 7 "
                 "and 2 that is 3 and 1."_s,
                 fixedThenRandom({{0, 1}, {1, 1}, {MaximumValue, 1}, {MaximumValue, MaximumValue},
                                  {7, 2}, {2, 7}, {100, 10}, {MaximumValue, 2}},
                                 [](Context &c) {
                                     return Values{c.random.typical(0, MaximumValue),
                                                   c.random.typical(1, 999)};
                                 }, 10),
                 [](Context &c, const Values &in) {
                     c.require(in.at(1) >= 1, u"division by 0"_s);
                     return Values{in.at(0) / std::max(in.at(1), 1),
                                   in.at(0) % std::max(in.at(1), 1)};
                 }});

    course.append({u"Zero test II"_s, 4, 20, 20, u"normal"_s, 10,
                 u"Read a value x between 0 and 33713. Output 1 if x is 0 and 0 otherwise, and "
                 "then output x itself.\n\n"
                 "Your program may have at most 20 commands."_s,
                 fixedThenRandom({{0}, {1}, {MaximumValue}, {2}, {7}},
                                 [](Context &c) {
                                     return Values{c.random.typical(0, MaximumValue)};
                                 }, 10),
                 [](Context &, const Values &in) {
                     return Values{in.at(0) == 0 ? 1 : 0, in.at(0)};
                 }});

    course.append({u"Collatz walker"_s, 4, 40, 0, u"normal"_s, 7,
                 u"Take a value n of at least 1. If n is even, halve it; if it is odd, make it "
                 "3n+1. Repeat until you reach 1.\n\n"
                 "Read n and output every value of this walk, starting with n itself and ending "
                 "with the 1. For n = 1 just output 1; for n = 6 output 6, 3, 10, 5, 16, 8, 4, 2, "
                 "1. No value along the way will be more than 33713."_s,
                 fixedOnly({{1}, {2}, {3}, {6}, {7}, {27}, {97}}),
                 [](Context &c, const Values &in) {
                     int n = in.at(0);
                     c.require(n >= 1, u"n below 1"_s);
                     Values out{n};
                     while (n > 1 && out.size() < 10000) {
                         n = n % 2 == 0 ? n / 2 : 3 * n + 1;
                         c.require(n <= MaximumValue, u"walk goes above the maximum"_s);
                         out.append(n);
                     }
                     return out;
                 }});

    course.append({u"Disemvowelment"_s, 3, 20, 0, u"alpha"_s, 9,
                 oneWordInput(30)
                     + u"Output the word without its vowels a, e, i, o and u (y is not a vowel "
                       "here), keeping the other letters in order. A word of nothing but vowels "
                       "gives no output at all. Don't output the line break."_s,
                 {}, {},
                 [](Context &c) {
                     return QStringList{u"software"_s, u"aeiou"_s, u"rhythm"_s, u"a"_s, u"b"_s,
                                        u"queueing"_s,
                                        c.random.word(30), c.random.word(c.random.range(3, 15)),
                                        c.random.word(c.random.range(3, 15), u"aeiouybcdz"_s)};
                 },
                 [](Context &c, const QString &in) {
                     c.require(in.size() >= 1 && in.size() <= 30,
                               u"word of %1 letters"_s.arg(in.size()));
                     QString out;
                     for (QChar letter : in) {
                         if (!isVowel(letter))
                             out.append(letter);
                     }
                     return out;
                 }});

    course.append({u"GCD"_s, 4, 25, 0, u"normal"_s, 15,
                 u"Read two values a and b, each between 1 and 33713, and output their greatest "
                 "common divisor: the largest number that divides both of them. For 12 and 18 that "
                 "is 6."_s,
                 fixedThenRandom({{1, 1}, {1, MaximumValue}, {MaximumValue, 1},
                                  {MaximumValue, MaximumValue}, {12, 18}, {18, 12}, {17, 5},
                                  {33712, 16856}, {21, 34}, {28657, 17711}, {100, 75}, {7, 7}},
                                 [](Context &c) {
                                     const int factor = c.random.range(1, 50);
                                     return Values{
                                         factor * c.random.range(1, MaximumValue / factor),
                                         factor * c.random.range(1, MaximumValue / factor)};
                                 },
                                 15),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) >= 1 && in.at(1) >= 1, u"a value below 1"_s);
                     return Values{std::gcd(in.at(0), in.at(1))};
                 }});

    course.append({u"Square root"_s, 4, 80, 0, u"normal"_s, 17,
                 u"Read a value n between 0 and 33713 and output its square root, rounded down: "
                 "the largest r for which r*r is not more than n. For 15 the answer is 3, for 16 "
                 "it is 4."_s,
                 fixedThenRandom({{0}, {1}, {2}, {3}, {4}, {8}, {9}, {15}, {16}, {24}, {25}, {99},
                                  {33488}, {33489}, {MaximumValue}},
                                 [](Context &c) {
                                     return Values{c.random.typical(26, MaximumValue)};
                                 }, 17),
                 [](Context &, const Values &in) {
                     int root = 0;
                     while ((root + 1) * (root + 1) <= in.at(0))
                         ++root;
                     return Values{root};
                 }});

    course.append({u"Calculator"_s, 4, 40, 0, u"normal"_s, 16,
                 u"Build a calculator! A total starts at 0. Read pairs of values, an operation and "
                 "an operand x:\n"
                 "1 adds x to the total,\n"
                 "2 subtracts x from the total,\n"
                 "3 multiplies the total by x,\n"
                 "4 divides the total by x, rounded down.\n"
                 "After each pair output the new total. An operation 0 ends the input; no operand "
                 "follows it. For example, 1, 20, 0 outputs 20.\n\n"
                 "The total always stays between 0 and 33713, you will never divide by 0, and "
                 "there are at most 12 pairs, maybe none."_s,
                 [](Context &c) {
                     const QList<Values> fixed = {{0}, {1, 20, 0}, {1, MaximumValue, 0},
                                                  {1, 5, 2, 5, 0}, {1, 7, 3, 0, 0},
                                                  {1, 100, 4, 7, 0},
                                                  {1, MaximumValue, 4, MaximumValue, 0},
                                                  {1, 183, 3, 184, 0}, {2, 0, 0},
                                                  {3, MaximumValue, 0},
                                                  {4, 1, 1, 9, 4, 10, 0}, calculation(c, 12)};
                     return fixedThenRandom(fixed, [](Context &random) {
                         return calculation(random, random.random.range(2, 11));
                     }, 16)(c);
                 },
                 [](Context &c, const Values &in) {
                     Values out;
                     qint64 total = 0;
                     qsizetype position = 0;
                     while (position < in.size() && in.at(position) != 0) {
                         const int op = in.at(position);
                         const int x = in.value(position + 1, -1);
                         position += 2;
                         c.require(x >= 0, u"operation without operand"_s);
                         switch (op) {
                         case 1: total += x; break;
                         case 2: total -= x; break;
                         case 3: total *= x; break;
                         case 4:
                             c.require(x != 0, u"division by 0"_s);
                             total /= std::max(x, 1);
                             break;
                         default: c.require(false, u"operation %1"_s.arg(op));
                         }
                         c.require(total >= 0 && total <= MaximumValue,
                                   u"total %1 out of range"_s.arg(total));
                         out.append(int(total));
                     }
                     c.require(position == in.size() - 1, u"input does not end with the 0"_s);
                     c.require(out.size() <= 12, u"%1 pairs"_s.arg(out.size()));
                     return out;
                 }});

    course.append({u"Large number adder"_s, 4, 200, 0, u"normal"_s, 10,
                 u"Read the 8 decimal digits of a number A, the most significant digit first, then "
                 "the 8 digits of a number B. Output the 9 digits of A+B, the most significant "
                 "first, leading zeros included. Every digit is a value between 0 and 9.\n\n"
                 "For A = 00000001 and B = 99999999 the output is 1, 0, 0, 0, 0, 0, 0, 0, 0."_s,
                 [](Context &c) {
                     QList<QPair<int, int>> pairs = {{0, 0}, {99999999, 99999999}, {99999999, 1},
                                                     {12345678, 87654321},
                                                     {1, 9}, {50000000, 50000000}};
                     while (pairs.size() < 10)
                         pairs.append({c.random.range(0, 99999999), c.random.range(0, 99999999)});
                     QList<Values> inputs;
                     for (const auto &[a, b] : pairs) {
                         Values digits;
                         for (int number : {a, b}) {
                             for (int scale = 10000000; scale >= 1; scale /= 10)
                                 digits.append(number / scale % 10);
                         }
                         inputs.append(digits);
                     }
                     return inputs;
                 },
                 [](Context &c, const Values &in) {
                     c.require(in.size() == 16, u"%1 digits"_s.arg(in.size()));
                     int a = 0;
                     int b = 0;
                     for (qsizetype i = 0; i < in.size(); ++i) {
                         c.require(in.at(i) <= 9, u"digit %1"_s.arg(in.at(i)));
                         (i < 8 ? a : b) = (i < 8 ? a : b) * 10 + in.at(i);
                     }
                     Values out;
                     for (int scale = 100000000; scale >= 1; scale /= 10)
                         out.append((a + b) / scale % 10);
                     return out;
                 }});

    course.append({u"What's in a name? III"_s, 4, 50, 65, u"alpha"_s, 1,
                 nameText(u"\n\nNow you have 50 cells of tape and at most 65 commands."_s), {},
                 {}, nameInputs, nameOracle});

    course.append({u"Binary II"_s, 4, 160, 0, u"normal"_s, 11,
                 u"Read a value n between 0 and 255 and output its eight bits, each 0 or 1, the "
                 "most significant bit first. For 5 output 0, 0, 0, 0, 0, 1, 0, 1."_s,
                 fixedThenRandom({{0}, {1}, {2}, {127}, {128}, {255}, {170}, {85}},
                                 [](Context &c) { return Values{c.random.range(3, 254)}; }, 11),
                 [](Context &c, const Values &in) {
                     c.require(in.at(0) <= 255, u"n above 255"_s);
                     Values bits;
                     for (int bit = 7; bit >= 0; --bit)
                         bits.append((in.at(0) >> bit) & 1);
                     return bits;
                 }});

    course.append({u"Optimal primes"_s, 4, 50, 0, u"normal"_s, 11,
                 u"Read a value n between 2 and 33713 and output its prime factors in ascending "
                 "order, each one as often as it divides n. For 12 output 2, 2, 3; for a prime "
                 "such as 13 just output 13."_s,
                 fixedThenRandom({{2}, {3}, {4}, {12}, {32768}, {33703}, {MaximumValue}, {30030},
                                  {9409}},
                                 [](Context &c) {
                                     return Values{c.random.typical(5, MaximumValue)};
                                 }, 11),
                 [](Context &c, const Values &in) {
                     int n = in.at(0);
                     c.require(n >= 2, u"n below 2"_s);
                     Values factors;
                     for (int d = 2; n > 1 && d <= n; ++d) {
                         while (n % d == 0) {
                             factors.append(d);
                             n /= d;
                         }
                     }
                     return factors;
                 }});

    course.append({u"Sorted"_s, 4, 8000, 0, u"normal"_s, 10,
                 u"Read a list of values ended by a 0 and output its values in ascending order, "
                 "the smallest first. Keep duplicates: 3, 1, 3 becomes 1, 3, 3. Don't output the "
                 "0.\n\n"
                 "The list holds at most 100 values, each between 1 and 33713, and it may be "
                 "empty."_s,
                 [](Context &c) {
                     QList<Values> inputs = {{0}, {5, 0}, {3, 1, 3, 0}, {MaximumValue, 1, 0},
                                             withEnd(Values(7, 42))};
                     Values ascending = c.random.list(30, 1, MaximumValue);
                     std::sort(ascending.begin(), ascending.end());
                     inputs.append(withEnd(ascending));
                     std::reverse(ascending.begin(), ascending.end());
                     inputs.append(withEnd(ascending));
                     Values full = c.random.list(100, 1, MaximumValue);
                     full[17] = full[60] = full[99];
                     full[3] = MaximumValue;
                     full[44] = 1;
                     inputs.append(withEnd(full));
                     while (inputs.size() < 10)
                         inputs.append(
                             withEnd(c.random.list(c.random.range(2, 100), 1, MaximumValue)));
                     return inputs;
                 },
                 [](Context &c, const Values &in) {
                     Values list = takeWholeList(c, in, 100);
                     std::sort(list.begin(), list.end());
                     return list;
                 }});

    course.append({u"Strange machine"_s, 4, 2000, 0, u"normal"_s, 13,
                 u"Build a strange little machine. It has a counter, starting at 0, and a list, "
                 "starting empty. Read commands until you read a 0; each command is a single "
                 "value:\n"
                 "1 adds 1 to the counter,\n"
                 "2 subtracts 1 from the counter,\n"
                 "3 outputs the counter,\n"
                 "4 appends the counter to the end of the list,\n"
                 "5 removes the last value of the list and makes it the counter,\n"
                 "6 outputs every value of the list, first to last (the list stays as it is).\n\n"
                 "The counter never goes below 0 or above 33713, 5 never comes when the list is "
                 "empty, the list never holds more than 300 values, and there are at most 400 "
                 "commands before the 0. If the input is just 0, there is nothing to output."_s,
                 [](Context &c) {
                     QList<Values> inputs = {{0}, {3, 0}, {1, 3, 0}, {6, 0}, {1, 1, 4, 2, 4, 6, 0},
                                             {1, 4, 1, 4, 5, 3, 6, 0}, {4, 5, 3, 0}};
                     inputs.append(withEnd(Values{1, 1, 1} + Values(300, 4) + Values{6, 3}));
                     while (inputs.size() < 13) {
                         Values commands;
                         Values kept;
                         int counter = 0;
                         const int length = inputs.size() == 8 ? 400 : c.random.range(10, 120);
                         while (commands.size() < length) {
                             int command = c.random.range(1, 6);
                             if ((command == 2 && counter == 0) || (command == 5 && kept.isEmpty())
                                 || (command == 4 && kept.size() == 300))
                                 command = 1;
                             if (command == 1)
                                 ++counter;
                             else if (command == 2)
                                 --counter;
                             else if (command == 4)
                                 kept.append(counter);
                             else if (command == 5)
                                 counter = kept.takeLast();
                             commands.append(command);
                         }
                         inputs.append(withEnd(commands));
                     }
                     return inputs;
                 },
                 [](Context &c, const Values &in) {
                     Values out;
                     Values list;
                     int counter = 0;
                     qsizetype position = 0;
                     for (; position < in.size() && in.at(position) != 0; ++position) {
                         switch (in.at(position)) {
                         case 1: ++counter; break;
                         case 2: --counter; break;
                         case 3: out.append(counter); break;
                         case 4: list.append(counter); break;
                         case 5:
                             c.require(!list.isEmpty(), u"5 on an empty list"_s);
                             counter = list.isEmpty() ? counter : list.takeLast();
                             break;
                         case 6: out += list; break;
                         default: c.require(false, u"command %1"_s.arg(in.at(position)));
                         }
                         c.require(counter >= 0 && counter <= MaximumValue,
                                   u"counter out of range"_s);
                         c.require(list.size() <= 300, u"list too long"_s);
                     }
                     c.require(position == in.size() - 1, u"input does not end with the 0"_s);
                     c.require(position <= 400, u"%1 commands"_s.arg(position));
                     return out;
                 }});

    course.append({u"Passwords"_s, 4, 20000, 0, u"alpha"_s, 28,
                 AlphabetInput
                     + u"\n\nYour input is a user name followed by a line break, then a password "
                       "followed by a line break; each of them is 1 to 20 letters. These are the "
                       "users and their passwords:\n\n"
                       "alice wonderland\n"
                       "bob builder\n"
                       "carol singer\n"
                       "dave diver\n"
                       "eve apple\n"
                       "mallory intruder\n\n"
                       "Output y if the user name and the password are exactly one of these pairs, "
                       "and n otherwise."_s,
                 {}, {},
                 [](Context &c) {
                     QStringList inputs;
                     for (const Account &account : Accounts)
                         inputs.append(QString::fromUtf16(account.user) + u"\\n"_s
                                       + QString::fromUtf16(account.password));
                     inputs << u"alice\\nbuilder"_s << u"bob\\nwonderland"_s << u"carol\\ndiver"_s
                            << u"dave\\nsinger"_s << u"eve\\nintruder"_s << u"mallory\\napple"_s
                            << u"alic\\nwonderland"_s << u"alicee\\nwonderland"_s
                            << u"bobby\\nbuilder"_s << u"carol\\nsinge"_s << u"dave\\ndivers"_s
                            << u"eve\\napples"_s << u"ev\\napple"_s << u"mallory\\nintruderr"_s
                            << u"trudy\\nintruder"_s << u"alice\\nalice"_s
                            << u"mallory\\nmallory"_s << u"wonderland\\nalice"_s << u"e\\napple"_s
                            << c.random.word(20) + u"\\n"_s + c.random.word(20)
                            << c.random.word(c.random.range(1, 8)) + u"\\nwonderland"_s
                            << u"bob\\nb"_s;
                     return inputs;
                 },
                 [](Context &c, const QString &in) {
                     const QStringList parts = in.split(u"\\n"_s);
                     c.require(parts.size() == 2, u"not a name and a password"_s);
                     for (const QString &part : parts)
                         c.require(part.size() >= 1 && part.size() <= 20,
                                   u"part of %1 letters"_s.arg(part.size()));
                     for (const Account &account : Accounts) {
                         if (parts == QStringList{QString::fromUtf16(account.user),
                                                  QString::fromUtf16(account.password)})
                             return u"y"_s;
                     }
                     return u"n"_s;
                 }});

    course.append({u"Cubic root"_s, 5, 6, 100, u"normal"_s, 18,
                 u"Read a value n between 0 and 33713 and output its cube root, rounded down: the "
                 "largest r for which r*r*r is not more than n. For 26 the answer is 2, for 27 it "
                 "is 3.\n\n"
                 "Tight quarters: you have 6 cells of tape and at most 100 commands."_s,
                 fixedThenRandom({{0}, {1}, {7}, {8}, {26}, {27}, {32767}, {32768}, {MaximumValue},
                                  {63}, {64}, {124}, {125}, {999}, {1000}},
                                 [](Context &c) {
                                     return Values{c.random.typical(2, MaximumValue)};
                                 }, 18),
                 [](Context &, const Values &in) {
                     int root = 0;
                     while ((root + 1) * (root + 1) * (root + 1) <= in.at(0))
                         ++root;
                     return Values{root};
                 }});

    course.append({u"To brain: air bot"_s, 4, 800, 0, u"alpha"_s, 16,
                 oneWordInput(300)
                     + u"Output y if the word is a palindrome, the same read backwards as forwards "
                       "(like redivider), and n otherwise."_s,
                 {}, {},
                 [](Context &c) {
                     QStringList inputs = {u"redivider"_s, u"a"_s, u"ab"_s, u"aa"_s, u"aba"_s,
                                           u"abca"_s, u"abcdcba"_s, u"abcdba"_s, u"zz"_s, u"az"_s};
                     inputs.append(palindrome(c.random, 300));
                     QString nearMiss = palindrome(c.random, 300);
                     nearMiss[140] = QChar(u'a' + (nearMiss.at(140).unicode() - u'a' + 1) % 26);
                     inputs.append(nearMiss);
                     inputs.append(palindrome(c.random, 299));
                     QString endsDiffer = palindrome(c.random, 41);
                     endsDiffer[40] = QChar(u'a' + (endsDiffer.at(40).unicode() - u'a' + 5) % 26);
                     inputs.append(endsDiffer);
                     inputs.append(c.random.word(c.random.range(3, 60)));
                     inputs.append(palindrome(c.random, c.random.range(3, 60)));
                     return inputs;
                 },
                 [](Context &c, const QString &in) {
                     c.require(in.size() >= 1 && in.size() <= 300,
                               u"word of %1 letters"_s.arg(in.size()));
                     QString reversed = in;
                     std::reverse(reversed.begin(), reversed.end());
                     return reversed == in ? u"y"_s : u"n"_s;
                 }});

    course.append({u"What's in a name? IV"_s, 5, 50, 55, u"alpha"_s, 1,
                 nameText(u"\n\nThe last word on it: 50 cells of tape and at most 55 commands."_s),
                 {}, {}, nameInputs, nameOracle});

    course.append({u"Reverse engineering"_s, 5, 20000, 0, u"normal"_s, 48, u"...?"_s,
                 [](Context &c) {
                     QList<Values> inputs;
                     for (int n : {1, 2, 3, 0, 5, 9, 10, 11, 12, 19, 20, 23, 45, 99, 100, 101, 109,
                                   110, 123, 555, 999, 1000, 1001, 1234, 9999, 10000, 12345, 19999,
                                   29999, MaximumValue})
                         inputs.append(Values{n});
                     while (inputs.size() < 48) {
                         const Values n{c.random.typical(0, MaximumValue)};
                         if (!inputs.contains(n))
                             inputs.append(n);
                     }
                     return inputs;
                 },
                 [](Context &, const Values &in) {
                     int sum = 0;
                     for (int n = in.at(0); n > 0; n /= 10)
                         sum += n % 10;
                     return Values{sum};
                 }});

    course.append({u"Nim"_s, 5, 20000, 0, u"nim"_s, 50,
                 u"Let's play Nim! There are three piles of objects. The players take turns; a "
                 "move takes any number of objects from one pile. Whoever takes the last object "
                 "wins.\n\n"
                 "First read the sizes of the three piles: the first two hold 1 to 30 objects, the "
                 "third 1 to 31. Then you move first. To move, output the number of a pile (1, 2 "
                 "or 3; it must not be empty) and then how many objects you take from it (from 0 "
                 "up to the size of the pile; 0 changes nothing). After your move, unless all "
                 "piles are empty, read the computer's move, again a pile number and a count, and "
                 "take those objects away too. Then it is your turn again.\n\n"
                 "When all piles are empty, after your move or after the computer's, the game is "
                 "over: end your program without reading or writing anything more.\n\n"
                 "You don't have to win, but every move must be legal. You will play 50 games, "
                 "each one dealt afresh."_s});

    return course;
}

} // namespace coursegen
