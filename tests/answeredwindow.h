// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ANSWEREDWINDOW_H
#define ANSWEREDWINDOW_H

#include "modalanswerer.h"
#include "window/zindle.h"

// The window with the user's answers to its file dialogs: each question, its caption, its
// kind of dialog and its filter, takes its turn with the boxes, and the answer is the name the
// user picked (empty: cancelled).
class AnsweredWindow : public Zindle
{
public:
    explicit AnsweredWindow(ModalAnswerer *answers)
        : answerer(answers)
    {
    }

protected:
    QString askFileName(FileDialog dialog, const QString &caption, const QString &filter) override
    {
        const QString kind = dialog == FileDialog::Open ? QStringLiteral("open dialog, ")
                                                        : QStringLiteral("save dialog, ");
        return answerer->answer(caption, kind + filter);
    }

private:
    ModalAnswerer *answerer;
};

#endif // ANSWEREDWINDOW_H
