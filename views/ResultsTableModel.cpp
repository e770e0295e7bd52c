#include "views/ResultsTableModel.h"

#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"

#include <algorithm>

const std::vector<double>& ResultsColumnArray(const PositionArrays& a, int column)
{
    const std::vector<double>* columns[ResultsTableModel::kColumns] = {
        &a.Xa, &a.Ya, &a.Vxa, &a.Vya, &a.Xb, &a.Yb, &a.Vxb,
        &a.Vyb, &a.Xd, &a.Yd, &a.Vxd, &a.Vyd, &a.Ye, &a.Ve,
    };
    return *columns[column];
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
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return CellText(index.row(), index.column());
}
