#pragma once
// The tab "Силы": the masses and the resistance of the force analysis, the balancing torque on
// the crank over the turn found two ways (structural groups and Zhukovsky's lever), the table of
// the torques and joint reactions of every position, and the force plan of the group of links 2
// and 3 for the position the drawing tab shows.
//
// It shows the force analysis of the window's result. Its fields are loads: an accepted value
// makes the window's result again with the new loads (the kinematics stay), so what the tab
// shows is what every export writes; a refused value changes nothing.

#include "app/AnalysisTab.h"

class TChart;

class ForcesTab : public AnalysisTab {
    Q_OBJECT

public:
    ForcesTab(ResultPublisher* results, FieldExitRule* fields, QWidget* parent = nullptr);

    // The loads in use, ω1 included.
    ForceParameters Parameters() const;
    double ForceScale() const;
    // The largest |Mб(groups) − Mб(lever)| of the result shown; 0 when none is.
    double LargestDifference() const;

protected:
    void ShowResult(const CalculationResult& result, ResultChange change) override;
    void ClearResult() override;
    void DrawPlan() override;

private:
    void CreateStrip();
    QWidget* CreateChartPage();
    QWidget* CreatePlanPage();

    LoadFields loadFields_;
    TabField* crankRpm_ = nullptr;    // n1, об/мин: the speed ω1 in other units
    TabField* forceScale_ = nullptr;
    TChart* chart_ = nullptr;
    QLabel* difference_ = nullptr;
    QLabel* resistanceNote_ = nullptr;  // why no Fс was applied, when none was
    QLabel* positionLabel_ = nullptr;
    TImage* planImage_ = nullptr;
    TabTable* grid_ = nullptr;
};
