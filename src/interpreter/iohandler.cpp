// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "iohandler.h"

IOHandler::~IOHandler() = default;

void IOHandler::start()
{
}

void IOHandler::refresh()
{
}

bool IOHandler::hasInput()
{
    return false;
}

int IOHandler::input()
{
    return 0;
}

bool IOHandler::output(int value)
{
    Q_UNUSED(value)
    return false;
}

bool IOHandler::isComplete()
{
    return true;
}
