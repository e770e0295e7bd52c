#include "report/DiagramCharts.h"

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"
#include "chart/PathSplit.h"
#include "kinematics/Angles.h"
#include "report/DiagramLook.h"

#include <cmath>

namespace {

constexpr int kSeriesPenWidth = 2;

struct SeriesLook {
    const char* name;
    TColor color;
};

struct ChartLook {
    const char* name;
    const char* title;
    const char* bottomTitle;
    const char* leftTitle;
    std::array<SeriesLook, 3> series;  // name nullptr: no further series
};

const ChartLook kLooks[kDiagramChartCount] = {
    {"Chart1", "Диагрнамма скоростей т. Е", "Угол", "Скорости", {{{"Series1", clRed}, {nullptr, 0}, {nullptr, 0}}}},
    {"Chart2", "Диагрнамма перемещений Xa", "Угол", "Перемещения",
     {{{"FastLineSeries1", clRed}, {"Series2", clGreen}, {nullptr, 0}}}},
    {"Chart3", "Траектория движения т. D", "Xd", "Yd",
     {{{"FastLineSeries2", clRed}, {"Series3", clGreen}, {"Series4", clGreen}}}},
    {"Chart4", "График изменения max угла передачи", "Длина ВС", "Мax угол передачи ",
     {{{"FastLineSeries3", clRed}, {"FastLineSeries4", clGreen}, {"Series6", clYellow}}}},
    {"Chart5", "График изменения max скорости Ve", "Длина ВС", "Max скорость  Ve",
     {{{"FastLineSeries5", clRed}, {"FastLineSeries6", clGreen}, {"Series5", clYellow}}}},
    {"Chart6", "График изменения min  угла передачи", "Длина ВС", "Min  угол передачи",
     {{{"FastLineSeries7", clRed}, {"FastLineSeries8", clGreen}, {"Series7", clYellow}}}},
};

TChartSeries* SeriesNamed(TChart& chart, const char* name)
{
    return chart.findChild<TChartSeries*>(QString::fromLatin1(name));
}

void AddStudyCurve(TChartSeries* series, const StudyCurve& curve)
{
    // A rocker length whose study run did not complete has no value and gets no point.
    for (int l = kFirstStudyLbcMm; l <= kLastStudyLbcMm; ++l) {
        if (!std::isnan(curve[l]))
            series->AddPoint(l, curve[l]);
    }
}


// The balancing torque over the crank angle: the groups' curve drawn wide, the lever's narrow on
// top of it, so both show where they lie on each other.
const ChartLook kForceLook = {"ChartMb", "Уравновешивающий момент Mб", "Угол, °", "Mб, Н·м",
                              {{{"SeriesMbGroups", clRed}, {"SeriesMbLever", clGreen}, {nullptr, 0}}}};
constexpr int kWideSeriesPenWidth = 4;

std::unique_ptr<TChart> MakeChart(const ChartLook& look, const QImage& backImage)
{
    std::unique_ptr<TChart> chart(NewDiagramChart(look.name, look.title, look.bottomTitle, look.leftTitle, backImage));
    for (const SeriesLook& s : look.series) {
        if (!s.name)
            break;
        AddDiagramSeries(chart.get(), s.name, s.color, kSeriesPenWidth);
    }
    return chart;
}

}  // namespace

std::unique_ptr<TChart> MakeDiagramChart(int number, const QImage& backImage)
{
    return MakeChart(kLooks[number - 1], backImage);
}

std::unique_ptr<TChart> MakeForceChart(const CalculationSnapshot& snapshot, const QImage& backImage)
{
    std::unique_ptr<TChart> chart = MakeChart(kForceLook, backImage);
    const ForceArrays& f = snapshot.forces.diagrams;
    if (!snapshot.forces.computed || f.Size() == 0)
        return chart;
    auto* groups = chart->findChild<TFastLineSeries*>(QStringLiteral("SeriesMbGroups"));
    auto* lever = chart->findChild<TFastLineSeries*>(QStringLiteral("SeriesMbLever"));
    groups->LinePen()->SetWidth(kWideSeriesPenWidth);
    for (std::size_t k = 0; k < f.Size(); ++k) {
        // As the solver spaces the diagrams' positions: (360/180)*k degrees.
        const double degrees = (360.0 / kDiagramPositionCount) * static_cast<double>(k);
        groups->AddPoint(degrees, f.MbGroups[k]);
        lever->AddPoint(degrees, f.MbLever[k]);
    }
    return chart;
}

void FillDiagramChart(TChart& chart, int number, const CalculationSnapshot& snapshot)
{
    const PositionArrays& a = snapshot.diagrams;
    const int computed = std::min(snapshot.diagramRows, static_cast<int>(a.Size()));
    switch (number) {
    case 1:
    case 2: {
        TChartSeries* series = SeriesNamed(chart, number == 1 ? "Series1" : "Series2");
        const std::vector<double>& values = number == 1 ? a.Ve : a.Xa;
        double diagramAngle = 0;
        for (int k = 0; k < computed; ++k) {
            series->AddPoint(diagramAngle, values[static_cast<std::size_t>(k)]);
            diagramAngle = diagramAngle + kTwoPi / kDiagramPositionCount;
        }
        break;
    }
    case 3: {
        if (computed <= 0)
            break;
        // The closed path of D as its two branches between the leftmost and rightmost points.
        const PathBranches path = SplitClosedPath(a.Xd, computed);
        TChartSeries* first = SeriesNamed(chart, "Series3");
        TChartSeries* second = SeriesNamed(chart, "Series4");
        for (int j : path.forward)
            first->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);
        for (int j : path.backward)
            second->AddPoint(a.Xd[static_cast<std::size_t>(j)], a.Yd[static_cast<std::size_t>(j)]);
        break;
    }
    case 4:
        AddStudyCurve(SeriesNamed(chart, "Series6"), snapshot.study.MaxGammaByLbc);
        break;
    case 5:
        AddStudyCurve(SeriesNamed(chart, "Series5"), snapshot.study.MaxVeByLbc);
        break;
    case 6:
        AddStudyCurve(SeriesNamed(chart, "Series7"), snapshot.study.MinGammaByLbc);
        break;
    default:
        break;
    }
}

DiagramCharts::DiagramCharts(const CalculationSnapshot& snapshot, const QImage& backImage, QSize size)
{
    for (int number = 1; number <= kDiagramChartCount; ++number) {
        std::unique_ptr<TChart> chart = MakeDiagramChart(number, backImage);
        chart->resize(size);
        FillDiagramChart(*chart, number, snapshot);
        charts_[static_cast<std::size_t>(number - 1)] = std::move(chart);
    }
}

DiagramCharts::~DiagramCharts() = default;
