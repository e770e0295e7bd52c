#include "app/ForcesTab.h"

#include "app/AccelerationsTab.h"
#include "app/GuardedHandler.h"
#include "app/TabCharts.h"
#include "app/TabField.h"
#include "app/TabSolve.h"
#include "app/TabTable.h"
#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/NumberText.h"
#include "views/ForcePlanDrawing.h"
#include "views/TImage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstddef>

namespace {

constexpr double kDefaultForceScale = 0.5;  // pixels per newton: the defaults' plans fill the picture
constexpr int kPlanWidth = 335;
constexpr int kPlanHeight = 340;
constexpr int kFieldWidth = 50;
constexpr int kGroupsPen = 4;  // the wider curve stays visible under the other
constexpr int kLeverPen = 2;

const char* const kGridHeaders[] = {
    "φ, °", "Mб (группы Ассура), Н·м", "Mб (рычаг Жуковского), Н·м", "|R| в O, Н", "|R| в A, Н", "|R| в B, Н",
    "|R| в C, Н", "|R| в D, Н", "|R| в E, Н", "|N| направляющей, Н",
};

QStringList Headers()
{
    QStringList headers;
    for (const char* h : kGridHeaders)
        headers << QString::fromUtf8(h);
    return headers;
}

QString Number(double value, const char* unit)
{
    return QString::fromStdString(FormatGeneral(value)) + QString::fromUtf8(unit);
}

TabField* AddField(QHBoxLayout* row, QWidget* strip, const char* caption, const char* name, double initial,
                   const char* hint)
{
    row->addWidget(new QLabel(QString::fromUtf8(caption), strip));
    auto* field = new TabField(strip, name, initial, TabField::Zero::Allowed);
    field->Edit()->setFixedWidth(kFieldWidth);
    field->Edit()->setToolTip(QString::fromUtf8(hint));
    row->addWidget(field->Edit());
    row->addSpacing(8);
    return field;
}

// The largest |Mб(groups) − Mб(lever)| of the arrays.
double LargestGap(const ForceArrays& f)
{
    CheckedReal largest = 0;
    for (std::size_t k = 0; k < f.Size(); ++k) {
        const CheckedReal gap = Abs(CheckedReal(f.MbGroups[k]) - f.MbLever[k]);
        if (gap > largest)
            largest = gap;
    }
    return largest.Value();
}

// `value` times the unit vector at `angle`, or at `angle` + 90° when `across`.
PlanVector Along(double value, double angle, bool across)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return across ? PlanVector{-s * value, c * value} : PlanVector{c * value, s * value};
}

PlanVector Plan(const Vec2& v)
{
    return {v.x, v.y};
}

// The equilibrium of links 2 and 3 as a student lays it out: the tangential part of R12 first,
// the known loads, then R03 in its two parts and the normal part of R12 closing the chain.
ForcePlan GroupPlan(const PositionForces& f, double theta2, double theta3)
{
    ForcePlan plan;
    const auto add = [&plan](const char* name, PlanVector v, bool reaction) {
        plan.chain.push_back({QString::fromUtf8(name), v, reaction});
    };
    add("R12τ", Along(f.R12t, theta2, true), true);
    add("G2", Plan(f.G2), false);
    add("Fи2", Plan(f.F2), false);
    add("R42", PlanVector{-f.R24.x, -f.R24.y}, false);
    add("G3", Plan(f.G3), false);
    add("Fи3", Plan(f.F3), false);
    add("R03τ", Along(f.R03t, theta3, true), true);
    add("R03n", Along(f.R03n, theta3, false), true);
    add("R12n", Along(f.R12n, theta2, false), true);
    plan.resultants.push_back({QStringLiteral("R12"), 8, 0});
    plan.resultants.push_back({QStringLiteral("R03"), 6, 7});
    return plan;
}

}  // namespace

ForcesTab::ForcesTab(AccelerationsTab* accelerations, QWidget* parent) : QWidget(parent), accelerations_(accelerations)
{
    setObjectName(QStringLiteral("TabForces"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("ForceStrip"));
    CreateStrip(strip);
    layout->addWidget(strip);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("ForcePages"));
    pages_->addTab(CreateChartPage(), QStringLiteral("Уравновешивающий момент"));
    pages_->addTab(CreatePlanPage(), QStringLiteral("План сил группы 2–3"));
    grid_ = new TabTable("ForceGrid", Headers());
    pages_->addTab(grid_, QStringLiteral("Таблица"));
    layout->addWidget(pages_, 1);

    connect(accelerations, &AccelerationsTab::FinalSolveChanged, this, [this] {
        RunGuarded([this] { RefreshTable(); });
    });
    connect(accelerations, &AccelerationsTab::DiagramSolveChanged, this, [this] {
        RunGuarded([this] {
            try {
                RefreshChart();
                RefreshPlan();
            } catch (...) {
                ClearAll();
                throw;
            }
        });
    });
    connect(accelerations, &AccelerationsTab::SelectedPositionChanged, this, [this] {
        RunGuarded([this] { RefreshPlan(); });
    });
    connect(accelerations, &AccelerationsTab::Omega1Changed, this, [this] { RefreshAll(); });
    RunGuarded([this] { RefreshAll(); });
}

