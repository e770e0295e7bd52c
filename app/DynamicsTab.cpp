#include "app/DynamicsTab.h"

#include "app/FieldExitRule.h"
#include "app/GuardedHandler.h"
#include "app/TabField.h"
#include "app/TabTable.h"
#include "chart/Chart.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "report/DynamicsCharts.h"
#include "report/DynamicsFigures.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

constexpr int kFieldWidth = 44;
constexpr int kDeltaCaptionWidth = 105;
constexpr int kCaptionWidth = 250;  // the panel's captions, most on one line
constexpr int kEnergyMassChart = 4;

const char* const kNoResults = QT_TRANSLATE_NOOP("DynamicsTab", "Динамика появится после расчёта (кнопка «Рассчитать»).");

}  // namespace

DynamicsTab::DynamicsTab(ResultPublisher* results, FieldExitRule* fields, QWidget* parent)
    : AnalysisTab("TabDynamics", "DynamicsStrip", "DynamicsPages", results, fields, parent), fields_(fields)
{
    CreateStrip();
    AddPage(CreateFlywheelPage(), tr("Маховик"));
    AddPage(ChartWithLegend(kEnergyMassChart), tr("Диаграмма энергомасс"));
    AddPage(CreateChartsPage(1, 2), tr("Моменты и работы"));
    AddPage(CreateChartsPage(3, 5), tr("Jпр и скорость кривошипа"));
    grid_ = AddTablePage("DynamicsGrid", QuantitiesOf(kDynamicsQuantities), tr("Таблица"));
    ClearResult();
    ClearFigures(tr(kNoResults));
}

// ---- Construction ----

void DynamicsTab::CreateStrip()
{
    const ForceParameters& loads = Results().Loads();
    omega1_ = AddField(tr("ω1, рад/с"), "EditDynamicsOmega1", loads.Omega1, kPositiveRule, kFieldWidth,
                       tr("Средняя угловая скорость кривошипа ωср (то же значение, что ω1 на вкладках «Ускорения» и «Силы»)"));
    loadFields_.linearMass = AddField(tr("q, кг/м"), "EditDynamicsLinearMass", loads.LinearMass, kLoadRule, kFieldWidth,
                                      tr("Масса одного метра длины звена (то же значение, что на вкладке «Силы»)"));
    loadFields_.sliderMass = AddField(tr("m5, кг"), "EditDynamicsSliderMass", loads.SliderMass, kLoadRule, kFieldWidth,
                                      tr("Масса ползуна E (то же значение, что на вкладке «Силы»)"));
    loadFields_.resistance =
        AddField(tr("Fс, Н"), "EditDynamicsResistance", loads.Resistance, kLoadRule, kFieldWidth,
                 tr("Сила полезного сопротивления на рабочем ходу ползуна (то же значение, что на вкладке «Силы»)"));
    loadFields_.gravity = AddGravityBox(tr("Сила тяжести"), "CheckDynamicsGravity");
    loadFields_.gravity->setToolTip(tr("Учитывать силу тяжести (то же, что на вкладке «Силы»)"));
    // The caption wraps onto two lines, so the strip fits the window's width.
    QWidget* strip = Strip()->parentWidget();
    auto* caption = new QLabel(tr("Коэффициент неравномерности δ"), strip);
    caption->setWordWrap(true);
    caption->setFixedWidth(kDeltaCaptionWidth);
    Strip()->addWidget(caption);
    delta_ = new TabField(strip, "EditDelta", Results().Delta(), kDeltaRule, fields_);
    delta_->Edit()->setFixedWidth(kFieldWidth);
    delta_->Edit()->setToolTip(tr("Больше 0 и меньше 1; можно ввести дробью, например 1/25"));
    Strip()->addWidget(delta_->Edit());
    Strip()->addStretch(1);

    ConnectLoad(omega1_, &ForceParameters::Omega1);
    ConnectLoad(loadFields_.linearMass, &ForceParameters::LinearMass);
    ConnectLoad(loadFields_.sliderMass, &ForceParameters::SliderMass);
    ConnectLoad(loadFields_.resistance, &ForceParameters::Resistance);
    connect(delta_, &TabField::ValueChanged, this,
            [this](double delta) { RunGuarded([this, delta] { Results().ChangeDelta(delta); }); });
}

