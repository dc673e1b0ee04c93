// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pacer.h"

#include <QElapsedTimer>
#include <QTimer>

struct Pacer::Private
{
    std::function<void()> drawLater;
    qint64 spacing = 0;
    // Since the last draw; invalid before the first, which never waits.
    QElapsedTimer sinceDraw;
    QTimer waiting;
};

Pacer::Pacer(std::function<void()> drawLater)
    : d(std::make_unique<Private>())
{
    d->drawLater = std::move(drawLater);
    d->waiting.setSingleShot(true);
    d->waiting.setTimerType(Qt::PreciseTimer);
    QObject::connect(&d->waiting, &QTimer::timeout, &d->waiting, [this] { d->drawLater(); });
}

Pacer::~Pacer() = default;

qint64 Pacer::spacing() const
{
    return d->spacing;
}

void Pacer::setSpacing(qint64 nanoseconds)
{
    d->spacing = nanoseconds;
}

bool Pacer::mayDrawNow()
{
    if (d->spacing <= 0 || !d->sinceDraw.isValid())
        return true;
    const qint64 wait = d->spacing - d->sinceDraw.nsecsElapsed();
    if (wait <= 0)
        return true;
    if (!d->waiting.isActive())
        d->waiting.start(int((wait + 999999) / 1000000));
    return false;
}

void Pacer::drawn()
{
    d->waiting.stop();
    d->sinceDraw.start();
}

bool Pacer::isWaiting() const
{
    return d->waiting.isActive();
}

void Pacer::cancel()
{
    d->waiting.stop();
}
