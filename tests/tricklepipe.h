// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TRICKLEPIPE_H
#define TRICKLEPIPE_H

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

// Writes one byte every tenth of a second into the pipe until told to stop, like a writer that
// never closes it. Meant to run on a thread of its own.
inline void tricklePipe(const QString &name, const std::atomic<bool> *stop)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDWR | O_NONBLOCK);
    while (fd >= 0 && !*stop) {
        (void)!::write(fd, "+", 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (fd >= 0)
        ::close(fd);
}

#endif // TRICKLEPIPE_H
