#pragma once
// The results grid: fixed 48-px columns and 24-px rows on a teal background, one fixed row and
// one fixed column drawn in the header style (they hold data too), read-only, range selection,
// and Ctrl+C copying the selected cells as tab-separated text for reports.

#include <QTableView>

class ResultsTableModel;

class StringGrid : public QTableView {
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent = nullptr);

    ResultsTableModel* Model() const { return model_; }

    // Header-styled rows and columns at the top and left (a one-row table has no fixed row).
    int FixedRows() const;
    int FixedCols() const { return 1; }

    // The selected cells as text: cells separated by tabs, each row ended by a line feed; each
    // cell's value unrounded (the cells show it rounded).
    QString SelectionText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ResultsTableModel* model_;
};
