#pragma once
// The tab "Ускорения": the crank speed ω1, the acceleration plan of the position the drawing tab
// shows, the displacement, velocity and acceleration diagrams of the slider E, the table of the
// angular velocities, angular accelerations and point accelerations of every position, and the
// characteristics of the mechanism.
//
// It shows the window's result: the table's and the diagrams' accelerations (computed for
// ω1 = 1) scaled by the result's ω1 (velocities by ω1, accelerations by ω1²), and the
// characteristics of the calculated lengths. A new ω1 is a change of the loads: the window's
// result is made again with it, so the forces tab and every export use the same speed.

#include "app/AnalysisTab.h"

class QGroupBox;
class TChart;
class TFastLineSeries;

class AccelerationsTab : public AnalysisTab {
    Q_OBJECT

public:
    AccelerationsTab(ResultPublisher* results, FieldExitRule* fields, QWidget* parent = nullptr);

    // The crank speed in use (the loads' ω1) and the plan's scale, pixels per m/s².
    double Omega1() const;
    double AccelScale() const;

protected:
    void ShowResult(const CalculationResult& result, ResultChange change) override;
    void ClearResult() override;
    void DrawPlan() override;

private:
    QWidget* CreatePlanPage();
    QWidget* CreateChartsPage();
    void CreateCharacteristicsPanel(QGroupBox* box);

    // Each shows its part of the result for ω1, or clears it when the part holds nothing.
    void ShowTable(const KinematicsResult& k, double omega1);
    void ShowCharacteristics(const KinematicsResult& k, double omega1);
    void ShowDiagrams(const KinematicsResult& k, double omega1);
    void ClearCharacteristics(const QString& note);
    void ClearDiagrams();


    double shownOmega1_ = 0;  // the speed of what the tab shows, while `shown_`
    bool shown_ = false;
    TabField* omega1_ = nullptr;
    TabField* accelScale_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    TImage* planImage_ = nullptr;
    TabTable* grid_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* stroke_ = nullptr;
    QLabel* timeRatio_ = nullptr;
    QLabel* extreme1_ = nullptr;
    QLabel* extreme2_ = nullptr;
    QLabel* workAngle_ = nullptr;
    QLabel* idleAngle_ = nullptr;
    QLabel* gammaMin_ = nullptr;
    QLabel* gammaMax_ = nullptr;
    QLabel* muMin_ = nullptr;
    QLabel* reversals_ = nullptr;  // the slider's turns back between its extremes
    QLabel* maxSpeed_ = nullptr;
    QLabel* maxAccel_ = nullptr;
    TFastLineSeries* seriesS_ = nullptr;
    TFastLineSeries* seriesV_ = nullptr;
    TFastLineSeries* seriesA_ = nullptr;
    TFastLineSeries* marks_[3][2] = {};
};
