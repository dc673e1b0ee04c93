// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef WINDOWFIXTURE_H
#define WINDOWFIXTURE_H

#include "answeredwindow.h"
#include "modalanswerer.h"
#include "window/startup.h"
#include "window/zindle.h"

#include <QAction>
#include <QCoreApplication>
#include <QObject>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#include <memory>

// What the tests that drive the window share: settings kept in the test's own store, the course
// as start-up loads it, a window whose boxes and file dialogs the answerer answers, and its
// widgets by object name. A test class derives from it, calls openWindow() from init() (or
// where its test wants a window) and closeWindow() from cleanup().
class WindowFixture : public QObject
{
protected:
    enum class Show { No, Exposed, Active };

    // Before anything reads a setting: no test reaches the user's own store.
    WindowFixture() { QStandardPaths::setTestModeEnabled(true); }

    // The settings under the application's own names, and the shipped course, as start-up
    // has them.
    static void loadCourse()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("MurkleSoftware"));
        QCoreApplication::setApplicationName(QStringLiteral("Zindle"));
        loadChallenges(QStringLiteral(":/challenges.xml"));
    }
    // No challenge is marked complete.
    static void clearProgress() { QSettings().remove(QStringLiteral("challenge")); }

    // Guards connect-by-name, then makes a new window with the answerer ready for its first
    // box, and shows it as asked. Answers whether it came on screen as asked.
    [[nodiscard]] bool openWindow(Show show = Show::Exposed)
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("connectSlotsByName")));
        answerer = std::make_unique<ModalAnswerer>();
        window = std::make_unique<AnsweredWindow>(answerer.get());
        return show == Show::No || showWindow(show);
    }

    // Shows the window and waits until it is exposed or, for Active, has the focus: also how a
    // test takes the focus back from a box that closed, as a click on the window would.
    [[nodiscard]] bool showWindow(Show show = Show::Active) const
    {
        window->show();
        if (show != Show::Active)
            return QTest::qWaitForWindowExposed(window.get());
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // Every box the test expected came and matched. The window goes first, so that a failure
    // leaves none behind; a test that opened none has nothing to close.
    void closeWindow()
    {
        if (!window)
            return;
        const bool answered = QTest::qWaitFor([this] { return answerer->isDone(); });
        const QString pending = answerer->pending();
        const QStringList mismatches = answerer->mismatches();
        window.reset();
        answerer.reset();
        QVERIFY2(answered, qPrintable(pending));
        QCOMPARE(mismatches, QStringList());
    }

    template<typename T>
    T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qWarning("no child %s", qPrintable(name));
        return found;
    }
    QAction *action(const QString &name) const { return child<QAction>(name); }
    QPlainTextEdit *edit(const QString &name) const { return child<QPlainTextEdit>(name); }

    std::unique_ptr<Zindle> window;
    std::unique_ptr<ModalAnswerer> answerer;
};

#endif // WINDOWFIXTURE_H
