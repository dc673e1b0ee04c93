#include "crashtext.h"

#include <QCoreApplication>

QString crashText(StopReason reason)
{
    switch (reason) {
    case StopReason::NotStopped:
    case StopReason::Finished:
        return QString();
    case StopReason::LeftEdge:
        return QCoreApplication::translate("StopReason", "Invalid move over left side of tape!");
    case StopReason::RightEdge:
        return QCoreApplication::translate("StopReason", "Invalid move over right side of tape!");
    case StopReason::BadInput:
        return QCoreApplication::translate("StopReason", "Bad input!");
    case StopReason::BadOutput:
        return QCoreApplication::translate("StopReason", "Bad output!");
    case StopReason::UnmatchedLoop:
        return QCoreApplication::translate("StopReason", "Unmatched loop!");
    case StopReason::IncompleteResult:
        return QCoreApplication::translate(
            "StopReason", "The program terminated without delivering the full result!");
    }
    return QCoreApplication::translate("StopReason", "Unknown crash! How odd.");
}
