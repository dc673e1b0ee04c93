// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challenge.h"
#include "challenges/challengeloader.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One line per challenge, every field in order, so that a failed comparison shows what differs.
QString describe(const Challenge &challenge)
{
    return QStringList{challenge.name,
                       challenge.text,
                       QString::number(challenge.difficulty),
                       QString::number(challenge.tapeLength),
                       QString::number(challenge.programLength),
                       challenge.testType,
                       challenge.testCases.join(u';')}
        .join(u'|');
}

QStringList describeList()
{
    QStringList lines;
    for (const Challenge &challenge : challengeList())
        lines.append(describe(challenge));
    return lines;
}

QStringList load(QByteArray document)
{
    QBuffer buffer(&document);
    buffer.open(QIODevice::ReadOnly);
    ChallengeLoader loader(&buffer);
    loader.read();
    return describeList();
}

QByteArray threeChallenges()
{
    return "<xml>"
           "<challenge><name>One</name><tape_length>5</tape_length>"
           "<test type=\"normal\"><data> => 1</data><data>2 => 2</data></test></challenge>"
           "<challenge><name>Two</name><text>Second\n\nline</text><difficulty>2</difficulty>"
           "</challenge>"
           "<challenge><name>Three</name><program_length>9</program_length></challenge>"
           "</xml>\n";
}

} // namespace

class tst_ChallengeLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data();
    void documents();
    void numbers_data();
    void numbers();
    void par_data();
    void par();
    void unreadableDevice();
    void readReplacesList();
    void truncatedAtEveryByte();
    void corruptedBytes();
    void deepNesting();
    void shippedCourse_data();
    void shippedCourse();
};

