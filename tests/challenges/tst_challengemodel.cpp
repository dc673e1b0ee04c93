// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "challenges/challenge.h"
#include "challenges/challengemodel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

Challenge challenge(const QString &name, int difficulty)
{
    Challenge record;
    record.name = name;
    record.difficulty = difficulty;
    return record;
}

QImage difficultyImage(int difficulty)
{
    return QPixmap(u":/difficulty%1.png"_s.arg(difficulty))
        .scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .toImage();
}

} // namespace

class tst_ChallengeModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void modelTester();
    void shape();
    void names();
    void unansweredQueries();
    void rowsBeyondList();
    void difficultyPictures_data();
    void difficultyPictures();
    void noMarks();
    void marks();
    void marksSurviveRestart();
    void crowdedStore();
    void pictures_data();
    void pictures();

private:
    QTemporaryDir settingsDir;
};

void tst_ChallengeModel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(u"MurkleSoftware"_s);
    QCoreApplication::setApplicationName(u"Zindle"_s);
}

void tst_ChallengeModel::init()
{
    QSettings().clear();
    challengeList().clear();
    for (int row = 0; row < 12; ++row)
        challengeList().append(challenge(u"Challenge %1"_s.arg(row), row % 6));
}

void tst_ChallengeModel::modelTester()
{
    markChallengeComplete(2);
    ChallengeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    challengeList().clear();
    ChallengeModel empty;
    QAbstractItemModelTester emptyTester(&empty,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void tst_ChallengeModel::shape()
{
    ChallengeModel model;
    QCOMPARE(model.rowCount(), 12);
    QCOMPARE(model.columnCount(), 3);
    const QModelIndex cell = model.index(4, 1);
    QCOMPARE(cell.row(), 4);
    QCOMPARE(cell.column(), 1);
    QCOMPARE(model.parent(cell), QModelIndex());
    QCOMPARE(model.rowCount(cell), 0);
    QVERIFY(!model.index(12, 0).isValid());
    QVERIFY(!model.index(0, 3).isValid());
    QVERIFY(!model.index(-1, 0).isValid());
    // The default header numbers rows from 1.
    QCOMPARE(model.headerData(0, Qt::Vertical).toInt(), 1);
}

void tst_ChallengeModel::names()
{
    ChallengeModel model;
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(model.data(model.index(row, 1)).toString(), challengeList().at(row).name);
}

void tst_ChallengeModel::unansweredQueries()
{
    markChallengeComplete(0);
    ChallengeModel model;
    QVERIFY(!model.data(model.index(0, 0), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(model.index(0, 2), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(model.index(0, 1), Qt::DecorationRole).isValid());
    for (int role : {int(Qt::EditRole), int(Qt::ToolTipRole), int(Qt::SizeHintRole),
                     int(Qt::UserRole)}) {
        for (int column = 0; column < 3; ++column)
            QVERIFY(!model.data(model.index(0, column), role).isValid());
    }
    QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(QModelIndex(), Qt::DecorationRole).isValid());
}

// A view may still hold an index of a row that no longer exists in the list.
void tst_ChallengeModel::rowsBeyondList()
{
    markChallengeComplete(11);
    ChallengeModel model;
    const QModelIndex mark = model.index(11, 0);
    const QModelIndex name = model.index(11, 1);
    const QModelIndex picture = model.index(11, 2);
    challengeList().resize(5);
    QVERIFY(!model.data(mark, Qt::DecorationRole).isValid());
    QVERIFY(!model.data(name).isValid());
    QVERIFY(!model.data(picture, Qt::DecorationRole).isValid());
}

void tst_ChallengeModel::difficultyPictures_data()
{
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("shown");

    for (int difficulty = 0; difficulty <= 5; ++difficulty)
        QTest::addRow("difficulty %d", difficulty) << difficulty << difficulty;
    QTest::newRow("-1 shows 0") << -1 << 0;
    QTest::newRow("7 shows 5") << 7 << 5;
    QTest::newRow("smallest int shows 0") << std::numeric_limits<int>::min() << 0;
    QTest::newRow("largest int shows 5") << std::numeric_limits<int>::max() << 5;
}

void tst_ChallengeModel::difficultyPictures()
{
    QFETCH(int, difficulty);
    QFETCH(int, shown);

    challengeList()[3].difficulty = difficulty;
    ChallengeModel model;
    const QVariant value = model.data(model.index(3, 2), Qt::DecorationRole);
    QCOMPARE(value.typeId(), QMetaType::QPixmap);
    const QImage image = value.value<QPixmap>().toImage();
    QCOMPARE(image.size(), QSize(24, 24));
    QCOMPARE(image, difficultyImage(shown));
    // Neighbouring pictures differ, so the comparison above tells them apart.
    QVERIFY(image != difficultyImage(shown == 5 ? 4 : shown + 1));
}

void tst_ChallengeModel::noMarks()
{
    ChallengeModel model;
    for (int row = 0; row < model.rowCount(); ++row) {
        QVERIFY(!isChallengeComplete(row));
        QVERIFY(!model.data(model.index(row, 0), Qt::DecorationRole).isValid());
    }
}

void tst_ChallengeModel::marks()
{
    ChallengeModel model;
    markChallengeComplete(10);
    markChallengeComplete(3);

    QSettings settings;
    QCOMPARE(settings.value(u"challenge/size"_s).toInt(), 4);
    QStringList keys = settings.allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{u"challenge/11/complete"_s, u"challenge/4/complete"_s,
                                u"challenge/size"_s}));

    const QImage complete = QIcon(u":/complete.png"_s).pixmap(32, 32).toImage();
    for (int row = 0; row < model.rowCount(); ++row) {
        const bool marked = row == 3 || row == 10;
        QCOMPARE(isChallengeComplete(row), marked);
        const QVariant value = model.data(model.index(row, 0), Qt::DecorationRole);
        QCOMPARE(value.isValid(), marked);
        if (marked) {
            QCOMPARE(value.typeId(), QMetaType::QIcon);
            QCOMPARE(value.value<QIcon>().pixmap(32, 32).toImage(), complete);
        }
    }

    // Marking again changes nothing but the size the array facility rewrites.
    markChallengeComplete(3);
    QVERIFY(isChallengeComplete(10));
    QCOMPARE(QSettings().value(u"challenge/size"_s).toInt(), 4);
}

// Marks go to the settings store of the test, never the user's, and are there for the next start.
void tst_ChallengeModel::marksSurviveRestart()
{
    markChallengeComplete(7);
    const QString file = QSettings().fileName();
    QVERIFY2(file.startsWith(settingsDir.path()), qPrintable(file));
    QVERIFY(QFile::exists(file));
    QSettings reopened(file, QSettings::NativeFormat);
    QCOMPARE(reopened.value(u"challenge/8/complete"_s).toBool(), true);
    QVERIFY(isChallengeComplete(7));
}

// A store holding far more marks than the course has rows: lookups answer from it, other
// settings objects of the process see the same marks, and marking leaves every key as it was.
void tst_ChallengeModel::crowdedStore()
{
    const int crowd = 30000;
    {
        QSettings settings;
        settings.beginWriteArray(u"challenge"_s);
        for (int row = 20; row < crowd; ++row) {
            settings.setArrayIndex(row);
            settings.setValue(u"complete"_s, true);
        }
        settings.endArray();
    }
    QVERIFY(!isChallengeComplete(5));
    QVERIFY(isChallengeComplete(crowd - 1));
    markChallengeComplete(5);

    QSettings settings;
    QCOMPARE(settings.value(u"challenge/6/complete"_s).toBool(), true);
    QCOMPARE(settings.value(u"challenge/size"_s).toInt(), 6);
    QCOMPARE(settings.allKeys().size(), crowd - 20 + 2);
    settings.remove(u"challenge/21/complete"_s);
    QVERIFY(!isChallengeComplete(20));
    QVERIFY(isChallengeComplete(21));
    QVERIFY(isChallengeComplete(5));
}

void tst_ChallengeModel::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    for (const char *name : {"run", "step", "stepto", "halt"})
        QTest::newRow(name) << u":/%1.png"_s.arg(QLatin1String(name)) << QSize(25, 24);
    QTest::newRow("check") << u":/check.png"_s << QSize(4, 8);
    for (int difficulty = 0; difficulty <= 5; ++difficulty)
        QTest::addRow("difficulty%d", difficulty) << u":/difficulty%1.png"_s.arg(difficulty)
                                                  << QSize(32, 32);
    QTest::newRow("complete") << u":/complete.png"_s << QSize(32, 32);
    QTest::newRow("murkle") << u":/murkle.png"_s << QSize(110, 110);
}

// Every picture is linked into the program, has its size, and is drawn on a transparent ground.
void tst_ChallengeModel::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
}

QTEST_MAIN(tst_ChallengeModel)
#include "tst_challengemodel.moc"
