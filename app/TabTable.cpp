#include "app/TabTable.h"

#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "views/SelectedCellsText.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <utility>

TabTableModel::TabTableModel(const std::vector<const Quantity*>& quantities, QObject* parent)
    : QAbstractTableModel(parent)
{
    for (const Quantity* q : quantities) {
        headers_ << QString::fromStdString(ShownQuantityHeader(*q));
        toolTips_ << QString::fromStdString(QuantityToolTip(*q));
    }
}

void TabTableModel::SetColumns(std::vector<std::vector<double>> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    columns_.resize(static_cast<std::size_t>(headers_.size()));
    std::size_t rows = columns_.empty() ? 0 : columns_.front().size();
    for (const auto& column : columns_)
        rows = std::min(rows, column.size());
    // A solve has at most kMaxPositionCount positions; the cap only keeps the int safe.
    rows_ = static_cast<int>(std::min<std::size_t>(rows, 10'000'000));
    endResetModel();
}

double TabTableModel::Value(int row, int column) const
{
    return columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

QString TabTableModel::CellText(int row, int column) const
{
    if (row < 0 || row >= rows_ || column < 0 || column >= columnCount())
        return QString();
    return QString::fromStdString(FormatGeneral(Value(row, column)));
}

int TabTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int TabTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TabTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant TabTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool column = orientation == Qt::Horizontal && section >= 0 && section < headers_.size();
    if (role == Qt::ToolTipRole)
        return column ? toolTips_[section] : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return column ? headers_[section] : QVariant();
    return QString::number(section);
}

TabTable::TabTable(const char* objectName, const std::vector<const Quantity*>& quantities, QWidget* parent)
    : QTableView(parent), model_(new TabTableModel(quantities, this))
{
    setObjectName(QString::fromLatin1(objectName));
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    // Uniform rows: the view never measures 100 000 of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(136);  // 15 digits, sign and comma
}

QString TabTable::SelectionText() const
{
    return SelectedCellsText(*selectionModel(), [this](int r, int c) { return model_->CellText(r, c); });
}

void TabTable::keyPressEvent(QKeyEvent* event)
{
    if (!CopyOnCopyKey(event, [this] { return SelectionText(); }))
        QTableView::keyPressEvent(event);
}
