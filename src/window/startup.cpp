#include "window/startup.h"

#include "challenges/challengeloader.h"
#include "challenges/challengerecords.h"

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
    ChallengeRecords().clear();
    return true;
}

void loadChallenges(const QString &fileName)
{
    ChallengeLoader loader;
    QFile file(fileName);
    // An unreadable file leaves an empty list: the window then starts with no challenges.
    file.open(QIODevice::ReadOnly);
    loader.setDevice(&file);
    loader.read();
}