void tst_ChallengeLoader::documents_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("binary bytes") << QByteArray("\x00\x01\xff\xfe<\x00xml>\x89PNG", 14)
                                  << QStringList();
    QTest::newRow("plain text") << QByteArray("challenges go here") << QStringList();
    QTest::newRow("root of another name")
        << QByteArray("<course><challenge><name>A</name></challenge></course>") << QStringList();
    QTest::newRow("root name differs in case")
        << QByteArray("<XML><challenge><name>A</name></challenge></XML>") << QStringList();
    QTest::newRow("empty root") << QByteArray("<xml/>") << QStringList();
    QTest::newRow("defaults") << QByteArray("<xml><challenge/></xml>")
                              << QStringList{u"||0|10000|0||"_s};
    QTest::newRow("all fields")
        << QByteArray("<xml><challenge><name>Echo</name><text>Say it\nback.</text>"
                      "<difficulty>3</difficulty>"
                      "<tape_length>10</tape_length><program_length>75</program_length>"
                      "<test type=\"alpha\"><data>ab => ab</data><data>c => c</data></test>"
                      "</challenge></xml>")
        << QStringList{u"Echo|Say it\nback.|3|10|75|alpha|ab => ab;c => c"_s};
    QTest::newRow("any order")
        << QByteArray("<xml><challenge><test type=\"nim\"><data>g</data></test>"
                      "<program_length>4</program_length>"
                      "<tape_length>7</tape_length><difficulty>1</difficulty><text>T</text>"
                      "<name>N</name>"
                      "</challenge></xml>")
        << QStringList{u"N|T|1|7|4|nim|g"_s};
    QTest::newRow("unknown elements skipped with their content")
        << QByteArray("<xml><intro><challenge><name>Hidden</name></challenge></intro>"
                      "<challenge><hint><name>Wrong</name><data>x</data></hint><name>Shown</name>"
                      "<test type=\"normal\"><note><data>9 => 9</data></note><data>1 => 1</data>"
                      "</test>"
                      "</challenge><footer/></xml>")
        << QStringList{u"Shown||0|10000|0|normal|1 => 1"_s};
    QTest::newRow("later element wins")
        << QByteArray("<xml><challenge><name>First</name><name>Second</name>"
                      "<tape_length>3</tape_length>"
                      "<tape_length>4</tape_length><difficulty>5</difficulty>"
                      "<difficulty>0</difficulty>"
                      "</challenge></xml>")
        << QStringList{u"Second||0|4|0||"_s};
    QTest::newRow("two tests append under the later type")
        << QByteArray("<xml><challenge><test type=\"normal\"><data>1 => 1</data></test>"
                      "<test type=\"alpha\"><data>a => a</data><data>b => b</data></test>"
                      "</challenge></xml>")
        << QStringList{u"||0|10000|0|alpha|1 => 1;a => a;b => b"_s};
    QTest::newRow("test without type")
        << QByteArray("<xml><challenge><test><data>1 => 1</data></test></challenge></xml>")
        << QStringList{u"||0|10000|0||1 => 1"_s};
    QTest::newRow("unknown test type kept")
        << QByteArray("<xml><challenge><test type=\"Normal\"/></challenge></xml>")
        << QStringList{u"||0|10000|0|Normal|"_s};
    QTest::newRow("case lines verbatim")
        << QByteArray("<xml><challenge><test type=\"normal\"><data> => 0</data>"
                      "<data>  1,2 => 3  </data>"
                      "<data>0 => </data><data><![CDATA[5 => 5]]></data>"
                      "<data>4<!-- note -->2 => 42</data>"
                      "</test></challenge></xml>")
        << QStringList{u"||0|10000|0|normal| => 0;  1,2 => 3  ;0 => ;5 => 5;42 => 42"_s};
    QTest::newRow("entities and blank lines in text")
        << QByteArray(
            "<xml><challenge><text>a &lt; b &amp;&#65;\n\n  end </text></challenge></xml>")
        << QStringList{u"|a < b &A\n\n  end |0|10000|0||"_s};
    QTest::newRow("comments and declaration")
        << QByteArray("<?xml version=\"1.0\"?>\n<!-- course --><xml><challenge><name>A</name>"
                      "</challenge></xml>\n"
                      "<!-- <challenge><name>Template</name></challenge> -->\n")
        << QStringList{u"A||0|10000|0||"_s};
    QTest::newRow("three in file order") << threeChallenges()
                                         << QStringList{u"One||0|5|0|normal| => 1;2 => 2"_s,
                                                        u"Two|Second\n\nline|2|10000|0||"_s,
                                                        u"Three||0|10000|9||"_s};
    QTest::newRow("truncated inside a challenge")
        << QByteArray("<xml><challenge><name>A</name></challenge><challenge><name>B</name>"
                      "<tape_length>30</tape_length><test type=\"normal\"><data>1 => 1</data><da")
        << QStringList{u"A||0|10000|0||"_s, u"B||0|30|0|normal|1 => 1"_s};
    QTest::newRow("truncated inside a text")
        << QByteArray(
            "<xml><challenge><name>A</name><difficulty>2</difficulty><text>Unfinished sta")
        << QStringList{u"A||2|10000|0||"_s};
    QTest::newRow("child element inside a text ends reading")
        << QByteArray("<xml><challenge><name>A</name><text>x<b>y</b></text>"
                      "<difficulty>3</difficulty></challenge>"
                      "<challenge><name>C</name></challenge></xml>")
        << QStringList{u"A||0|10000|0||"_s};
    QTest::newRow("mismatched tags end reading")
        << QByteArray("<xml><challenge><name>A</name></challenge><challenge><name>B</nam>"
                      "</challenge>"
                      "<challenge><name>C</name></challenge></xml>")
        << QStringList{u"A||0|10000|0||"_s, u"||0|10000|0||"_s};
    QTest::newRow("content after the root is not read")
        << QByteArray("<xml><challenge><name>A</name></challenge></xml><xml><challenge/></xml>")
        << QStringList{u"A||0|10000|0||"_s};
    QTest::newRow("undefined entity ends reading")
        << QByteArray("<xml><challenge><name>A</name></challenge><challenge><name>&nope;</name>"
                      "</challenge></xml>")
        << QStringList{u"A||0|10000|0||"_s, u"||0|10000|0||"_s};
}

void tst_ChallengeLoader::documents()
{
    QFETCH(QByteArray, document);
    QFETCH(QStringList, expected);
    QCOMPARE(load(document), expected);
}

