#include "report/DynamicsCharts.h"

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"
#include "kinematics/Angles.h"
#include "report/DiagramLook.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kCurvePen = 2;
constexpr int kMarkPen = 1;
constexpr double kTurnDegrees = 360;
// The tangents run from the ΔT axis (Jпр = 0, where they cut the segment ab) a little past the
// diagram's widest Jпр.
constexpr double kTangentOverhang = 1.05;
// Room above and below the curves, in pixels, so that the marks at the extremes stay off the frame.
constexpr int kValueMargin = 10;

const DiagramChartLook kLooks[kDynamicsChartCount] = {
    {"ChartDynMoments", QT_TRANSLATE_NOOP("Report", "Приведённый момент сил Mпр и движущий момент Mд"), QT_TRANSLATE_NOOP("Report", "Угол, °"), QT_TRANSLATE_NOOP("Report", "M, Н·м"),
     {{"SeriesMpr", clRed, kCurvePen}, {"SeriesMd", clBlue, kCurvePen}}},
    {"ChartDynWorks", QT_TRANSLATE_NOOP("Report", "Работы Aд, Aс и изменение кинетической энергии ΔT"), QT_TRANSLATE_NOOP("Report", "Угол, °"), QT_TRANSLATE_NOOP("Report", "A, Дж"),
     {{"SeriesAd", clBlue, kCurvePen}, {"SeriesAc", clRed, kCurvePen}, {"SeriesDeltaT", clGreen, kCurvePen}}},
    {"ChartDynInertia", QT_TRANSLATE_NOOP("Report", "Приведённый момент инерции Jпр"), QT_TRANSLATE_NOOP("Report", "Угол, °"), QT_TRANSLATE_NOOP("Report", "Jпр, кг·м²"),
     {{"SeriesJpr", clRed, kCurvePen}}},
    {"ChartDynEnergyMass", QT_TRANSLATE_NOOP("Report", "Диаграмма энергия – масса ΔT(Jпр)"), QT_TRANSLATE_NOOP("Report", "Jпр, кг·м²"), QT_TRANSLATE_NOOP("Report", "ΔT, Дж"),
     {{"SeriesEnergyMass", clRed, kCurvePen}, {"SeriesTangentMax", clBlue, kMarkPen},
      {"SeriesTangentMin", clBlue, kMarkPen}}},
    {"ChartDynOmega", QT_TRANSLATE_NOOP("Report", "Угловая скорость кривошипа ω1 с маховиком"), QT_TRANSLATE_NOOP("Report", "Угол, °"), QT_TRANSLATE_NOOP("Report", "ω1, рад/с"),
     {{"SeriesOmega", clRed, kCurvePen}, {"SeriesOmegaMax", clBlue, kMarkPen}, {"SeriesOmegaMin", clBlue, kMarkPen},
      {"SeriesOmegaMean", clGreen, kMarkPen}}},
};

void FillOverAngle(TChartSeries* series, const std::vector<double>& phi, const std::vector<double>& values)
{
    const std::size_t n = std::min(phi.size(), values.size());
    for (std::size_t i = 0; i < n; ++i)
        series->AddPoint(Degrees(phi[i]), values[i]);
}

// A level across the whole turn.
void FillLevel(TChartSeries* series, double value)
{
    series->AddPoint(0, value);
    series->AddPoint(kTurnDegrees, value);
}

void FillTangent(TChartSeries* series, const EnergyTangent& t, double widest)
{
    const double end = widest * kTangentOverhang;
    series->AddPoint(0, t.Intercept);
    series->AddPoint(end, t.Slope * end + t.Intercept);
}

}  // namespace

const char* const kDynamicsChartLegends[kDynamicsChartCount] = {
    QT_TRANSLATE_NOOP("Report", "Красная линия — приведённый момент сил тяжести и сопротивления Mпр, синяя — постоянный движущий момент Mд "
    "(Mпр > 0 помогает кривошипу)."),
    QT_TRANSLATE_NOOP("Report", "Синяя — работа движущего момента Aд, красная — работа сил сопротивления и тяжести Aс, зелёная — "
    "ΔT = Aд + Aс; за цикл Aд + Aс = 0."),
    QT_TRANSLATE_NOOP("Report", "Jпр = Σ(m·vS² + JS·ω²) + m5·vE² при ω1 = 1 рад/с."),
    QT_TRANSLATE_NOOP("Report", "Красная — кривая ΔT(Jпр) за оборот; синие — касательные Виттенбауэра с tg ψ = ωср²(1 ± δ)/2. Они "
    "отсекают на оси ΔT отрезок ab, Jм = ab/(δ·ωср²)."),
    QT_TRANSLATE_NOOP("Report", "Красная — ω1(φ) с маховиком точного расчёта; синие — ωmax и ωmin, зелёная — ωср = (ωmax + ωmin)/2."),
};

std::unique_ptr<TChart> MakeDynamicsChart(int number)
{
    const DiagramChartLook& look = kLooks[number - 1];
    std::unique_ptr<TChart> chart = MakeDiagramChart(look);
    chart->LeftAxis()->SetMinimumOffset(kValueMargin);
    chart->LeftAxis()->SetMaximumOffset(kValueMargin);
    // The energy-mass diagram is a closed curve: its points stay in the order of the turn.
    if (number == 4)
        chart->findChild<TChartSeries*>(QStringLiteral("SeriesEnergyMass"))->XValues().Order = loNone;
    return chart;
}

void FillDynamicsChart(TChart& chart, int number, const DynamicsResult& d)
{
    const DiagramChartLook& look = kLooks[number - 1];
    for (const DiagramSeriesLook& s : look.series)
        EmptiedSeries(chart, s.name);
    if (d.Status != DynamicsStatus::Computed)
        return;
    auto series = [&chart](const char* name) { return chart.findChild<TChartSeries*>(QString::fromLatin1(name)); };
    switch (number) {
    case 1:
        FillOverAngle(series("SeriesMpr"), d.Phi, d.Mpr);
        FillLevel(series("SeriesMd"), d.DrivingTorque);
        break;
    case 2:
        FillOverAngle(series("SeriesAd"), d.Phi, d.Ad);
        FillOverAngle(series("SeriesAc"), d.Phi, d.Ac);
        FillOverAngle(series("SeriesDeltaT"), d.Phi, d.DeltaT);
        break;
    case 3:
        FillOverAngle(series("SeriesJpr"), d.Phi, d.Jpr);
        break;
    case 4: {
        TChartSeries* curve = series("SeriesEnergyMass");
        const std::size_t n = std::min(d.Jpr.size(), d.DeltaT.size());
        double widest = 0;
        for (std::size_t i = 0; i < n; ++i) {
            curve->AddPoint(d.Jpr[i], d.DeltaT[i]);
            widest = std::max(widest, d.Jpr[i]);
        }
        FillTangent(series("SeriesTangentMax"), d.Wittenbauer.Upper, widest);
        FillTangent(series("SeriesTangentMin"), d.Wittenbauer.Lower, widest);
        break;
    }
    case 5:
        FillOverAngle(series("SeriesOmega"), d.Phi, d.Omega);
        FillLevel(series("SeriesOmegaMax"), d.OmegaMax.Value);
        FillLevel(series("SeriesOmegaMin"), d.OmegaMin.Value);
        FillLevel(series("SeriesOmegaMean"), d.OmegaAchievedMean);
        break;
    default:
        break;
    }
}
