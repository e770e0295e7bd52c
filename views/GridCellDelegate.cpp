#include "views/GridCellDelegate.h"

#include "views/CellText.h"
#include "views/ResultsTableModel.h"
#include "views/StringGrid.h"

#include <QPainter>

namespace {

const QColor kTeal(0, 128, 128);

}  // namespace

GridCellDelegate::GridCellDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QString GridCellDelegate::DisplayedText(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString full = index.data(Qt::DisplayRole).toString();
    const QVariant value = index.data(ResultsTableModel::kValueRole);
    if (full.isEmpty() || !value.isValid())
        return full;
    const int width = option.rect.width() - 2 * kTextMargin;
    return FittedCellText(value.toDouble(), full, QFontMetrics(option.font), width);
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool fixed = index.row() < grid_->FixedRows() || index.column() < grid_->FixedCols();
    const bool selected = !fixed && (option.state & QStyle::State_Selected);
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, selected ? option.palette.highlight().color() : kTeal);
    if (fixed) {
        painter->setPen(option.palette.light().color());
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.topLeft(), r.bottomLeft());
        painter->setPen(option.palette.dark().color());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomRight());
    }
    painter->setPen(selected ? option.palette.highlightedText().color() : QColor(Qt::black));
    painter->setFont(option.font);
    painter->drawText(r.adjusted(kTextMargin, 0, -kTextMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      DisplayedText(option, index));
    painter->restore();
}
