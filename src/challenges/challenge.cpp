#include "challenge.h"

QList<Challenge> &challengeList()
{
    static QList<Challenge> list;
    return list;
}