void tst_ChallengeLoader::numbers_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<int>("programLength");

    const int intMax = std::numeric_limits<int>::max();
    const int intMin = std::numeric_limits<int>::min();
    QTest::newRow("tape length 1") << QByteArray("tape_length") << QByteArray("1") << 0 << 1 << 0;
    QTest::newRow("tape length 0 becomes 1") << QByteArray("tape_length") << QByteArray("0") << 0
                                             << 1 << 0;
    QTest::newRow("negative tape length becomes 1") << QByteArray("tape_length") << QByteArray("-7")
                                                    << 0 << 1 << 0;
    QTest::newRow("tape length 50000") << QByteArray("tape_length") << QByteArray("50000") << 0
                                       << 50000 << 0;
    QTest::newRow("tape length above 50000") << QByteArray("tape_length") << QByteArray("50001")
                                             << 0 << 50000 << 0;
    QTest::newRow("huge tape length") << QByteArray("tape_length")
                                      << QByteArray("99999999999999999999999") << 0 << 50000 << 0;
    QTest::newRow("hugely negative tape length") << QByteArray("tape_length")
                                                 << QByteArray("-99999999999999999999") << 0 << 1
                                                 << 0;
    QTest::newRow("tape length not a number") << QByteArray("tape_length") << QByteArray("ten")
                                              << 0 << 1 << 0;
    QTest::newRow("empty tape length") << QByteArray("tape_length") << QByteArray("") << 0 << 1
                                       << 0;
    QTest::newRow("blanks around digits") << QByteArray("tape_length") << QByteArray(" 25\n") << 0
                                          << 25 << 0;
    QTest::newRow("plus sign") << QByteArray("tape_length") << QByteArray("+25") << 0 << 25 << 0;
    QTest::newRow("hexadecimal is no number") << QByteArray("tape_length") << QByteArray("0x10")
                                              << 0 << 1 << 0;
    QTest::newRow("exponent is no number") << QByteArray("tape_length") << QByteArray("1e3") << 0
                                           << 1 << 0;
    QTest::newRow("leading zeros are decimal") << QByteArray("tape_length") << QByteArray("010")
                                               << 0 << 10 << 0;
    QTest::newRow("difficulty kept beyond 5") << QByteArray("difficulty") << QByteArray("7") << 7
                                              << 10000 << 0;
    QTest::newRow("negative difficulty kept") << QByteArray("difficulty") << QByteArray("-1") << -1
                                              << 10000 << 0;
    QTest::newRow("huge difficulty") << QByteArray("difficulty") << QByteArray("123456789012")
                                     << intMax << 10000 << 0;
    QTest::newRow("hugely negative difficulty") << QByteArray("difficulty")
                                                << QByteArray("-123456789012") << intMin << 10000
                                                << 0;
    QTest::newRow("difficulty not a number") << QByteArray("difficulty") << QByteArray("hard") << 0
                                             << 10000 << 0;
    QTest::newRow("program length") << QByteArray("program_length") << QByteArray("55") << 0
                                    << 10000 << 55;
    QTest::newRow("negative program length is no limit") << QByteArray("program_length")
                                                         << QByteArray("-4") << 0 << 10000 << 0;
    QTest::newRow("huge program length") << QByteArray("program_length") << QByteArray("5000000000")
                                         << 0 << 10000 << intMax;
    QTest::newRow("program length not a number") << QByteArray("program_length")
                                                 << QByteArray("short") << 0 << 10000 << 0;
}

void tst_ChallengeLoader::numbers()
{
    QFETCH(QByteArray, element);
    QFETCH(QByteArray, content);
    QFETCH(int, difficulty);
    QFETCH(int, tapeLength);
    QFETCH(int, programLength);

    load("<xml><challenge><" + element + ">" + content + "</" + element + "></challenge></xml>");
    QCOMPARE(challengeList().size(), 1);
    const Challenge &challenge = challengeList().constFirst();
    QCOMPARE(challenge.difficulty, difficulty);
    QCOMPARE(challenge.tapeLength, tapeLength);
    QCOMPARE(challenge.programLength, programLength);
}

void tst_ChallengeLoader::par_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<int>("commands");
    QTest::addColumn<qint64>("steps");

    QTest::newRow("commands and steps") << QByteArray("commands=\"44\" steps=\"5000000000\"") << 44
                                        << qint64(5000000000);
    QTest::newRow("no steps") << QByteArray("commands=\"567\"") << 567 << qint64(0);
    QTest::newRow("negative") << QByteArray("commands=\"-3\" steps=\"-1\"") << 0 << qint64(0);
    QTest::newRow("huge") << QByteArray("commands=\"99999999999\" steps=\"1e400\"")
                          << 0 << qint64(0);
    QTest::newRow("not a number") << QByteArray("commands=\"few\" steps=\"12\"") << 0 << qint64(0);
    QTest::newRow("steps of no par") << QByteArray("steps=\"12\"") << 0 << qint64(0);
}

void tst_ChallengeLoader::par()
{
    QFETCH(QByteArray, attributes);
    QFETCH(int, commands);
    QFETCH(qint64, steps);

    // Written before the other fields, as a newer file might: the reader skips its content too.
    const QStringList loaded = load("<xml><challenge><par " + attributes + "><extra/></par>"
                                    "<name>P</name></challenge></xml>");
    QCOMPARE(loaded, QStringList{u"P||0|10000|0||"_s});
    QCOMPARE(challengeList().constFirst().parCommands, commands);
    QCOMPARE(challengeList().constFirst().parSteps, steps);
}

