#pragma once
// The tab "Силы": the masses and the resistance of the force analysis, the balancing torque on
// the crank over the turn found two ways (structural groups and Zhukovsky's lever), the table of
// the torques and joint reactions of every position, and the force plan of the group of links 2
// and 3 for the position the drawing tab shows.
//
// It works on the solves the accelerations tab keeps (their accelerations, characteristics and
// ω1) and recomputes whenever one of them or one of its own parameters changes. A computation
// fault reaches the error box; the parts it concerns are then left empty.

#include "kinematics/ForceAnalysis.h"

#include <QWidget>

class AccelerationsTab;
class QCheckBox;
class QLabel;
class QTabWidget;
class TabField;
class TabTable;
class TChart;
class TFastLineSeries;
class TImage;
struct TabSolve;

class ForcesTab : public QWidget {
    Q_OBJECT

public:
    // `accelerations` (not owned) supplies the solves and ω1; it must outlive this tab.
    explicit ForcesTab(AccelerationsTab* accelerations, QWidget* parent = nullptr);

    // The parameters in use (ω1 from the accelerations tab).
    ForceParameters Parameters() const;
    double ForceScale() const;
    // The largest |Mб(groups) − Mб(lever)| over the table and the chart; 0 before a calculation.
    double LargestDifference() const { return largestDifference_; }

private:
    void CreateStrip(QWidget* strip);
    QWidget* CreateChartPage();
    QWidget* CreatePlanPage();

    // Each recomputes its part from the accelerations tab's solve, or clears it; guarded.
    void RefreshTable();
    void RefreshChart();
    void RefreshPlan();
    void RefreshAll();
    void ClearAll();
    void ShowDifference();

    const AccelerationsTab* accelerations_;
    double tableDifference_ = 0;
    double chartDifference_ = 0;
    double largestDifference_ = 0;

    TabField* linearMass_ = nullptr;
    TabField* sliderMass_ = nullptr;
    TabField* resistance_ = nullptr;
    TabField* forceScale_ = nullptr;
    QCheckBox* gravity_ = nullptr;
    QTabWidget* pages_ = nullptr;
    TChart* chart_ = nullptr;
    TFastLineSeries* seriesGroups_ = nullptr;
    TFastLineSeries* seriesLever_ = nullptr;
    QLabel* difference_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    TImage* planImage_ = nullptr;
    TabTable* grid_ = nullptr;
};
