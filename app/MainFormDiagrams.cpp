// ShowDiagrams: the refresh of the six diagrams and the two drawings, run at the end of every
// Calculate and on every change of the drawing tab's position and scale fields.

#include "app/MainForm.h"

#include "app/AccelerationsTab.h"

#include "chart/TFastLineSeries.h"
#include "kinematics/Angles.h"
#include "kinematics/NumberText.h"
#include "chart/PathSplit.h"
#include "views/UpDown.h"

#include <QLineEdit>

#include <cmath>

namespace {

constexpr int kDiagramPositions = 180;

}  // namespace

void TForm4::ShowDiagrams()
{
    // The drawings select among the diagrams' own positions once those exist.
    if (UpDown1)
        UpDown1->setMaximum(calculationCount_ > 0 ? kDiagramPositions : mechanism_.PositionCount);
    const std::int32_t plan = StrToInt(Edit9->text().toStdString());
    const std::int32_t position = StrToInt(Edit11->text().toStdString());
    const std::int32_t selected = StrToInt(Edit5->text().toStdString());
    planScale_ = plan;
    positionScale_ = position;
    // Nothing is solved before the first Calculate: there is nothing to show yet.
    if (calculationCount_ == 0)
        return;

    // The diagrams solve 180 positions of their own; the record keeps the user's N for the next
    // table fill and save.
    SolveMechanism(kDiagramPositions);

    // 180, the full turn, is the crank position 0. Every redraw starts from blank pictures, so
    // a picture never shows two mechanisms (the lengths may have changed since the last one).
    const int drawn = selected == kDiagramPositions ? 0 : selected;
    ClearImage(Image1);
    ClearImage(Image2);
    DrawVelocityPlan(drawn);
    DrawMechanism(drawn);
    TabAccelerations->ShowDiagramSolve(mechanism_, solver_.arrays, solvedPositions_, drawn);

    const PositionArrays& a = solver_.arrays;
    const int computed = solvedPositions_;
    for (TFastLineSeries* series : {Series1, Series2, Series3, Series4, Series5, Series6, Series7})
        series->ClearPoints();

    // The path of D is a closed oval: its two branches between the leftmost and the rightmost
    // point, each single-valued in X.
    const PathBranches path = SplitClosedPath(a.Xd, computed);
    for (int j : path.forward)
        Series3->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);
    for (int j : path.backward)
        Series4->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);

    double diagramAngle = 0;
    for (int k = 0; k < computed; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Series2->AddPoint(diagramAngle, a.Xa[i]);
        Series1->AddPoint(diagramAngle, a.Ve[i]);
        diagramAngle = diagramAngle + kTwoPi / kDiagramPositions;
        PlotPathPoints(k);
    }

    // A rocker length whose study run did not complete has no value and gets no point.
    for (int l = kFirstStudyLbcMm; l <= kLastStudyLbcMm; ++l) {
        if (!std::isnan(study_.MaxVeByLbc[l]))
            Series5->AddPoint(l, study_.MaxVeByLbc[l]);
        if (!std::isnan(study_.MaxGammaByLbc[l]))
            Series6->AddPoint(l, study_.MaxGammaByLbc[l]);
        if (!std::isnan(study_.MinGammaByLbc[l]))
            Series7->AddPoint(l, study_.MinGammaByLbc[l]);
    }
}
