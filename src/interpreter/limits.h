// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef LIMITS_H
#define LIMITS_H

// The machine's limits, named once for every layer that asks for a tape or a maximum value.
namespace Limits {

// The tape of a new window.
constexpr int DefaultTapeLength = 1000;
// The most cells a user may ask for in the window or a challenge file may give.
constexpr int MaximumTapeLength = 50000;
// The machine's own bound, above what anyone may ask for, so that no tape it is handed can
// exhaust memory.
constexpr int MachineTapeLength = 1000000;
// The maximum value of a new machine, and of every challenge.
constexpr int CourseMaximumValue = 33713;
// The highest maximum value a user may set; sums of two cells still fit in an int.
constexpr int MaximumValue = 2000000000;

} // namespace Limits

#endif // LIMITS_H
