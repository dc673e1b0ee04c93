// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WINDOWFIXTURE_H
#define WINDOWFIXTURE_H

#include "modalanswerer.h"
#include "window/zindle.h"

#include <QAction>
#include <QObject>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <memory>

// What the tests that drive the window share: a shown window, the answers to the boxes it
// opens, and its widgets by object name. A test class derives from it, calls openWindow() from
// init() and closeWindow() from cleanup().
class WindowFixture : public QObject
{
protected:
    // Guards connect-by-name, then shows a new window and waits until it is exposed, or, for
    // `active`, until it has the focus.
    void openWindow(bool active = false)
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("connectSlotsByName")));
        window = std::make_unique<Zindle>();
        window->show();
        if (active) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        } else {
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
        answerer = std::make_unique<ModalAnswerer>();
    }

    // Every box the test expected came and matched; then the window goes.
    void closeWindow()
    {
        QTRY_VERIFY2(answerer->isDone(), qPrintable(answerer->pending()));
        QCOMPARE(answerer->mismatches(), QStringList());
        answerer.reset();
        window.reset();
    }

    QAction *action(const QString &name) const { return window->findChild<QAction *>(name); }
    QPlainTextEdit *edit(const QString &name) const
    {
        return window->findChild<QPlainTextEdit *>(name);
    }

    std::unique_ptr<Zindle> window;
    std::unique_ptr<ModalAnswerer> answerer;
};

#endif // WINDOWFIXTURE_H
