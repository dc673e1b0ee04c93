// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PROGRAMEDITOR_H
#define PROGRAMEDITOR_H

#include <QPlainTextEdit>

#include <memory>

class QEvent;
class QKeyEvent;
class QMimeData;
class QResizeEvent;

// The program editor: a plain text editor with line numbers beside the text, the bracket next
// to the cursor shown together with its partner, and every bracket without a partner marked
// while the program is typed. All of it is drawn as extra selections and a margin, so the
// formats the program's highlighter writes into the document stay as they are. A long line
// may be held in pieces (see LinePieceLength); typing, pasting, copying and the line numbers
// treat it as the one line it is.
class ProgramEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ProgramEditor(QWidget *parent = nullptr);
    ~ProgramEditor() override;

    // The width of the line-number margin for the current font and number of lines.
    int gutterWidth() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    Q_DISABLE_COPY_MOVE(ProgramEditor)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // PROGRAMEDITOR_H
