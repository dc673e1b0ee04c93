// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/startup.h"
#include "window/zindle.h"

#include <QApplication>
#include <QIcon>

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
    applyResetOption(QCoreApplication::arguments());
    loadChallenges(u":/challenges.xml"_s);

    Zindle window;
    window.show();
    return app.exec();
}