void tst_ChallengeLoader::unreadableDevice()
{
    challengeList() = {Challenge()};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"device not open"_s));
    QFile missing(u"no such challenge file.xml"_s);
    QVERIFY(!missing.open(QIODevice::ReadOnly));
    ChallengeLoader loader(&missing);
    loader.read();
    QVERIFY(challengeList().isEmpty());

    ChallengeLoader withoutDevice;
    challengeList() = {Challenge()};
    withoutDevice.read();
    QVERIFY(challengeList().isEmpty());
}

void tst_ChallengeLoader::readReplacesList()
{
    load(threeChallenges());
    QCOMPARE(challengeList().size(), 3);
    QCOMPARE(load("<xml><challenge><name>Only</name></challenge></xml>"),
             QStringList{u"Only||0|10000|0||"_s});
}

// Whatever byte a document ends at, the loader keeps the challenges before the cut, in order;
// the one cut short holds only what was complete before the cut.
void tst_ChallengeLoader::truncatedAtEveryByte()
{
    const QByteArray whole = threeChallenges();
    load(whole);
    const QList<Challenge> reference = challengeList();
    for (int length = 0; length <= whole.size(); ++length) {
        load(whole.left(length));
        const QList<Challenge> partial = challengeList();
        const QByteArray cut = "cut at " + QByteArray::number(length);
        QVERIFY2(partial.size() <= reference.size(), cut);
        for (qsizetype i = 0; i + 1 < partial.size(); ++i)
            QCOMPARE(describe(partial.at(i)), describe(reference.at(i)));
        if (partial.isEmpty())
            continue;
        const Challenge &read = partial.constLast();
        const Challenge &full = reference.at(partial.size() - 1);
        QVERIFY2(read.name.isEmpty() || read.name == full.name, cut);
        QVERIFY2(read.text.isEmpty() || read.text == full.text, cut);
        QVERIFY2(read.tapeLength == 10000 || read.tapeLength == full.tapeLength, cut);
        QVERIFY2(read.testCases == full.testCases.mid(0, read.testCases.size()), cut);
    }
    QCOMPARE(describeList().size(), reference.size());
}

// Random damage must never crash or hang the loader, nor make it list more than the document holds.
void tst_ChallengeLoader::corruptedBytes()
{
    const QByteArray whole = threeChallenges();
    quint64 state = 0x2545F4914F6CDD1DULL;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = whole;
        const int changes = 1 + int(next() % 4);
        for (int i = 0; i < changes; ++i)
            damaged[qsizetype(next() % quint64(damaged.size()))] = char(next() & 0xff);
        QVERIFY(load(damaged).size() <= 3);
    }
}

// Nesting far deeper than any course needs must neither exhaust the stack nor hang the loader.
void tst_ChallengeLoader::deepNesting()
{
    const int depth = 100000;
    QByteArray document = "<xml><challenge><name>Deep</name><hint>";
    document += QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
    document += "</hint><tape_length>12</tape_length></challenge><skip>"
        + QByteArray("<b>").repeated(depth);
    QCOMPARE(load(document), QStringList{u"Deep||0|12|0||"_s});
}

