#pragma once
// The tab "Ускорения": the crank speed ω1, the acceleration plan of the position the drawing tab
// shows, the displacement, velocity and acceleration diagrams of the slider E, the table of the
// angular velocities, angular accelerations and point accelerations of every position, and the
// characteristics of the mechanism.
//
// The main window passes in each finished solve: the final solve of Calculate (the table and the
// characteristics) and the diagrams' 180-position solve (the diagrams and the plan). The tab keeps
// its own copies, computed for ω1 = 1, and scales what it shows by ω1 (velocities) and ω1²
// (accelerations). Computation faults are thrown to the caller's handler; the tab shows nothing
// of a solve whose computation failed.

#include "app/TabSolve.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TabField;
class TabTable;
class TChart;
class TFastLineSeries;
class TImage;

class AccelerationsTab : public QWidget {
    Q_OBJECT

public:
    explicit AccelerationsTab(QWidget* parent = nullptr);

    // ---- Results from the main window (may throw FloatingPointError) ----
    // The final solve of Calculate: positions 0 .. count-1 of `arrays` for the record `m`.
    void ShowFinalSolve(const Mechanism& m, const PositionArrays& arrays, int count);
    // The diagrams' solve and the position to draw the plan of.
    void ShowDiagramSolve(const Mechanism& m, const PositionArrays& arrays, int count, int selected);
    // Another position of the diagrams' solve (an index outside it draws an empty plan).
    void SelectPosition(int selected);

    // ---- State read by the forces tab and the tests ----
    double Omega1() const;
    double AccelScale() const;
    const TabSolve& FinalSolve() const { return final_; }
    const TabSolve& DiagramSolve() const { return diagram_; }
    int SelectedPosition() const { return selected_; }
    // The last change of ω1 faulted: the tab shows nothing, and neither should anything built on it.
    bool ScalingFailed() const { return scalingFailed_; }

signals:
    void Omega1Changed(double omega1);
    void FinalSolveChanged();
    void DiagramSolveChanged();
    void SelectedPositionChanged();

private:
    void CreateStrip(QWidget* strip);
    QWidget* CreatePlanPage();
    QWidget* CreateChartsPage();
    void CreateCharacteristicsPanel(QGroupBox* box);

    // Each shows its part for the current ω1, or clears it when there is nothing valid to show.
    void ShowTable();
    void ShowCharacteristics();
    void ShowDiagrams();
    void DrawPlan();
    void ClearTable();
    void ClearCharacteristics(const QString& note);
    void ClearDiagrams();

    void Omega1Edited();
    void AccelScaleEdited();

    TabSolve final_;
    TabSolve diagram_;
    int selected_ = 0;
    bool scalingFailed_ = false;

    TabField* omega1_ = nullptr;
    TabField* accelScale_ = nullptr;
    QTabWidget* pages_ = nullptr;
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
    QLabel* maxSpeed_ = nullptr;
    QLabel* maxAccel_ = nullptr;
    TChart* chartS_ = nullptr;
    TChart* chartV_ = nullptr;
    TChart* chartA_ = nullptr;
    TFastLineSeries* seriesS_ = nullptr;
    TFastLineSeries* seriesV_ = nullptr;
    TFastLineSeries* seriesA_ = nullptr;
    TFastLineSeries* marks_[3][2] = {};
};
