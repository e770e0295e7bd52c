// ShowDiagrams: the refresh of the six diagrams and the two drawings, run at the end of every
// Calculate and on every change of the drawing tab's position and scale fields.

#include "app/MainForm.h"

#include "chart/TFastLineSeries.h"
#include "kinematics/NumberText.h"
#include "views/PathSplit.h"
#include "views/UpDown.h"

#include <QLineEdit>

#include <cmath>

namespace {

constexpr int kDiagramPositions = 180;
constexpr double kTwoPi = 6.28318530717958647692;

// The diagrams solve 180 positions of their own; the record gets the user's N back afterwards,
// so the next table fill and save use what the user typed.
class PositionCountOverride {
public:
    PositionCountOverride(Mechanism& m, std::int32_t n) : m_(m), saved_(m.PositionCount) { m_.PositionCount = n; }
    ~PositionCountOverride() { m_.PositionCount = saved_; }
    PositionCountOverride(const PositionCountOverride&) = delete;
    PositionCountOverride& operator=(const PositionCountOverride&) = delete;

private:
    Mechanism& m_;
    std::int32_t saved_;
};

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

    {
        PositionCountOverride diagramCount(mechanism_, kDiagramPositions);
        SolveMechanism();
    }

    // 180, the full turn, is the crank position 0.
    const int drawn = selected == kDiagramPositions ? 0 : selected;
    DrawVelocityPlan(drawn);
    DrawMechanism(drawn);

    const PositionArrays& a = solver_.arrays;
    const int computed = solvedPositions_;
    for (TFastLineSeries* series : {Series1, Series2, Series3, Series4, Series5, Series6, Series7})
        series->ClearPoints();

    if (computed > 0) {
        // The path of D is cut at its leftmost point into two arcs, each ascending in X.
        const int split = LeftmostIndex(a.Xd, computed);
        for (int j = 0; j <= split; ++j)
            Series3->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);
        for (int j = split; j < computed; ++j)
            Series4->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);
    }

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
