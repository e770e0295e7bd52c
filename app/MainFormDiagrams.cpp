// ShowDiagrams: the refresh of the six diagrams and the two drawings from the window's result,
// run at the end of every Calculate and on every change of the drawing tab's position and scale
// fields. It reads the fields and draws; the positions it draws are the result's diagrams' own.

#include "app/MainForm.h"

#include "app/AccelerationsTab.h"
#include "app/ForcesTab.h"
#include "chart/Chart.h"
#include "kinematics/NumberText.h"
#include "report/DiagramCharts.h"
#include "views/UpDown.h"

#include <QLineEdit>

void TForm4::ShowDiagrams()
{
    // The drawings select among the diagrams' own positions once those exist.
    const CalculationResult* result = Result();
    if (UpDown1)
        UpDown1->setMaximum(result ? kDiagramPositionCount : mechanism_.PositionCount);
    // A field emptied while the user retypes it is no error: the drawings wait for a number.
    const bool waiting = Edit9->text().isEmpty() || Edit11->text().isEmpty() || Edit5->text().isEmpty();
    if (!waiting) {
        const std::int32_t plan = StrToInt(Edit9->text().toStdString());
        const std::int32_t position = StrToInt(Edit11->text().toStdString());
        const std::int32_t selected = StrToInt(Edit5->text().toStdString());
        planScale_ = plan;
        positionScale_ = position;
        drawnPosition_ = selected == kDiagramPositionCount ? 0 : selected;  // 180, the full turn, is position 0
    }
    // Nothing is calculated before the first Calculate: there is nothing to show yet.
    if (!result)
        return;

    // Every redraw starts from blank pictures, so a picture never shows two mechanisms.
    ClearImage(Image1);
    ClearImage(Image2);
    if (!waiting) {
        DrawVelocityPlan(drawnPosition_);
        DrawMechanism(drawnPosition_);
        TabAccelerations->SelectPosition(drawnPosition_);
        TabForces->SelectPosition(drawnPosition_);
    }

    const int charts = 6;
    TChart* chart[charts] = {Chart1, Chart2, Chart3, Chart4, Chart5, Chart6};
    for (int number = 1; number <= charts; ++number)
        FillDiagramChart(*chart[number - 1], number, *result);
    const int rows = result->Kinematics().diagrams.Rows();
    for (int k = 0; !waiting && k < rows; ++k)
        PlotPathPoints(k);
}
