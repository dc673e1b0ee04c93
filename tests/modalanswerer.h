// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef MODALANSWERER_H
#define MODALANSWERER_H

// Answers the modal boxes and dialogs that a GUI test provokes, so no test ever hangs on one.
// Queue the expected dialogs in order; each is checked against its title and text (a message
// box's text, an input dialog's label) when it appears, and answered. A modal widget that
// nobody expected, one with other words, and one that its answer left open are recorded as
// mismatches and closed. A box that an answer opens in turn is answered like any other.
// Questions that the code under test asks through a seam of its own instead of a dialog (the
// window's file names) take their place in the same queue.
//
//     ModalAnswerer answerer;
//     answerer.expectMessageBox(u"Crash"_s, u"Bad input!"_s);
//     window.findChild<QAction *>(u"actionRun"_s)->trigger();
//     QTRY_VERIFY2(answerer.isDone(), qPrintable(answerer.pending()));
//     QCOMPARE(answerer.mismatches(), QStringList());

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

class ModalAnswerer
{
public:
    // Called with the open dialog; it must close it (accept, reject, press a button).
    using Action = std::function<void(QWidget *)>;

    ModalAnswerer()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] { poll(); });
        timer.start();
    }
    ~ModalAnswerer() = default;
    ModalAnswerer(const ModalAnswerer &) = delete;
    ModalAnswerer &operator=(const ModalAnswerer &) = delete;

    // A message box with this title and text, answered with the given button.
    void expectMessageBox(const QString &title, const QString &text,
                          QMessageBox::StandardButton button = QMessageBox::Ok,
                          const Action &before = {})
    {
        expect(title, text, [button, before](QWidget *widget) {
            if (before)
                before(widget);
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (QAbstractButton *pressed = box ? box->button(button) : nullptr)
                pressed->click();
        });
    }

    // An input dialog with this title and label, given the value (an int or a text) and
    // accepted; `before` runs first, while the dialog is open.
    void expectInputDialog(const QString &title, const QString &label, const QVariant &value,
                           const Action &before = {})
    {
        expect(title, label, [value, before](QWidget *widget) {
            if (before)
                before(widget);
            auto *dialog = qobject_cast<QInputDialog *>(widget);
            if (!dialog)
                return;
            if (dialog->inputMode() == QInputDialog::IntInput)
                dialog->setIntValue(value.toInt());
            else
                dialog->setTextValue(value.toString());
            dialog->accept();
        });
    }

    // An input dialog with this title and label, cancelled.
    void expectCancelledInput(const QString &title, const QString &label, const Action &before = {})
    {
        expect(title, label, [before](QWidget *widget) {
            if (before)
                before(widget);
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->reject();
        });
    }

    // Any modal widget with this title; the action closes it. An empty text skips the text check.
    void expect(const QString &title, const QString &text, const Action &action)
    {
        expected.push_back({title, text, action, false, QString()});
    }

    // A question asked through answer() rather than a dialog, answered with this name (empty:
    // cancelled).
    void expectFileName(const QString &title, const QString &text, const QString &name)
    {
        expected.push_back({title, text, {}, true, name});
    }

    // Answers a question that the code under test asks in place of a dialog, with the name of
    // the next expectation; a question nobody expected is a mismatch, answered as cancelled.
    QString answer(const QString &title, const QString &text)
    {
        const QString asked = title + QStringLiteral(": ") + text;
        seenDialogs.append(asked);
        if (expected.empty() || !expected.front().isQuestion) {
            mismatch(asked);
            return QString();
        }
        const Expectation next = expected.front();
        expected.pop_front();
        check(next, title, text);
        return next.name;
    }

    // Every expected dialog has been answered.
    bool isDone() const { return expected.empty() && inHand.empty(); }
    // Titles and texts of the dialogs answered so far, as "title: text".
    QStringList seen() const { return seenDialogs; }
    // Dialogs that nobody expected, whose title or text differed from the expectation, or that
    // their answer did not close.
    QStringList mismatches() const { return wrong; }
    // What is still expected, and what was already wrong, for a failure message.
    QString pending() const
    {
        QStringList waiting;
        for (const Expectation &e : expected)
            waiting.append(e.title + QStringLiteral(": ") + e.text);
        return QStringLiteral("still expected [") + waiting.join(QStringLiteral(" | "))
            + QStringLiteral("], mismatches [") + wrong.join(QStringLiteral(" | "))
            + QStringLiteral("]");
    }

    static QString textOf(QWidget *widget)
    {
        if (auto *box = qobject_cast<QMessageBox *>(widget))
            return box->text();
        if (auto *input = qobject_cast<QInputDialog *>(widget))
            return input->labelText();
        return QString();
    }

private:
    struct Expectation
    {
        QString title;
        QString text;
        Action action;
        bool isQuestion;
        QString name;
    };

    // Runs in every event loop, also in one that an answer still running has opened: a box
    // that the answer opened is the topmost modal widget and gets answered there.
    void poll()
    {
        QWidget *widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible()
            || std::find(inHand.begin(), inHand.end(), widget) != inHand.end())
            return;
        const QString title = widget->windowTitle();
        const QString shown = title + QStringLiteral(": ") + textOf(widget);
        seenDialogs.append(shown);
        QPointer<QWidget> guard(widget);
        inHand.push_back(widget);
        const bool awaited = !expected.empty() && !expected.front().isQuestion;
        if (awaited) {
            const Expectation next = expected.front();
            expected.pop_front();
            check(next, title, textOf(widget));
            // A timer does not fire again while its own call runs, so another one answers
            // the boxes that this answer opens.
            QTimer inner;
            inner.setInterval(timer.interval());
            QObject::connect(&inner, &QTimer::timeout, &inner, [this] { poll(); });
            inner.start();
            next.action(widget);
        } else {
            mismatch(shown);
        }
        inHand.erase(std::find(inHand.begin(), inHand.end(), widget));
        if (guard && guard->isVisible()) {
            if (awaited)
                wrong.append(QStringLiteral("left open by its answer ") + shown);
            dismiss(guard);
        }
    }

    void check(const Expectation &next, const QString &title, const QString &text)
    {
        if (title != next.title || (!next.text.isEmpty() && text != next.text))
            wrong.append(QStringLiteral("expected ") + next.title + QStringLiteral(": ")
                         + next.text + QStringLiteral(", got ") + title + QStringLiteral(": ")
                         + text);
    }

    // Something came that nobody expected: it takes the place of the next expectation, if any.
    void mismatch(const QString &shown)
    {
        QString instead;
        if (!expected.empty()) {
            instead = QStringLiteral(" instead of ") + expected.front().title;
            expected.pop_front();
        }
        wrong.append(QStringLiteral("unexpected ") + shown + instead);
    }

    static void dismiss(QWidget *widget)
    {
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            dialog->done(QDialog::Rejected);
        else
            widget->close();
    }

    QTimer timer;
    std::deque<Expectation> expected;
    std::vector<QWidget *> inHand; // dialogs whose answers are running, innermost last
    QStringList seenDialogs;
    QStringList wrong;
};

#endif // MODALANSWERER_H
