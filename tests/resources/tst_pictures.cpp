// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture the window shows comes with a copy drawn at twice its size, and on a screen
// scaled by 2 the window paints that copy instead of blowing up the small one.

#include "challenges/challenge.h"
#include "challenges/challengemodel.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void doubled_data();
    void doubled();
    void difficultyPicture();
};

void tst_Pictures::initTestCase()
{
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
}

void tst_Pictures::doubled_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    for (const char *name : {"run", "step", "stepto", "halt"})
        QTest::newRow(name) << QString::fromLatin1(name) << QSize(25, 24);
    QTest::newRow("check") << u"check"_s << QSize(4, 8);
    for (int difficulty = 0; difficulty <= 5; ++difficulty) {
        const QString name = u"difficulty%1"_s.arg(difficulty);
        QTest::newRow(qPrintable(name)) << name << QSize(32, 32);
    }
    QTest::newRow("complete") << u"complete"_s << QSize(32, 32);
    QTest::newRow("murkle") << u"murkle"_s << QSize(110, 110);
}

void tst_Pictures::doubled()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    const QString path = u":/%1.png"_s.arg(name);
    const QImage doubled(u":/%1@2x.png"_s.arg(name));
    QCOMPARE(QImage(path).size(), size);
    QCOMPARE(doubled.size(), size * 2);
    // The written name is what the window asks for; Qt finds the sharp copy beside it.
    const QPixmap shown = QIcon(path).pixmap(size, qGuiApp->devicePixelRatio());
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    // Compared as the pixmap holds them: a round trip through premultiplied alpha may round a
    // faint pixel differently from one processor to the next.
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             doubled.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void tst_Pictures::difficultyPicture()
{
    Challenge challenge;
    challenge.difficulty = 4;
    challengeList() = {challenge};
    ChallengeModel model;
    const QPixmap picture = model.data(model.index(0, 2), Qt::DecorationRole).value<QPixmap>();
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(24, 24));
    // Only the copy at twice the size has the pixels for this; the small one is never blown up.
    QCOMPARE(picture.size(), QSize(48, 48));
}

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
