// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef IOHANDLER_H
#define IOHANDLER_H

#include <QtGlobal>

// The channel through which the machine takes input for ',' and gives output for '.', and
// through which the window starts a run and redraws what a handler shows. The defaults
// accept nothing and ask for nothing, so a bare handler only lets output-free programs finish.
class IOHandler
{
public:
    IOHandler() = default;
    virtual ~IOHandler();

    virtual void start();
    virtual void refresh();
    virtual bool hasInput();
    virtual int input();
    virtual bool output(int value);
    virtual bool isComplete();

private:
    Q_DISABLE_COPY_MOVE(IOHandler)
};

#endif // IOHANDLER_H
