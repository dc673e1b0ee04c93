// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CRASHTEXT_H
#define CRASHTEXT_H

#include "interpreter/machine.h"

#include <QString>

// What the workbench says when the machine stops for the given reason; empty for a normal end
// and for a run that was halted. The window's crash box and zindle-check use the same words.
QString crashText(StopReason reason);

#endif // CRASHTEXT_H
