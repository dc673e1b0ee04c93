// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VIEWZOOM_H
#define VIEWZOOM_H

#include <QList>
#include <QObject>

#include <memory>

class QAbstractScrollArea;
class QWidget;

// Zooms a window's text views together: Ctrl++ (or Ctrl+=), Ctrl+- and Ctrl+0 anywhere in the
// window, or Ctrl with the mouse wheel over one of the views. A table's columns widen and
// narrow with its font, in the proportion they had to it before any zoom; a table of one
// stretched row grows tall enough for its values, and an editor that showed its cursor's line
// still shows it.
class ViewZoom : public QObject
{
    Q_OBJECT

public:
    ViewZoom(QWidget *window, const QList<QAbstractScrollArea *> &views);
    ~ViewZoom() override;

    void zoomIn();
    void zoomOut();
    void resetZoom();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY_MOVE(ViewZoom)
    // In steps of a tenth of the normal size; 0 is the normal size.
    void setLevel(int level);

    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // VIEWZOOM_H
