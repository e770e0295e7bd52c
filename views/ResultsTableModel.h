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
    static constexpr int kColumns = 14;  // the quantities of kinematics/Quantities.h's kTableQuantities
    // The number a cell shows (after the display rounding), for fitting it into the cell.
    static constexpr int kValueRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // Takes the values of positions 0 .. computedRows-1; the table gets max(rowCount, 1) rows.
    void Fill(const PositionArrays& arrays, int rowCount, int computedRows);

    // The text a cell shows ("" for a blank cell).
    QString CellText(int row, int column) const;

    // What Ctrl+C copies of a cell: the value before the display rounding, in the general
    // number text (15 significant digits); "" for a blank cell.
    QString CopiedText(int row, int column) const;

    // The cell's whole text with its quantity, unit, position and crank angle, for its tooltip:
    // "Xa = -1,83697019872103E-17 м, положение 6, φ = 270°" ("" for a blank cell); a rounded
    // positive cell adds its value before rounding.
    QString CellToolTip(int row, int column) const;

    // The caption above a column ("Xa") and what it means, with its unit, for the caption's
    // tooltip ("Xa — координата x точки A, м").
    static QString ColumnCaption(int column);
    static QString ColumnToolTip(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    int rows_ = 5;  // before the first fill the grid has five empty rows
    int computedRows_ = 0;
    std::array<std::vector<double>, kColumns> columns_;
};

// The per-position array shown in table column `column` (Xa, Ya, Vxa, Vya, Xb, ...).
const std::vector<double>& ResultsColumnArray(const PositionArrays& arrays, int column);
