#pragma once
// Copying table cells for reports: the rectangle around the selected cells as text, tabs between
// cells and every row ended by "\n", each cell as `cellText` gives it.

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QString>

#include <algorithm>
#include <functional>

inline QString SelectedCellsText(const QItemSelectionModel& selection, const std::function<QString(int, int)>& cellText)
{
    const QModelIndexList selected = selection.selectedIndexes();
    if (selected.isEmpty())
        return QString();
    int top = selected.first().row(), bottom = top, left = selected.first().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QString text;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (c > left)
                text += u'\t';
            text += cellText(r, c);
        }
        text += u'\n';
    }
    return text;
}

// The copy key (Ctrl+C) of a table: `text` on the clipboard, the key taken; false for another key.
inline bool CopyOnCopyKey(QKeyEvent* event, const std::function<QString()>& text)
{
    if (!event->matches(QKeySequence::Copy))
        return false;
    QApplication::clipboard()->setText(text());
    event->accept();
    return true;
}
