// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PACER_H
#define PACER_H

#include <QtGlobal>

#include <functional>
#include <memory>

// Paces something that is drawn again and again while a program runs, such as a view that
// changes with every batch of commands, so that drawing it costs no more than is worth it: a
// draw asked for sooner than the spacing after the last one waits for the rest of it, and
// every request meanwhile joins that one draw.
//
//     Pacer pacer([this] { draw(); });    // draw() ends with pacer.drawn()
//     ...
//     if (pacer.mayDrawNow())
//         draw();                          // or else the pacer calls it when it is due
class Pacer
{
public:
    // A frame of the screen: nobody sees what changes more often than this.
    static constexpr qint64 FrameNanoseconds = 16000000;

    // `drawLater` draws what waited, without asking mayDrawNow() again, and calls drawn() when
    // it does draw.
    explicit Pacer(std::function<void()> drawLater);
    ~Pacer();

    // The least time from one draw to the next; 0, the default, lets every draw through.
    qint64 spacing() const;
    void setSpacing(qint64 nanoseconds);

    // True when the spacing has passed since the last draw. Otherwise false, and a draw
    // waits for the rest of the spacing unless one is waiting already.
    bool mayDrawNow();
    // Counts a draw as done just now: the spacing starts again, and a waiting draw is dropped.
    void drawn();
    // A draw is waiting; cancel() drops it.
    bool isWaiting() const;
    void cancel();

private:
    Q_DISABLE_COPY_MOVE(Pacer)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PACER_H
