#pragma once
// Charts set up as the program's diagrams are (margins, bevels, title, axis titles, width-2 pens),
// and small helpers to look at their pictures.

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"

#include <QImage>

#include <cmath>
#include <memory>

// The frame of the program's diagrams: margins, bevel, border, colour, flat, no legend, a clear back
// wall, the bold title and the two axis captions.
inline std::unique_ptr<TChart> MakeDiagramFrame(int width, int height)
{
    auto chart = std::make_unique<TChart>();
    chart->resize(width, height);
    chart->SetMarginLeft(5);
    chart->SetMarginRight(5);
    chart->SetMarginTop(5);
    chart->SetMarginBottom(5);
    chart->SetBevelInner(bvLowered);
    chart->SetBorderWidth(2);
    chart->SetColor(12615680);
    chart->SetView3D(false);
    chart->Legend()->SetVisible(false);
    chart->BackWall()->SetBrushStyle(bsClear);
    chart->Title()->SetText({QStringLiteral("Диагрнамма скоростей т. Е")});
    chart->Title()->Font()->SetHeight(-12);
    chart->Title()->Font()->SetBold(true);
    chart->BottomAxis()->Title()->SetCaption(QStringLiteral("Угол"));
    chart->BottomAxis()->SetTitleSize(5);
    chart->LeftAxis()->Title()->SetCaption(QStringLiteral("Скорости"));
    chart->LeftAxis()->SetTitleSize(3);
    return chart;
}

// The frame with the title's colour and dash-dot frame and the maroon axis captions.
inline std::unique_ptr<TChart> MakeProgramChart(int width = 352, int height = 225)
{
    auto chart = MakeDiagramFrame(width, height);
    chart->Title()->SetColor(16777200);
    chart->Title()->Frame()->SetStyle(psDashDot);
    chart->Title()->Frame()->SetWidth(3);
    chart->BottomAxis()->Title()->Font()->SetColor(clMaroon);
    chart->LeftAxis()->Title()->Font()->SetColor(clMaroon);
    return chart;
}

inline TFastLineSeries* AddLineSeries(TChart& chart, TColor color, int width = 2)
{
    auto* series = new TFastLineSeries(&chart);
    series->SetSeriesColor(color);
    series->LinePen()->SetWidth(width);
    chart.AddSeries(series);
    return series;
}

// x from 0 by 2*pi/180, y a smooth curve: what the angle diagrams hold.
inline void FillAngleCurve(TFastLineSeries& series, int count = 180)
{
    double angle = 0;
    for (int k = 0; k < count; ++k) {
        series.AddPoint(angle, std::sin(angle) * 0.8 + 0.1);
        angle += 2 * M_PI / 180;
    }
}

inline int CountPixels(const QImage& image, const QRect& area, QRgb color)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF) ? 1 : 0;
    return n;
}

// A chart that counts how often its picture is painted from scratch.
class RenderCountingChart : public TChart {
public:
    int renders = 0;

protected:
    void DrawChart(QPainter& painter, const ChartRect& bounds) override
    {
        ++renders;
        TChart::DrawChart(painter, bounds);
    }
};
