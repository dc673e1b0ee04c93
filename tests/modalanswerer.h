#ifndef MODALANSWERER_H
#define MODALANSWERER_H

// Answers the modal boxes and dialogs that a GUI test provokes, so no test ever hangs on one.
// Queue the expected dialogs in order; each is checked against its title and text (a message
// box's text, an input dialog's label) when it appears, and answered. A modal widget that
// nobody expected, or one with other words, is recorded and closed.
//
//     ModalAnswerer answerer;
//     answerer.expectMessageBox(u"Crash"_s, u"Bad input!"_s);
//     window.findChild<QAction *>(u"actionRun"_s)->trigger();
//     QTRY_VERIFY(answerer.isDone());
//     QCOMPARE(answerer.mismatches(), QStringList());

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

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
            else
                widget->close();
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
            if (!dialog) {
                widget->close();
                return;
            }
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
            else
                widget->close();
        });
    }

    // A file dialog with this caption, answered with the file name, or cancelled for an
    // empty name.
    void expectFileDialog(const QString &title, const QString &fileName)
    {
        expect(title, QString(), [fileName](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog || fileName.isEmpty()) {
                if (auto *plain = qobject_cast<QDialog *>(widget))
                    plain->reject();
                else
                    widget->close();
                return;
            }
            dialog->selectFile(fileName);
            static_cast<QDialog *>(dialog)->accept();
        });
    }

    // Any modal widget with this title; the action closes it. An empty text skips the text check.
    void expect(const QString &title, const QString &text, const Action &action)
    {
        expected.push_back({title, text, action});
    }

    // Every expected dialog has been answered.
    bool isDone() const { return expected.empty() && !handling; }
    // Titles and texts of the dialogs answered so far, as "title: text".
    QStringList seen() const { return seenDialogs; }
    // Dialogs that nobody expected, or whose title or text differed from the expectation.
    QStringList mismatches() const { return wrong; }

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
    };

    void poll()
    {
        if (handling)
            return;
        QWidget *widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible() || widget == lastAnswered)
            return;
        lastAnswered = widget;
        const QString title = widget->windowTitle();
        const QString text = textOf(widget);
        seenDialogs.append(title + QStringLiteral(": ") + text);
        handling = true;
        if (expected.empty()) {
            wrong.append(QStringLiteral("unexpected ") + title + QStringLiteral(": ") + text);
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->reject();
            else
                widget->close();
        } else {
            const Expectation next = expected.front();
            expected.pop_front();
            if (title != next.title || (!next.text.isEmpty() && text != next.text))
                wrong.append(QStringLiteral("expected ") + next.title + QStringLiteral(": ") + next.text + QStringLiteral(", got ")
                             + title + QStringLiteral(": ") + text);
            next.action(widget);
        }
        handling = false;
    }

    QTimer timer;
    std::deque<Expectation> expected;
    QPointer<QWidget> lastAnswered;
    QStringList seenDialogs;
    QStringList wrong;
    bool handling = false;
};

#endif // MODALANSWERER_H
