// The one change rule of the chart's parts: a setter announces a change exactly when the value
// differs, and a part's change reaches its owner (axis, chart) once.

#include "ChartFixtures.h"

#include "chart/ChartAxisTitle.h"
#include "chart/ChartFont.h"
#include "chart/ChartLegend.h"
#include "chart/ChartPen.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>

namespace {
// Calls `set` twice with the same new value: one Changed() for the first call, none for the second.
void ExpectOneChange(TChartPart& part, const std::function<void()>& set, const char* what)
{
    QSignalSpy spy(&part, &TChartPart::Changed);
    set();
    EXPECT_EQ(spy.count(), 1) << what;
    set();
    EXPECT_EQ(spy.count(), 1) << what << " (same value again)";
}
}  // namespace

TEST(ChartParts, SettersAnnounceOnlyRealChanges)
{
    TChartPen pen;
    ExpectOneChange(pen, [&] { pen.SetColor(clRed); }, "pen colour");
    ExpectOneChange(pen, [&] { pen.SetWidth(3); }, "pen width");
    ExpectOneChange(pen, [&] { pen.SetStyle(psDot); }, "pen style");
    ExpectOneChange(pen, [&] { pen.SetVisible(false); }, "pen visible");
    ExpectOneChange(pen, [&] { pen.SetEndStyle(esFlat); }, "pen end style");
    TAxisGridPen grid;
    ExpectOneChange(grid, [&] { grid.SetDrawEvery(2); }, "grid every");
    TChartFont font;
    ExpectOneChange(font, [&] { font.SetName(QStringLiteral("Courier")); }, "font name");
    ExpectOneChange(font, [&] { font.SetBold(true); }, "font bold");
    ExpectOneChange(font, [&] { font.SetItalic(true); }, "font italic");
    ExpectOneChange(font, [&] { font.SetColor(clMaroon); }, "font colour");
    ExpectOneChange(font, [&] { font.SetHeight(-12); }, "font height");
    ExpectOneChange(font, [&] { font.SetHeight(0); }, "font height below one pixel");
    TChartAxisTitle title;
    ExpectOneChange(title, [&] { title.SetCaption(QStringLiteral("Угол")); }, "title caption");
    ExpectOneChange(title, [&] { title.SetAngle(90); }, "title angle");
    ExpectOneChange(title, [&] { title.SetVisible(false); }, "title visible");
    ExpectOneChange(title, [&] { title.SetTransparent(false); }, "title transparent");
    TChartLegend legend;
    ExpectOneChange(legend, [&] { legend.SetVisible(false); }, "legend");
    // Assigning a pen always announces, as a whole new pen.
    QSignalSpy spy(&pen, &TChartPart::Changed);
    pen.Assign(pen);
    EXPECT_EQ(spy.count(), 1);
}

TEST(ChartParts, ChangesReachTheirOwnerAndTheSeriesRepaint)
{
    auto chart = MakeProgramChart();
    TFastLineSeries* series = AddLineSeries(*chart, clRed);
    TChartAxis* bottom = chart->BottomAxis();
    // A change of a pen, a font or the title of an axis is a change of the axis.
    ExpectOneChange(*bottom, [&] { bottom->Grid()->SetColor(clBlue); }, "grid pen via axis");
    ExpectOneChange(*bottom, [&] { bottom->LabelsFont()->SetBold(true); }, "labels font via axis");
    ExpectOneChange(*bottom, [&] { bottom->Title()->Font()->SetSize(10); }, "title font via axis");
    ExpectOneChange(*bottom, [&] { bottom->SetTickLength(6); }, "axis tick length");
    ExpectOneChange(*series, [&] { series->SetStairs(true); }, "series stairs");
    ExpectOneChange(*series, [&] { series->SetSeriesColor(clGreen); }, "series colour");
    ExpectOneChange(*series, [&] { series->SetVertAxis(aRightAxis); }, "series axis");
    // A series change paints the chart again; an unchanged value does not.
    chart->RenderImage();
    const QImage before = chart->RenderImage();
    series->SetStairs(true);
    EXPECT_EQ(chart->RenderImage(), before);
    series->SetVertAxis(aLeftAxis);
    FillAngleCurve(*series);
    const QImage curve = chart->RenderImage();
    series->SetSeriesColor(clBlue);
    EXPECT_NE(chart->RenderImage(), curve);
}
