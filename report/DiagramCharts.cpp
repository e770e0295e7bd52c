#include "report/DiagramCharts.h"

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"
#include "chart/PathSplit.h"
#include "kinematics/Angles.h"
#include "report/DiagramLook.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSeriesPenWidth = 2;
constexpr int kWideSeriesPenWidth = 4;

const DiagramChartLook kLooks[kDiagramChartCount] = {
    {"Chart1", QT_TRANSLATE_NOOP("Report", "Диагрнамма скоростей т. Е"), QT_TRANSLATE_NOOP("Report", "Угол"), QT_TRANSLATE_NOOP("Report", "Скорости"), {{"Series1", clRed, kSeriesPenWidth}}},
    {"Chart2", QT_TRANSLATE_NOOP("Report", "Диагрнамма перемещений Xa"), QT_TRANSLATE_NOOP("Report", "Угол"), QT_TRANSLATE_NOOP("Report", "Перемещения"),
     {{"FastLineSeries1", clRed, kSeriesPenWidth}, {"Series2", clGreen, kSeriesPenWidth}}},
    {"Chart3", QT_TRANSLATE_NOOP("Report", "Траектория движения т. D"), "Xd", "Yd",
     {{"FastLineSeries2", clRed, kSeriesPenWidth}, {"Series3", clGreen, kSeriesPenWidth},
      {"Series4", clGreen, kSeriesPenWidth}}},
    {"Chart4", QT_TRANSLATE_NOOP("Report", "График изменения max угла передачи"), QT_TRANSLATE_NOOP("Report", "Длина ВС"), QT_TRANSLATE_NOOP("Report", "Мax угол передачи "),
     {{"FastLineSeries3", clRed, kSeriesPenWidth}, {"FastLineSeries4", clGreen, kSeriesPenWidth},
      {"Series6", clYellow, kSeriesPenWidth}}},
    {"Chart5", QT_TRANSLATE_NOOP("Report", "График изменения max скорости Ve"), QT_TRANSLATE_NOOP("Report", "Длина ВС"), QT_TRANSLATE_NOOP("Report", "Max скорость  Ve"),
     {{"FastLineSeries5", clRed, kSeriesPenWidth}, {"FastLineSeries6", clGreen, kSeriesPenWidth},
      {"Series5", clYellow, kSeriesPenWidth}}},
    {"Chart6", QT_TRANSLATE_NOOP("Report", "График изменения min  угла передачи"), QT_TRANSLATE_NOOP("Report", "Длина ВС"), QT_TRANSLATE_NOOP("Report", "Min  угол передачи"),
     {{"FastLineSeries7", clRed, kSeriesPenWidth}, {"FastLineSeries8", clGreen, kSeriesPenWidth},
      {"Series7", clYellow, kSeriesPenWidth}}},
};

const DiagramChartLook kForceLook = {"ChartMb", QT_TRANSLATE_NOOP("Report", "Уравновешивающий момент Mб"), QT_TRANSLATE_NOOP("Report", "Угол, °"), QT_TRANSLATE_NOOP("Report", "Mб, Н·м"),
                                     {{"SeriesMbGroups", clRed, kWideSeriesPenWidth},
                                      {"SeriesMbLever", clBlue, kSeriesPenWidth}}};

// The study charts' marking of the jammed lengths: wide red dashes over the curve.
constexpr TColor kJammedColor = clRed;
constexpr int kJammedPenWidth = 4;
constexpr double kJammedDashHalfWidth = 2;  // mm

void FillStudyCurve(TChartSeries* series, const StudyCurve& curve)
{
    // A rocker length whose study run did not complete has no value and gets no point.
    for (int l = kFirstStudyLbcMm; l <= kLastStudyLbcMm; ++l) {
        if (!std::isnan(curve[l]))
            series->AddPoint(l, curve[l]);
    }
}

void FillJammedPoints(TChartSeries* series, const StudyResults& study, const StudyCurve& curve)
{
    // Each run of jammed lengths as a line over its points, drawn on 2 mm beyond either end (a
    // lone length is then a dash of a few pixels; within the study's range, so that the axis
    // keeps its span), cut off from the previous run by a null point.
    const auto jammed = [&](int l) {
        return l >= kFirstStudyLbcMm && l <= kLastStudyLbcMm && !std::isnan(curve[l])
               && study.StatusByLbc[l] == StudyLengthStatus::Jammed;
    };
    double previousEnd = kFirstStudyLbcMm;
    for (int l = kFirstStudyLbcMm; l <= kLastStudyLbcMm; ++l) {
        if (!jammed(l))
            continue;
        int last = l;
        while (jammed(last + 1))
            ++last;
        const double from = std::max<double>(l - kJammedDashHalfWidth, previousEnd);
        const double to = std::min<double>(last + kJammedDashHalfWidth, kLastStudyLbcMm);
        series->AddPoint(from, curve[l], QString(), clNone);
        series->AddPoint(from, curve[l]);
        for (int k = l; k <= last; ++k)
            series->AddPoint(k, curve[k]);
        series->AddPoint(to, curve[last]);
        previousEnd = to;
        l = last;
    }
}

