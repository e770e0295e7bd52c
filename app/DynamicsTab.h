#pragma once
// The tab "Динамика": the machine reduced to its crank for the loads of "Силы" (one set of loads:
// ω1, q, m5, Fс and gravity are the same values on both tabs) and the coefficient of speed
// fluctuation δ; the charts of Mпр and Mд, of the works and ΔT, of Jпр, the energy-mass diagram
// with Wittenbauer's tangents and the crank's speed with the flywheel; the panel of the figures
// (Mд, ΔT, Jм three ways, the speed achieved, the flywheel's size) and the table of the N positions.
//
// It shows the dynamics of the window's result. An accepted load or δ makes the window's result
// again (the kinematics stay), so what the tab shows is what every export writes.

#include "app/AnalysisTab.h"

#include <array>

class QGroupBox;
class TChart;

class DynamicsTab : public AnalysisTab {
    Q_OBJECT

public:
    DynamicsTab(ResultPublisher* results, FieldExitRule* fields, QWidget* parent = nullptr);

    double Delta() const;

protected:
    void ShowResult(const CalculationResult& result, ResultChange change) override;
    void ClearResult() override;
    void DrawPlan() override {}

private:
    void CreateStrip();
    QWidget* CreateFlywheelPage();
    QWidget* CreateChartsPage(int first, int second);
    void CreatePanel(QGroupBox* box);
    QWidget* ChartWithLegend(int number);
    void ClearFigures(const QString& note);

    FieldExitRule* fields_;
    TabField* omega1_ = nullptr;
    LoadFields loadFields_;
    TabField* delta_ = nullptr;
    std::array<TChart*, 5> charts_{};
    std::vector<QLabel*> figures_;
    QLabel* note_ = nullptr;
    TabTable* grid_ = nullptr;
};