void tst_ChallengeLoader::shippedCourse_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<int>("programLength");
    QTest::addColumn<QString>("testType");
    QTest::addColumn<int>("caseCount");

    struct Row
    {
        QString name;
        int difficulty;
        int tapeLength;
        int programLength;
        QString testType;
        int caseCount;
    };
    const Row rows[] = {
        {u"Good for nothing"_s, 0, 10, 0, u"normal"_s, 1},
        {u"High five"_s, 0, 10, 0, u"normal"_s, 1},
        {u"Echo"_s, 0, 10, 0, u"normal"_s, 6},
        {u"One up"_s, 0, 10, 0, u"normal"_s, 7},
        {u"Numeric readout"_s, 0, 10, 0, u"normal"_s, 1},
        {u"Echo three"_s, 0, 10, 0, u"normal"_s, 9},
        {u"Eraser"_s, 1, 1, 0, u"normal"_s, 7},
        {u"Catenate"_s, 1, 10, 0, u"normal"_s, 9},
        {u"Rewind"_s, 1, 50, 0, u"normal"_s, 8},
        {u"Addition"_s, 1, 10, 0, u"normal"_s, 10},
        {u"The final countdown"_s, 0, 10, 0, u"normal"_s, 7},
        {u"Subtraction"_s, 1, 10, 0, u"normal"_s, 12},
        {u"Running total"_s, 1, 30, 0, u"normal"_s, 9},
        {u"What's in a name?"_s, 0, 10, 0, u"alpha"_s, 1},
        {u"Additional work"_s, 1, 10, 0, u"normal"_s, 10},
        {u"The doubler"_s, 1, 10, 0, u"normal"_s, 11},
        {u"Fibonacci"_s, 2, 100, 0, u"normal"_s, 8},
        {u"Multiplication"_s, 2, 10, 0, u"normal"_s, 12},
        {u"What's in a name? II"_s, 1, 10, 75, u"alpha"_s, 1},
        {u"Power"_s, 2, 20, 0, u"normal"_s, 13},
        {u"Iccanobif"_s, 3, 2000, 0, u"normal"_s, 8},
        {u"Zero test"_s, 2, 10, 0, u"normal"_s, 10},
        {u"Memory"_s, 2, 1785, 0, u"normal"_s, 10},
        {u"Seven force"_s, 2, 10, 0, u"normal"_s, 10},
        {u"Equality"_s, 2, 10, 0, u"normal"_s, 11},
        {u"Electronic lock"_s, 2, 35, 0, u"normal"_s, 11},
        {u"Larger than life"_s, 3, 10, 0, u"normal"_s, 13},
        {u"Odd one out"_s, 3, 20, 0, u"normal"_s, 12},
        {u"Squares"_s, 3, 20, 32, u"normal"_s, 9},
        {u"ROT13"_s, 3, 25, 0, u"alpha"_s, 6},
        {u"Binary"_s, 3, 80, 0, u"normal"_s, 11},
        {u"Divide and conquer"_s, 3, 30, 0, u"normal"_s, 10},
        {u"Zero test II"_s, 4, 20, 20, u"normal"_s, 10},
        {u"Collatz walker"_s, 4, 40, 0, u"normal"_s, 7},
        {u"Disemvowelment"_s, 3, 20, 0, u"alpha"_s, 9},
        {u"GCD"_s, 4, 25, 0, u"normal"_s, 15},
        {u"Square root"_s, 4, 80, 0, u"normal"_s, 17},
        {u"Calculator"_s, 4, 40, 0, u"normal"_s, 16},
        {u"Large number adder"_s, 4, 200, 0, u"normal"_s, 10},
        {u"What's in a name? III"_s, 4, 50, 65, u"alpha"_s, 1},
        {u"Binary II"_s, 4, 160, 0, u"normal"_s, 11},
        {u"Optimal primes"_s, 4, 50, 0, u"normal"_s, 11},
        {u"Sorted"_s, 4, 8000, 0, u"normal"_s, 10},
        {u"Strange machine"_s, 4, 2000, 0, u"normal"_s, 13},
        {u"Passwords"_s, 4, 20000, 0, u"alpha"_s, 28},
        {u"Cubic root"_s, 5, 6, 100, u"normal"_s, 18},
        {u"To brain: air bot"_s, 4, 800, 0, u"alpha"_s, 16},
        {u"What's in a name? IV"_s, 5, 50, 55, u"alpha"_s, 1},
        {u"Reverse engineering"_s, 5, 20000, 0, u"normal"_s, 48},
        {u"Nim"_s, 5, 20000, 0, u"nim"_s, 50},
    };
    int row = 0;
    for (const Row &r : rows) {
        QTest::addRow("%d %s", row, qPrintable(r.name))
            << row << r.name << r.difficulty << r.tapeLength << r.programLength << r.testType
            << r.caseCount;
        ++row;
    }
}

// The file compiled into the program lists the course in its fixed order: rows are identities.
void tst_ChallengeLoader::shippedCourse()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, difficulty);
    QFETCH(int, tapeLength);
    QFETCH(int, programLength);
    QFETCH(QString, testType);
    QFETCH(int, caseCount);

    QFile file(u":/challenges.xml"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ChallengeLoader loader(&file);
    loader.read();
    QCOMPARE(challengeList().size(), 50);
    const Challenge &challenge = challengeList().at(row);
    QCOMPARE(challenge.name, name);
    QCOMPARE(challenge.difficulty, difficulty);
    QCOMPARE(challenge.tapeLength, tapeLength);
    QCOMPARE(challenge.programLength, programLength);
    QCOMPARE(challenge.testType, testType);
    QCOMPARE(challenge.testCases.size(), caseCount);
    QVERIFY(!challenge.text.isEmpty());
}

QTEST_GUILESS_MAIN(tst_ChallengeLoader)
#include "tst_challengeloader.moc"