QWidget* DynamicsTab::ChartWithLegend(int number)
{
    auto* holder = new QWidget;
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    TChart* chart = MakeDynamicsChart(number).release();
    charts_[static_cast<std::size_t>(number - 1)] = chart;
    column->addWidget(chart, 1);
    auto* legend = new QLabel(QCoreApplication::translate("Report", kDynamicsChartLegends[number - 1]), holder);
    legend->setWordWrap(true);
    column->addWidget(legend);
    return holder;
}

QWidget* DynamicsTab::CreateFlywheelPage()
{
    auto* box = new QGroupBox(tr("Маховик и движение кривошипа"));
    box->setObjectName(QStringLiteral("DynamicsPanel"));
    CreatePanel(box);
    return box;
}

QWidget* DynamicsTab::CreateChartsPage(int first, int second)
{
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(ChartWithLegend(first));
    splitter->addWidget(ChartWithLegend(second));
    return splitter;
}

void DynamicsTab::CreatePanel(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    int r = 0;
    for (const DynamicsFigure& figure : DynamicsFigureCaptions()) {
        auto* caption = new QLabel(figure.caption, box);
        caption->setWordWrap(true);
        grid->addWidget(caption, r, 0);
        auto* value = new QLabel(box);
        value->setObjectName(QString::fromLatin1(figure.name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        grid->addWidget(value, r, 1);
        figures_.push_back(value);
        ++r;
    }
    note_ = new QLabel(box);
    note_->setObjectName(QStringLiteral("LabelDynamicsNote"));
    note_->setWordWrap(true);
    grid->addWidget(note_, r, 0, 1, 2);
    grid->setRowStretch(r + 1, 1);
    grid->setColumnMinimumWidth(0, kCaptionWidth);
    grid->setColumnStretch(1, 1);
}

// ---- Commands ----

double DynamicsTab::Delta() const
{
    return Results().Delta();
}

// ---- The result ----

void DynamicsTab::ShowResult(const CalculationResult& result, ResultChange)
{
    const ForceParameters& loads = result.input.loads;
    omega1_->SetValue(loads.Omega1);
    loadFields_.Show(loads);
    delta_->SetValue(result.input.delta);
    const DynamicsPart& dynamics = result.dynamics;
    if (!dynamics.Computed()) {
        ClearResult();
        ClearFigures(QString::fromStdString(dynamics.Reason()));
        return;
    }
    const DynamicsResult& d = dynamics.curves;
    for (int number = 1; number <= kDynamicsChartCount; ++number)
        FillDynamicsChart(*charts_[static_cast<std::size_t>(number - 1)], number, d);
    const std::vector<DynamicsFigure> figures = DynamicsFigures(d);
    for (std::size_t i = 0; i < figures_.size() && i < figures.size(); ++i)
        figures_[i]->setText(figures[i].value);
    note_->setText(tr("ωср = ") + QString::fromStdString(FormatGeneral(d.OmegaMean))
                   + tr(" рад/с — поле ω1. Mпр > 0 помогает кривошипу; ΔT отсчитывается от φ = 0."));

    const int n = result.Kinematics().solved.PositionCount;
    const std::size_t rows = dynamics.table.Size();
    std::vector<std::vector<double>> columns;
    std::vector<double> degrees(rows);
    for (std::size_t k = 0; k < rows; ++k)
        degrees[k] = (360.0 / n) * static_cast<double>(k);  // as the table spaces the positions
    columns.push_back(std::move(degrees));
    for (const auto& q : kDynamicsQuantities)
        columns.push_back(dynamics.table.*q.values);
    grid_->Model()->SetColumns(std::move(columns));
}

void DynamicsTab::ClearResult()
{
    grid_->Model()->SetColumns({});
    for (int number = 1; number <= kDynamicsChartCount; ++number)
        FillDynamicsChart(*charts_[static_cast<std::size_t>(number - 1)], number, DynamicsResult{});
    ClearFigures(QString());
}

void DynamicsTab::ClearFigures(const QString& note)
{
    for (QLabel* label : figures_)
        label->clear();
    note_->setText(note);
}