void FillStudyChart(TChart& chart, int number, const char* curveName, const StudyResults& study,
                    const StudyCurve& curve)
{
    FillStudyCurve(EmptiedSeries(chart, curveName), curve);
    FillJammedPoints(EmptiedSeries(chart, JammedSeriesName(number)), study, curve);
}

void FillOverCrankAngle(TChartSeries* series, const std::vector<double>& values, int rows)
{
    double diagramAngle = 0;
    for (int k = 0; k < rows; ++k) {
        series->AddPoint(diagramAngle, values[static_cast<std::size_t>(k)]);
        diagramAngle = diagramAngle + kTwoPi / kDiagramPositionCount;
    }
}

void FillPathOfD(TChart& chart, const PositionArrays& a, int rows)
{
    TChartSeries* first = EmptiedSeries(chart, "Series3");
    TChartSeries* second = EmptiedSeries(chart, "Series4");
    if (rows <= 0)
        return;
    // The closed path of D as its two branches between the leftmost and rightmost points, each
    // single-valued in X.
    const PathBranches path = SplitClosedPath(a.Xd, rows);
    for (int j : path.forward)
        first->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);
    for (int j : path.backward)
        second->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);
}

}  // namespace

const char* JammedSeriesName(int number)
{
    switch (number) {
    case 4:
        return "SeriesJammed4";
    case 5:
        return "SeriesJammed5";
    case 6:
        return "SeriesJammed6";
    default:
        return nullptr;
    }
}

std::unique_ptr<TChart> MakeDiagramChart(int number)
{
    std::unique_ptr<TChart> chart = MakeDiagramChart(kLooks[number - 1]);
    if (const char* name = JammedSeriesName(number)) {
        TFastLineSeries* marks = AddDiagramSeries(chart.get(), name, kJammedColor, kJammedPenWidth);
        marks->SetIgnoreNulls(false);
        marks->SetTreatNulls(tnDontPaint);
    }
    return chart;
}

void FillDiagramChart(TChart& chart, int number, const CalculationResult& result)
{
    const KinematicsResult& k = result.Kinematics();
    const PositionArrays& a = k.diagrams.positions;
    const int rows = k.diagrams.Rows();
    switch (number) {
    case 1:
        FillOverCrankAngle(EmptiedSeries(chart, "Series1"), a.Ve, rows);
        break;
    case 2:
        FillOverCrankAngle(EmptiedSeries(chart, "Series2"), a.Xa, rows);
        break;
    case 3:
        FillPathOfD(chart, a, rows);
        break;
    case 4:
        FillStudyChart(chart, number, "Series6", k.study, k.study.MaxGammaByLbc);
        break;
    case 5:
        FillStudyChart(chart, number, "Series5", k.study, k.study.MaxVeByLbc);
        break;
    case 6:
        FillStudyChart(chart, number, "Series7", k.study, k.study.MinGammaByLbc);
        break;
    default:
        break;
    }
}

std::unique_ptr<TChart> MakeForceChart()
{
    return MakeDiagramChart(kForceLook);
}

void FillForceChart(TChart& chart, const ForceArrays& diagrams)
{
    TChartSeries* groups = EmptiedSeries(chart, "SeriesMbGroups");
    TChartSeries* lever = EmptiedSeries(chart, "SeriesMbLever");
    for (std::size_t k = 0; k < diagrams.Size(); ++k) {
        // As the solver spaces the diagrams' positions: (360/180)*k degrees.
        const double degrees = (360.0 / kDiagramPositionCount) * static_cast<double>(k);
        groups->AddPoint(degrees, diagrams.MbGroups[k]);
        lever->AddPoint(degrees, diagrams.MbLever[k]);
    }
}

DiagramCharts::DiagramCharts(const CalculationResult& result, QSize size)
{
    for (int number = 1; number <= kDiagramChartCount; ++number) {
        std::unique_ptr<TChart> chart = MakeDiagramChart(number);
        chart->resize(size);
        FillDiagramChart(*chart, number, result);
        charts_[static_cast<std::size_t>(number - 1)] = std::move(chart);
    }
}

DiagramCharts::~DiagramCharts() = default;

std::array<TChart*, kDiagramChartCount> DiagramCharts::All() const
{
    std::array<TChart*, kDiagramChartCount> charts{};
    for (std::size_t i = 0; i < charts.size(); ++i)
        charts[i] = charts_[i].get();
    return charts;
}
