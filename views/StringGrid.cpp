#include "views/StringGrid.h"

#include "views/SelectedCellsText.h"
#include "views/FormFont.h"
#include "views/GridCellDelegate.h"
#include "views/ResultsTableModel.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

constexpr int kColumnWidth = 48;
constexpr int kRowHeight = 24;
const QColor kTeal(0, 128, 128);

}  // namespace

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), model_(new ResultsTableModel(this))
{
    setModel(model_);
    setItemDelegate(new GridCellDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    QPalette p = palette();
    p.setColor(QPalette::Base, kTeal);
    setPalette(p);
    setFont(FormFont(11, true));
}

int StringGrid::FixedRows() const
{
    return model_->rowCount() > 1 ? 1 : 0;
}

QString StringGrid::SelectionText() const
{
    return SelectedCellsText(*selectionModel(), [this](int r, int c) { return model_->CopiedText(r, c); });
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    if (!CopyOnCopyKey(event, [this] { return SelectionText(); }))
        QTableView::keyPressEvent(event);
}
