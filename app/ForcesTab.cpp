#include "app/ForcesTab.h"

#include "app/FieldExitRule.h"
#include "app/GuardedHandler.h"
#include "app/TabField.h"
#include "app/TabTable.h"
#include "chart/Chart.h"
#include "kinematics/Angles.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "report/DiagramCharts.h"
#include "views/FitScales.h"
#include "views/ForcePlanDrawing.h"
#include "views/TImage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <cstddef>

namespace {

// A crank that does not turn fully has no working stroke: the analysis ran with Fс = 0.
const char* const kNoResistanceNote =
    QT_TRANSLATE_NOOP("ForcesTab", "Fс не приложена: кривошип не проворачивается на полный оборот, поэтому рабочий ход ползуна не "
    "определён; Mб и реакции найдены без силы полезного сопротивления.");

constexpr double kDefaultForceScale = 0.5;  // pixels per newton: the defaults' plans fill the picture
constexpr int kFieldWidth = 50;

QString Number(double value, const QString& unit)
{
    return QString::fromStdString(FormatGeneral(value)) + unit;
}

double RevolutionsPerMinute(double omega1)
{
    return omega1 * (30 / kPi);
}

}  // namespace

ForcesTab::ForcesTab(ResultPublisher* results, FieldExitRule* fields, QWidget* parent)
    : AnalysisTab("TabForces", "ForceStrip", "ForcePages", results, fields, parent)
{
    CreateStrip();
    AddPage(CreateChartPage(), tr("Уравновешивающий момент"));
    AddPage(CreatePlanPage(), tr("План сил группы 2–3"));
    grid_ = AddTablePage("ForceGrid", QuantitiesOf(kForceQuantities), tr("Таблица"));
    ClearResult();
}

void ForcesTab::CreateStrip()
{
    const ForceParameters& loads = Results().Loads();
    loadFields_.linearMass = AddField(tr("q, кг/м"), "EditLinearMass", loads.LinearMass, kLoadRule, kFieldWidth,
                                      tr("Масса одного метра длины звена (для всех звеньев)"));
    loadFields_.sliderMass = AddField(tr("m5, кг"), "EditSliderMass", loads.SliderMass, kLoadRule, kFieldWidth,
                                      tr("Масса ползуна E"));
    loadFields_.resistance = AddField(tr("Fс, Н"), "EditResistance", loads.Resistance, kLoadRule, kFieldWidth,
                                      tr("Сила полезного сопротивления на рабочем ходу ползуна"));
    // The crank's speed in revolutions per minute, beside ω1 in rad/s on the accelerations tab.
    crankRpm_ = AddField(tr("n1, об/мин"), "EditN1", RevolutionsPerMinute(loads.Omega1), kPositiveRule, kFieldWidth,
                         tr("Частота вращения кривошипа; ω1 = π·n1/30 рад/с, как в поле ω1 вкладки «Ускорения»"));
    loadFields_.gravity = AddGravityBox(tr("Учитывать силу тяжести"), "CheckGravity");
    forceScale_ = AddField(tr("Масштаб плана сил"), "EditForceScale", kDefaultForceScale, kPositiveRule, kFieldWidth,
                           tr("Пикселей на 1 Н"));
    AddFitButton("ButtonFitForceScale", forceScale_, [this] {
        const CalculationResult* r = Result();
        return r->forces.computed
                   ? FitForceScale(r->forces.diagramDetail, r->Kinematics().diagrams.accelerations, planImage_->size())
                   : 0.0;
    });
    Strip()->addStretch(1);

    ConnectLoad(loadFields_.linearMass, &ForceParameters::LinearMass);
    ConnectLoad(loadFields_.sliderMass, &ForceParameters::SliderMass);
    ConnectLoad(loadFields_.resistance, &ForceParameters::Resistance);
    connect(crankRpm_, &TabField::ValueChanged, this, [this](double n1) {
        ForceParameters loads = Results().Loads();
        // The shown text of the speed in use, read back, is no new speed.
        if (FormatGeneral(n1) == FormatGeneral(RevolutionsPerMinute(loads.Omega1)))
            return;
        loads.Omega1 = n1 * (kPi / 30);
        ChangeLoads(loads);
    });
    connect(forceScale_, &TabField::ValueChanged, this, [this] {
        RunGuarded([this] {
            if (!ShowingFailed())
                DrawPlan();
        });
    });
}

