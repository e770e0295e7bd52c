// The two chart tabs of the main window: "Диаграммы" (velocity and displacement over the crank
// angle, the path of D) and "Диаграмы" (the study curves over the rocker length, with the
// dead-position list). The charts share one look; only titles and series differ.

#include "app/MainForm.h"

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "report/DiagramCharts.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWidget>

namespace {

constexpr int kLeftChartWidth = 352;
constexpr int kUpperChartsHeight = 225;   // Panel2
constexpr int kUpperStudyHeight = 209;    // Panel4
constexpr int kSplitterSize = 3;
constexpr int kSmallestPane = 30;
constexpr int kRestOfTab = 10000;         // the filling pane: whatever the tab leaves

QSplitter* MakeSplitter(Qt::Orientation orientation, const char* name)
{
    auto* splitter = new QSplitter(orientation);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setHandleWidth(kSplitterSize);
    // Only a line follows the mouse; the panes take their sizes when the button is released.
    splitter->setOpaqueResize(false);
    splitter->setChildrenCollapsible(true);
    return splitter;
}

// A panel split into a fixed-width left pane and a right pane that takes the rest.
QWidget* MakeSplitPanel(const char* panelName, const char* splitterName, QWidget* left, QWidget* right)
{
    auto* panel = new QWidget;
    panel->setObjectName(QString::fromLatin1(panelName));
    panel->setMinimumHeight(kSmallestPane);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    QSplitter* splitter = MakeSplitter(Qt::Horizontal, splitterName);
    right->setMinimumWidth(kSmallestPane);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kLeftChartWidth, kRestOfTab});
    layout->addWidget(splitter);
    return panel;
}

// A tab split into an upper panel of fixed height and a lower one that fills the rest.
void FillTab(QWidget* tab, const char* splitterName, QWidget* upper, int upperHeight, QWidget* lower)
{
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    QSplitter* splitter = MakeSplitter(Qt::Vertical, splitterName);
    splitter->addWidget(upper);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({upperHeight, kRestOfTab});
    layout->addWidget(splitter);
}

}  // namespace

void TForm4::CreateChartTabs(QWidget* chartsTab, QWidget* studyTab)
{
    Chart1 = MakeDiagramChart(1).release();
    Chart2 = MakeDiagramChart(2).release();
    Chart3 = MakeDiagramChart(3).release();
    Chart4 = MakeDiagramChart(4).release();
    Chart5 = MakeDiagramChart(5).release();
    Chart6 = MakeDiagramChart(6).release();

    // What each chart plots, in which units, and how to look closer.
    const QString zoomHint = tr("\nУвеличить: протяните левой кнопкой мыши вправо вниз; вернуть: протяните влево вверх."
        "\nПрокрутить: протяните правой кнопкой мыши.");
    Chart1->setToolTip(tr("Скорость ползуна E, м/с (для ω1 = 1 рад/с), по углу поворота кривошипа, рад") + zoomHint);
    Chart2->setToolTip(tr("Координата x точки A, м, по углу поворота кривошипа, рад") + zoomHint);
    Chart3->setToolTip(tr("Траектория точки D: Yd, м, по Xd, м") + zoomHint);
    const QString jammedHint = tr("\nКрасным отмечены длины, при которых механизм заклинивает "
                                              "(угол передачи ближе 1° к 0° или 180°): они не выбираются.");
    Chart4->setToolTip(tr("Наибольший угол передачи, рад, по длине коромысла BC, мм") + jammedHint + zoomHint);
    Chart5->setToolTip(tr("Наибольшая скорость ползуна Ve, м/с (для ω1 = 1 рад/с; наибольшая из N "
                                      "положений таблицы, выборочно), по длине коромысла BC, мм")
                       + jammedHint + zoomHint);
    Chart6->setToolTip(tr("Наименьший угол передачи, рад, по длине коромысла BC, мм") + jammedHint + zoomHint);

    // "Диаграммы": Chart2 | Chart1 above, Chart3 | empty below.
    QWidget* panel2 = MakeSplitPanel("Panel2", "Splitter1", Chart2, Chart1);
    auto* emptyRight = new QWidget;
    QWidget* panel3 = MakeSplitPanel("Panel3", "Splitter3", Chart3, emptyRight);
    FillTab(chartsTab, "Splitter2", panel2, kUpperChartsHeight, panel3);

    // "Диаграмы": Chart5 | Chart4 above, Chart6 | dead positions below.
    QWidget* panel4 = MakeSplitPanel("Panel4", "Splitter4", Chart5, Chart4);
    auto* deadPositions = new QWidget;
    QWidget* panel5 = MakeSplitPanel("Panel5", "Splitter6", Chart6, deadPositions);
    FillTab(studyTab, "Splitter5", panel4, kUpperStudyHeight, panel5);
    CreateDeadPositionBox(deadPositions);
}
