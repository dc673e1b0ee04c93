// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lets a test end a real zindle the way a user ends it, so that the program leaves main() and
// its exit status counts. zindle loads this like any of Qt's generic plugins (named in
// QT_QPA_GENERIC_PLUGINS, found through QT_PLUGIN_PATH). When the test closes the program's
// standard input, it prints one line for each window then shown, its title and for a message box
// its text, and asks the application to quit.

#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QStringList>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

void printWindows()
{
    QStringList lines;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible())
            continue;
        QString line = widget->windowTitle();
        if (const auto *box = qobject_cast<const QMessageBox *>(widget))
            line += QLatin1String(": ") + box->text();
        lines.append(line + u'\n');
    }
    lines.sort();
    std::fputs(lines.join(QString()).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

class QuitOnClose : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quitonclose.json")

public:
    QObject *create(const QString & /*key*/, const QString & /*parameters*/) override
    {
        // The application deletes what its plugins create.
        auto *notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read);
        connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
            char buffer[64];
            if (::read(STDIN_FILENO, buffer, sizeof buffer) > 0)
                return;
            notifier->setEnabled(false);
            printWindows();
            QCoreApplication::quit();
        });
        return notifier;
    }
};

#include "quitonclose.moc"
