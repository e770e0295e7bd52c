#include "views/ResultsTableModel.h"

#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "kinematics/RoundDecimals.h"
#include "kinematics/TextCatalogue.h"

#include <algorithm>

static_assert(ResultsTableModel::kColumns == kTableQuantityCount, "one column per quantity of the table");

namespace {

const Quantity& QuantityOf(int column)
{
    return kTableQuantities[static_cast<std::size_t>(column)].quantity;
}

QString UnitOf(int column)
{
    return QString::fromStdString(Tr(QuantityOf(column).unit));
}

}  // namespace

const std::vector<double>& ResultsColumnArray(const PositionArrays& a, int column)
{
    return a.*kTableQuantities[static_cast<std::size_t>(column)].values;
}

void ResultsTableModel::Fill(const PositionArrays& arrays, int rowCount, int computedRows)
{
    beginResetModel();
    rows_ = std::max(rowCount, 1);
    computedRows_ = std::clamp(computedRows, 0, std::min(rows_, static_cast<int>(arrays.Size())));
    for (int c = 0; c < kColumns; ++c) {
        const std::vector<double>& source = ResultsColumnArray(arrays, c);
        columns_[c].assign(source.begin(), source.begin() + computedRows_);
    }
    endResetModel();
}

QString ResultsTableModel::CellText(int row, int column) const
{
    if (row < 0 || row >= computedRows_ || column < 0 || column >= kColumns)
        return QString();
    return QString::fromStdString(FormatGeneral(RoundDecimals(3, columns_[column][row])));
}

QString ResultsTableModel::CopiedText(int row, int column) const
{
    if (row < 0 || row >= computedRows_ || column < 0 || column >= kColumns)
        return QString();
    return QString::fromStdString(FormatGeneral(columns_[column][row]));
}

QString ResultsTableModel::CellToolTip(int row, int column) const
{
    const QString text = CellText(row, column);
    if (text.isEmpty())
        return text;
    // Row r is crank position r, at the angle (360/N)·r degrees with N the table's row count.
    const double degrees = (360.0 / static_cast<double>(rows_)) * static_cast<double>(row);
    QString tip = tr("%1 = %2 %3, положение %4, φ = %5°")
                      .arg(ColumnCaption(column), text, UnitOf(column), QString::number(row),
                           QString::fromStdString(FormatGeneral(RoundDecimals(3, degrees))));
    // Positive cells are rounded to three decimals: "0,071" is 0,0707106781186548, and a
    // positive value below 0,0005 reads "0". The tooltip gives the value before rounding.
    const QString unrounded = QString::fromStdString(FormatGeneral(columns_[column][row]));
    if (unrounded != text)
        tip += tr(" (без округления %1 %2)").arg(unrounded, UnitOf(column));
    return tip;
}

QString ResultsTableModel::ColumnCaption(int column)
{
    if (column < 0 || column >= kColumns)
        return QString();
    return QString::fromUtf8(QuantityOf(column).symbol);
}

QString ResultsTableModel::ColumnToolTip(int column)
{
    if (column < 0 || column >= kColumns)
        return QString();
    // The table's velocities are for the crank turning at ω1 = 1 рад/с; at another ω1 they scale by it.
    return QString::fromStdString(QuantityToolTip(QuantityOf(column), true));
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row(), column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return CellText(row, column);
    case Qt::ToolTipRole: {
        const QString tip = CellToolTip(row, column);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case kValueRole:
        if (row < 0 || row >= computedRows_ || column < 0 || column >= kColumns)
            return QVariant();
        return RoundDecimals(3, columns_[column][row]);
    default:
        return QVariant();
    }
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return ColumnCaption(section);
    if (role == Qt::ToolTipRole)
        return ColumnToolTip(section);
    return QVariant();
}
