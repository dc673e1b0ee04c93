#include "window/startup.h"
#include "window/zindle.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(u"MurkleSoftware"_s);
    QCoreApplication::setApplicationName(u"Zindle"_s);
    QApplication::setWindowIcon(QIcon(u":/murkle.png"_s));
    applyResetOption(QCoreApplication::arguments());
    loadChallenges(u":/challenges.xml"_s);

    Zindle window;
    window.show();
    return app.exec();
}
