// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "io/translations.h"
#include "window/startup.h"
#include "window/zindle.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // Answered before the application object exists: no display is needed, no setting is read.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const QString text = informationText(arguments); !text.isEmpty()) {
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(u"MurkleSoftware"_s);
    QCoreApplication::setApplicationName(u"Zindle"_s);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZINDLE_APP_ID));
    QApplication::setWindowIcon(QIcon(u":/murkle.png"_s));
    installTranslations(QLocale());
    applyResetOption(QCoreApplication::arguments());
    loadChallenges(u":/challenges.xml"_s);

    Zindle window;
    window.show();
    if (const QString name = programFileArgument(QCoreApplication::arguments()); !name.isEmpty()) {
        // Once the window is up, so that a warning about the file stands in front of it.
        QTimer::singleShot(0, &window, [&window, name] { window.openFile(name); });
    }
    return app.exec();
}
