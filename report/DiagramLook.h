#pragma once
// The one look of the program's diagrams, in the window, on its analysis tabs and in the report:
// the blue gradient panel with its back picture, the framed bold title, maroon axis captions and
// thick line series with X ascending.

#include "chart/ChartColors.h"

#include <memory>
#include <vector>

class QImage;
class TChart;
class TChartSeries;
class TFastLineSeries;

// One line series of a diagram.
struct DiagramSeriesLook {
    const char* name;
    TColor color;
    int penWidth;
};

// One diagram: its chart's name, its title, the captions of its two axes and its series.
struct DiagramChartLook {
    const char* name;
    const char* title;
    const char* bottomTitle;
    const char* leftTitle;
    std::vector<DiagramSeriesLook> series;
};

// The picture behind every diagram (resources/chart_back.png).
const QImage& DiagramBackImage();

// A new chart with the diagrams' look, its title and the captions of its two axes.
TChart* NewDiagramChart(const char* objectName, const char* title, const char* bottomTitle, const char* leftTitle);
// A line series of `chart` drawn with `penWidth` pixels, its X ascending.
TFastLineSeries* AddDiagramSeries(TChart* chart, const char* objectName, TColor colour, int penWidth);
// A new chart of `look` with all its series.
std::unique_ptr<TChart> MakeDiagramChart(const DiagramChartLook& look);
// The series `name` of `chart`, its points removed.
TChartSeries* EmptiedSeries(TChart& chart, const char* name);
