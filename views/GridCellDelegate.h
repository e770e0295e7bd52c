#pragma once
// Paints the results grid's cells: teal ground, a raised bevel on the fixed (header-styled)
// cells, and a text that never reads as another number: when the whole text does not fit the
// cell, the value is shown with fewer significant digits (the tooltip and Ctrl+C keep it whole).

#include <QStyledItemDelegate>

class StringGrid;

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit GridCellDelegate(StringGrid* grid);

    // Left and right gap between the cell's edge and its text, pixels.
    static constexpr int kTextMargin = 2;

    // The text drawn for `index` in the cell `option.rect` with `option.font`.
    QString DisplayedText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const StringGrid* grid_;
};
