// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crashtext.h"

#include <QCoreApplication>

// The crash box is the window's, so its texts keep the window's translation context.
QString crashText(StopReason reason)
{
    switch (reason) {
    case StopReason::NotStopped:
    case StopReason::Finished:
        return QString();
    case StopReason::LeftEdge:
        return QCoreApplication::translate("Zindle", "Invalid move over left side of tape!");
    case StopReason::RightEdge:
        return QCoreApplication::translate("Zindle", "Invalid move over right side of tape!");
    case StopReason::BadInput:
        return QCoreApplication::translate("Zindle", "Bad input!");
    case StopReason::BadOutput:
        return QCoreApplication::translate("Zindle", "Bad output!");
    case StopReason::UnmatchedLoop:
        return QCoreApplication::translate("Zindle", "Unmatched loop!");
    case StopReason::IncompleteResult:
        return QCoreApplication::translate(
            "Zindle", "The program terminated without delivering the full result!");
    }
    return QCoreApplication::translate("Zindle", "Unknown crash! How odd.");
}
