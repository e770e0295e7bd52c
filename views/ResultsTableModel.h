#pragma once
// The results table's contents: a snapshot of the 14 per-position quantities taken when the table
// is filled, shown as text on demand (positive values rounded to three decimals). Rows that no
// solve reached are blank. Formatting lazily keeps a 100 000-row table instant.

#include "kinematics/Solver.h"

#include <QAbstractTableModel>

#include <array>
#include <vector>

class ResultsTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumns = 14;

    using QAbstractTableModel::QAbstractTableModel;

    // Takes the values of positions 0 .. computedRows-1; the table gets max(rowCount, 1) rows.
    void Fill(const PositionArrays& arrays, int rowCount, int computedRows);

    // The text a cell shows ("" for a blank cell).
    QString CellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int rows_ = 5;  // before the first fill the grid has five empty rows
    int computedRows_ = 0;
    std::array<std::vector<double>, kColumns> columns_;
};

// The per-position array shown in table column `column` (Xa, Ya, Vxa, Vya, Xb, ...).
const std::vector<double>& ResultsColumnArray(const PositionArrays& arrays, int column);
