#include "window/startup.h"

#if __has_include("challenges/challengeloader.h")
#include "challenges/challengeloader.h"
#define ZINDLE_HAVE_LOADER 1
#endif

#include <QFile>
#include <QSettings>

using namespace Qt::StringLiterals;

bool applyResetOption(const QStringList &arguments)
{
    if (!arguments.contains(u"--reset"_s))
        return false;
    QSettings settings;
    settings.beginGroup(u"challenge"_s);
    settings.remove(QString());
    settings.endGroup();
    return true;
}

void loadChallenges(const QString &fileName)
{
#ifdef ZINDLE_HAVE_LOADER
    ChallengeLoader loader;
    QFile file(fileName);
    // An unreadable file leaves an empty list: the window then starts with no challenges.
    file.open(QIODevice::ReadOnly);
    loader.setDevice(&file);
    loader.read();
#else
    Q_UNUSED(fileName)
#endif
}
