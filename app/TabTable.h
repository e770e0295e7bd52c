#pragma once
// The tables of the analysis tabs: one row per crank position, columns of numbers in the
// program's number text under headers with their units, read-only, formatted only when shown so
// that 100 000 rows cost no more than their numbers. Ctrl+C copies the selected cells as
// tab-separated text.

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

#include <vector>

struct Quantity;

class TabTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // One column per quantity, headed "name, unit", its meaning in the header's tooltip.
    explicit TabTableModel(const std::vector<const Quantity*>& quantities, QObject* parent = nullptr);

    // Takes the columns (one vector per header, rows = the shortest column); empty clears.
    void SetColumns(std::vector<std::vector<double>> columns);
    double Value(int row, int column) const;
    QString CellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList headers_;
    QStringList toolTips_;
    std::vector<std::vector<double>> columns_;
    int rows_ = 0;
};

class TabTable : public QTableView {
    Q_OBJECT

public:
    TabTable(const char* objectName, const std::vector<const Quantity*>& quantities, QWidget* parent = nullptr);
    TabTableModel* Model() const { return model_; }
    // The selected cells: tabs between cells, a line feed after each row.
    QString SelectionText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TabTableModel* model_;
};