void ForcesTab::CreateStrip(QWidget* strip)
{
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 0, 4, 0);
    const ForceParameters defaults;
    linearMass_ = AddField(row, strip, "q, кг/м", "EditLinearMass", defaults.LinearMass,
                           "Масса одного метра длины звена (для всех звеньев)");
    sliderMass_ = AddField(row, strip, "m5, кг", "EditSliderMass", defaults.SliderMass, "Масса ползуна E");
    resistance_ = AddField(row, strip, "Fс, Н", "EditResistance", defaults.Resistance,
                           "Сила полезного сопротивления на рабочем ходу ползуна");
    gravity_ = new QCheckBox(QStringLiteral("Учитывать силу тяжести"), strip);
    gravity_->setObjectName(QStringLiteral("CheckGravity"));
    gravity_->setChecked(defaults.Gravity);
    row->addWidget(gravity_);
    row->addSpacing(8);
    row->addWidget(new QLabel(QStringLiteral("Масштаб плана сил"), strip));
    forceScale_ = new TabField(strip, "EditForceScale", kDefaultForceScale, TabField::Zero::Refused);
    forceScale_->Edit()->setFixedWidth(kFieldWidth);
    forceScale_->Edit()->setToolTip(QStringLiteral("Пикселей на 1 Н"));
    row->addWidget(forceScale_->Edit());
    row->addStretch(1);

    for (TabField* field : {linearMass_, sliderMass_, resistance_})
        connect(field, &TabField::ValueChanged, this, [this] { RefreshAll(); });
    connect(gravity_, &QCheckBox::toggled, this, [this] { RefreshAll(); });
    connect(forceScale_, &TabField::ValueChanged, this, [this] { RunGuarded([this] { RefreshPlan(); }); });
}

QWidget* ForcesTab::CreateChartPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    chart_ = MakeTabChart("ChartMb", "Уравновешивающий момент Mб", "Угол, °", "Mб, Н·м");
    seriesGroups_ = MakeTabSeries(chart_, "SeriesMbGroups", clRed, kGroupsPen);
    seriesLever_ = MakeTabSeries(chart_, "SeriesMbLever", clBlue, kLeverPen);
    column->addWidget(chart_, 1);
    auto* legend = new QLabel(
        QStringLiteral("Красная линия — по группам Ассура, синяя — по рычагу Жуковского; они должны совпадать."), page);
    legend->setWordWrap(true);
    column->addWidget(legend);
    difference_ = new QLabel(page);
    difference_->setObjectName(QStringLiteral("LabelMbDifference"));
    QFont bold = difference_->font();
    bold.setBold(true);
    difference_->setFont(bold);
    column->addWidget(difference_);
    return page;
}

QWidget* ForcesTab::CreatePlanPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    planImage_ = new TImage(page);
    planImage_->setObjectName(QStringLiteral("ForcePlanImage"));
    planImage_->setFixedSize(kPlanWidth, kPlanHeight);
    row->addWidget(planImage_, 0, Qt::AlignTop);

    auto* column = new QVBoxLayout;
    positionLabel_ = new QLabel(page);
    positionLabel_->setObjectName(QStringLiteral("LabelForcePosition"));
    column->addWidget(positionLabel_);
    auto* explanation = new QLabel(
        QStringLiteral("Группа звеньев 2 (AB) и 3 (BC) в равновесии:\n"
                       "R12τ + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n + R12n = 0.\n\n"
                       "Fи — силы инерции (−m·aS), R42 — действие звена DE на шатун в точке D, "
                       "R12 и R03 — реакции в шарнирах A и C, τ и n — их составляющие поперёк и вдоль звена.\n\n"
                       "Чёрные — известные силы, синие — найденные реакции, пунктир — полные реакции."),
        page);
    explanation->setWordWrap(true);
    column->addWidget(explanation);
    column->addStretch(1);
    row->addLayout(column, 1);
    return page;
}