QWidget* ForcesTab::CreateChartPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    chart_ = MakeForceChart().release();
    column->addWidget(chart_, 1);
    auto* legend = new QLabel(QCoreApplication::translate("Report", kForceChartLegend), page);
    legend->setWordWrap(true);
    column->addWidget(legend);
    difference_ = new QLabel(page);
    difference_->setObjectName(QStringLiteral("LabelMbDifference"));
    QFont bold = difference_->font();
    bold.setBold(true);
    difference_->setFont(bold);
    column->addWidget(difference_);
    resistanceNote_ = new QLabel(page);
    resistanceNote_->setObjectName(QStringLiteral("LabelResistanceNote"));
    resistanceNote_->setWordWrap(true);
    column->addWidget(resistanceNote_);
    return page;
}

QWidget* ForcesTab::CreatePlanPage()
{
    auto* beside = new QWidget;
    auto* column = new QVBoxLayout(beside);
    column->setContentsMargins(0, 0, 0, 0);
    positionLabel_ = new QLabel(beside);
    positionLabel_->setObjectName(QStringLiteral("LabelForcePosition"));
    column->addWidget(positionLabel_);
    auto* explanation = new QLabel(
        tr("Группа звеньев 2 (AB) и 3 (BC) в равновесии:\n"
                       "R12τ + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n + R12n = 0.\n\n"
                       "Fи — силы инерции (−m·aS), R42 — действие звена DE на шатун в точке D, "
                       "R12 и R03 — реакции в шарнирах A и C, τ и n — их составляющие поперёк и вдоль звена.\n\n"
                       "Чёрные — известные силы, синие — найденные реакции, пунктир — полные реакции."),
        beside);
    explanation->setWordWrap(true);
    column->addWidget(explanation);
    column->addStretch(1);
    return MakePlanPage("ForcePlanImage", beside, planImage_);
}

ForceParameters ForcesTab::Parameters() const
{
    return Results().Loads();
}

double ForcesTab::ForceScale() const
{
    return forceScale_->Value();
}

double ForcesTab::LargestDifference() const
{
    const CalculationResult* result = Result();
    return result && result->forces.computed && !ShowingFailed() ? result->forces.largestDifference : 0;
}

// ---- The result ----

void ForcesTab::ShowResult(const CalculationResult& result, ResultChange)
{
    const ForceParameters& loads = result.input.loads;
    loadFields_.Show(loads);
    crankRpm_->SetValue(RevolutionsPerMinute(loads.Omega1));
    const ForceResult& forces = result.forces;
    if (!forces.computed) {
        ClearResult();
        return;
    }
    const AccelerationArrays& a = result.Kinematics().table.accelerations;
    std::vector<std::vector<double>> columns;
    std::vector<double> degrees(std::min(a.Size(), forces.table.Size()));
    for (std::size_t k = 0; k < degrees.size(); ++k)
        degrees[k] = Degrees(a.Phi[k]);
    columns.push_back(std::move(degrees));
    for (const auto& q : kForceQuantities)
        columns.push_back(forces.table.*q.values);
    grid_->Model()->SetColumns(std::move(columns));
    FillForceChart(*chart_, forces.diagrams);
    difference_->setText(tr("Наибольшая разность Mб двух методов: ")
                         + Number(forces.largestDifference, tr(" Н·м")));
    resistanceNote_->setText(result.Kinematics().TurningCharacteristics() ? QString()
                                                                          : tr(kNoResistanceNote));
}

void ForcesTab::ClearResult()
{
    grid_->Model()->SetColumns({});
    FillForceChart(*chart_, ForceArrays{});
    difference_->clear();
    resistanceNote_->clear();
    ClearPlan(planImage_, positionLabel_);
}

void ForcesTab::DrawPlan()
{
    const CalculationResult* result = Result();
    const int k = SelectedPosition();
    if (!result || !result->forces.computed || k < 0
        || static_cast<std::size_t>(k) >= result->forces.diagramDetail.size()) {
        ClearPlan(planImage_, positionLabel_);
        return;
    }
    const auto at = static_cast<std::size_t>(k);
    const AccelerationArrays& a = result->Kinematics().diagrams.accelerations;
    const PositionForces& f = result->forces.diagramDetail[at];
    DrawForcePlan(planImage_->Picture(), GroupPlan(f, a.Theta2[at], a.Theta3[at]), ForceScale());
    planImage_->Changed();
    positionLabel_->setText(tr("Положение ") + QString::number(k) + QStringLiteral(", φ = ")
                            + Number(Degrees(a.Phi[at]), "°")
                            + (!result->Kinematics().TurningCharacteristics() ? tr(", Fс не приложена")
                               : f.Working                                    ? tr(", рабочий ход")
                                                                              : tr(", холостой ход")));
}
