#include "views/ResultsTableModel.h"

#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"

#include <algorithm>

namespace {

struct ColumnMeaning {
    const char* caption;
    const char* tip;
    bool velocity;
};

// Velocities are for the crank turning at ω1 = 1 рад/с; at another ω1 they scale by it.
constexpr ColumnMeaning kColumnMeanings[ResultsTableModel::kColumns] = {
    {"Xa", "координата x точки A (конец кривошипа OA)", false},
    {"Ya", "координата y точки A (конец кривошипа OA)", false},
    {"Vxa", "проекция скорости точки A на ось x", true},
    {"Vya", "проекция скорости точки A на ось y", true},
    {"Xb", "координата x точки B (шарнир шатуна AB и коромысла BC)", false},
    {"Yb", "координата y точки B (шарнир шатуна AB и коромысла BC)", false},
    {"Vxb", "проекция скорости точки B на ось x", true},
    {"Vyb", "проекция скорости точки B на ось y", true},
    {"Xd", "координата x точки D (середина шатуна AB)", false},
    {"Yd", "координата y точки D (середина шатуна AB)", false},
    {"Vxd", "проекция скорости точки D на ось x", true},
    {"Vyd", "проекция скорости точки D на ось y", true},
    {"Ye", "координата y ползуна E на вертикальной направляющей", false},
    {"Ve", "скорость ползуна E вдоль направляющей (вверх — плюс)", true},
};

QString UnitOf(int column)
{
    return kColumnMeanings[column].velocity ? QStringLiteral("м/с") : QStringLiteral("м");
}

}  // namespace

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

QString ResultsTableModel::CellToolTip(int row, int column) const
{
    const QString text = CellText(row, column);
    if (text.isEmpty())
        return text;
    // Row r is crank position r, at the angle (360/N)·r degrees with N the table's row count.
    const double degrees = (360.0 / static_cast<double>(rows_)) * static_cast<double>(row);
    QString tip = QStringLiteral("%1 = %2 %3, положение %4, φ = %5°")
                      .arg(ColumnCaption(column), text, UnitOf(column), QString::number(row),
                           QString::fromStdString(FormatGeneral(RoundDecimals(3, degrees))));
    // Positive cells are rounded to three decimals: "0,071" is 0,0707106781186548, and a
    // positive value below 0,0005 reads "0". The tooltip gives the value before rounding.
    const QString unrounded = QString::fromStdString(FormatGeneral(columns_[column][row]));
    if (unrounded != text)
        tip += QStringLiteral(" (без округления %1 %2)").arg(unrounded, UnitOf(column));
    return tip;
}

QString ResultsTableModel::ColumnCaption(int column)
{
    if (column < 0 || column >= kColumns)
        return QString();
    return QString::fromLatin1(kColumnMeanings[column].caption);
}

QString ResultsTableModel::ColumnToolTip(int column)
{
    if (column < 0 || column >= kColumns)
        return QString();
    QString tip = QStringLiteral("%1 — %2, %3").arg(ColumnCaption(column), QString::fromUtf8(kColumnMeanings[column].tip),
                                                     UnitOf(column));
    if (kColumnMeanings[column].velocity)
        tip += QStringLiteral(" (при ω1 = 1 рад/с)");
    return tip;
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