ForceParameters ForcesTab::Parameters() const
{
    ForceParameters f;
    f.LinearMass = linearMass_->Value();
    f.SliderMass = sliderMass_->Value();
    f.Resistance = resistance_->Value();
    f.Gravity = gravity_->isChecked();
    f.Omega1 = accelerations_->Omega1();
    return f;
}

double ForcesTab::ForceScale() const
{
    return forceScale_->Value();
}

// ---- Refreshing ----

void ForcesTab::RefreshAll()
{
    // One fault, one box: the first failing part ends the refresh, and nothing computed with the
    // previous parameters stays beside the cleared part.
    RunGuarded([this] {
        try {
            RefreshTable();
            RefreshChart();
            RefreshPlan();
        } catch (...) {
            ClearAll();
            throw;
        }
    });
}

void ForcesTab::ClearAll()
{
    grid_->Model()->SetColumns({});
    seriesGroups_->ClearPoints();
    seriesLever_->ClearPoints();
    tableDifference_ = 0;
    chartDifference_ = 0;
    ShowDifference();
    planImage_->Picture().fill(Qt::white);
    planImage_->Changed();
    positionLabel_->clear();
}

void ForcesTab::RefreshTable()
{
    grid_->Model()->SetColumns({});
    tableDifference_ = 0;
    ShowDifference();
    const TabSolve& s = accelerations_->FinalSolve();
    if (!s.valid || accelerations_->ScalingFailed())
        return;
    ForceArrays f;
    ComputeForces(s.mechanism, s.positions, s.accelerations, s.characteristics, Parameters(), f);
    tableDifference_ = LargestGap(f);
    std::vector<double> degrees(s.accelerations.Size());
    for (std::size_t k = 0; k < degrees.size(); ++k)
        degrees[k] = Degrees(s.accelerations.Phi[k]);
    std::vector<std::vector<double>> columns;
    columns.push_back(std::move(degrees));
    for (std::vector<double>* column : {&f.MbGroups, &f.MbLever, &f.RO, &f.RA, &f.RB, &f.RC, &f.RD, &f.RE, &f.NguideAbs})
        columns.push_back(std::move(*column));
    grid_->Model()->SetColumns(std::move(columns));
    ShowDifference();
}

void ForcesTab::RefreshChart()
{
    seriesGroups_->ClearPoints();
    seriesLever_->ClearPoints();
    chartDifference_ = 0;
    ShowDifference();
    const TabSolve& s = accelerations_->DiagramSolve();
    if (!s.valid || accelerations_->ScalingFailed())
        return;
    ForceArrays f;
    ComputeForces(s.mechanism, s.positions, s.accelerations, s.characteristics, Parameters(), f);
    chartDifference_ = LargestGap(f);
    std::vector<double> degrees(s.accelerations.Size());
    for (std::size_t k = 0; k < degrees.size(); ++k)
        degrees[k] = Degrees(s.accelerations.Phi[k]);
    const int count = static_cast<int>(f.Size());
    FillSeries(seriesGroups_, degrees, f.MbGroups, count);
    FillSeries(seriesLever_, degrees, f.MbLever, count);
    ShowDifference();
}

void ForcesTab::ShowDifference()
{
    const bool anything = accelerations_->FinalSolve().valid || accelerations_->DiagramSolve().valid;
    largestDifference_ = std::max(tableDifference_, chartDifference_);
    if (!anything || (seriesGroups_->Count() == 0 && grid_->Model()->rowCount() == 0)) {
        difference_->clear();
        return;
    }
    difference_->setText(QStringLiteral("Наибольшая разность Mб двух методов: ") + Number(largestDifference_, " Н·м"));
}

void ForcesTab::RefreshPlan()
{
    planImage_->Picture().fill(Qt::white);
    planImage_->Changed();
    positionLabel_->clear();
    const TabSolve& s = accelerations_->DiagramSolve();
    const int k = accelerations_->SelectedPosition();
    if (!s.valid || accelerations_->ScalingFailed() || k < 0 || static_cast<std::size_t>(k) >= s.accelerations.Size())
        return;
    const auto at = static_cast<std::size_t>(k);
    const PositionForces f = ForcesAt(s.mechanism, s.positions, s.accelerations, k, s.characteristics, Parameters());
    DrawForcePlan(planImage_->Picture(), GroupPlan(f, s.accelerations.Theta2[at], s.accelerations.Theta3[at]),
                  ForceScale());
    planImage_->Changed();
    positionLabel_->setText(QStringLiteral("Положение ") + QString::number(k) + QStringLiteral(", φ = ")
                            + Number(Degrees(s.accelerations.Phi[at]), "°")
                            + (f.Working ? QStringLiteral(", рабочий ход") : QStringLiteral(", холостой ход")));
}
