#include "app/AccelerationsTab.h"

#include "app/CalculateStatus.h"
#include "app/GuardedHandler.h"
#include "app/TabCharts.h"
#include "report/DiagramLook.h"
#include "views/FitScales.h"
#include "app/TabField.h"
#include "app/TabTable.h"
#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "kinematics/Angles.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/TImage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStringList>

#include <algorithm>
#include <cstddef>

namespace {

constexpr double kDefaultAccelScale = 2000;  // pixels per m/s²: the defaults' plans fill the picture
constexpr int kFieldWidth = 60;
constexpr int kChartPen = 2;
constexpr int kMarkPen = 1;

const char* const kNoResults = QT_TRANSLATE_NOOP("AccelerationsTab", "Характеристики появятся после расчёта (кнопка «Рассчитать»).");

QString Number(double value, const QString& unit)
{
    return QString::fromStdString(FormatGeneral(value)) + unit;
}

// A slider that turns back more than twice per turn: where, and how the stroke, K and the
// working stroke (where Fс acts) are then read; empty for the usual two reversals.
QString ReversalsText(const MechanismCharacteristics& c)
{
    if (c.Reversals.size() <= 2)
        return QString();
    QStringList all, extra;
    for (const double phi : c.Reversals) {
        all << TwoDecimalDegreesText(phi);
        if (phi != c.LowestAngle && phi != c.HighestAngle)
            extra << TwoDecimalDegreesText(phi);
    }
    const std::size_t n = c.Reversals.size();
    const bool few = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
    return AccelerationsTab::tr("Ползун меняет направление %1 %8 за оборот, при φ = %2: кроме крайних положений он "
                          "возвращается ещё при φ = %3. Ход H — между самым низким (φ = %4) и самым высоким "
                          "(φ = %5) положениями; рабочий ход — более длинный из двух поворотов кривошипа между "
                          "ними, K = φраб / φхол; Fс действует на всём рабочем ходе (от φ = %6 на %7), в том "
                          "числе там, где ползун временно идёт назад.")
        .arg(QString::number(n), all.join(QStringLiteral(", ")), extra.join(QStringLiteral(", ")),
             TwoDecimalDegreesText(c.LowestAngle), TwoDecimalDegreesText(c.HighestAngle),
             TwoDecimalDegreesText(c.WorkStart), TwoDecimalDegreesText(c.WorkAngle),
             few ? AccelerationsTab::tr("раза") : AccelerationsTab::tr("раз"));
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* Value(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}


// Degrees of every position's crank angle.
std::vector<double> AnglesInDegrees(const AccelerationArrays& a)
{
    std::vector<double> degrees(a.Size());
    for (std::size_t k = 0; k < a.Size(); ++k)
        degrees[k] = Degrees(a.Phi[k]);
    return degrees;
}

}  // namespace

AccelerationsTab::AccelerationsTab(ResultPublisher* results, FieldExitRule* fields, QWidget* parent)
    : AnalysisTab("TabAccelerations", "AccelStrip", "AccelPages", results, fields, parent)
{
    omega1_ = AddField(tr("ω1, рад/с"), "EditOmega1", results->Loads().Omega1, kPositiveRule, kFieldWidth,
                       tr("Угловая скорость кривошипа (постоянная, против часовой стрелки)"));
    Strip()->addSpacing(8);
    accelScale_ = AddField(tr("Масштаб плана ускорений"), "EditAccelScale", kDefaultAccelScale, kPositiveRule,
                           kFieldWidth, tr("Пикселей на 1 м/с²"));
    AddFitButton("ButtonFitAccelScale", accelScale_, [this] {
        return FitAccelerationScale(Result()->Kinematics().diagrams.accelerations, Omega1(), planImage_->size());
    });
    Strip()->addSpacing(8);
    positionLabel_ = new QLabel(Strip()->parentWidget());
    positionLabel_->setObjectName(QStringLiteral("LabelAccelPosition"));
    Strip()->addWidget(positionLabel_, 1);

    AddPage(CreatePlanPage(), tr("План ускорений и характеристики"));
    AddPage(CreateChartsPage(), tr("Диаграммы точки E"));
    grid_ = AddTablePage("AccelGrid", QuantitiesOf(kLinkMotionQuantities), tr("Таблица"));

    ConnectLoad(omega1_, &ForceParameters::Omega1);
    connect(accelScale_, &TabField::ValueChanged, this, [this] {
        RunGuarded([this] {
            if (!ShowingFailed())
                DrawPlan();
        });
    });
    ClearResult();
    ClearCharacteristics(tr(kNoResults));
}

// ---- Construction ----

QWidget* AccelerationsTab::CreatePlanPage()
{
    auto* box = new QGroupBox(tr("Характеристики механизма"));
    box->setObjectName(QStringLiteral("CharacteristicsPanel"));
    CreateCharacteristicsPanel(box);
    QWidget* page = MakePlanPage("AccelPlanImage", box, planImage_);
    planImage_->setToolTip(tr("π — полюс; πa, πb, πd, πe — ускорения точек; синие — нормальные, зелёные — касательные "
        "составляющие относительных ускорений; n1, n2, n3 — концы нормальных составляющих aBA, aBC, aED"));
    return page;
}

void AccelerationsTab::CreateCharacteristicsPanel(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    struct Row {
        QString caption;
        const char* name;
        QLabel** label;
    };
    const Row rows[] = {
        {tr("Ход ползуна H"), "LabelStroke", &stroke_},
        {tr("Коэффициент изменения средней скорости K"), "LabelTimeRatio", &timeRatio_},
        {tr("Крайнее положение ползуна 1, φ"), "LabelExtreme1", &extreme1_},
        {tr("Крайнее положение ползуна 2, φ"), "LabelExtreme2", &extreme2_},
        {tr("Угол рабочего хода"), "LabelWorkAngle", &workAngle_},
        {tr("Угол холостого хода"), "LabelIdleAngle", &idleAngle_},
        {tr("Наименьший угол передачи γ"), "LabelGammaMin", &gammaMin_},
        {tr("Наибольший угол передачи γ"), "LabelGammaMax", &gammaMax_},
        {tr("Наименьший угол передачи μmin"), "LabelMuMin", &muMin_},
        {tr("Наибольшая скорость ползуна"), "LabelMaxSpeed", &maxSpeed_},
        {tr("Наибольшее ускорение ползуна"), "LabelMaxAccel", &maxAccel_},
    };
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(Caption(row.caption, box), r, 0);
        *row.label = Value(row.name, box);
        grid->addWidget(*row.label, r, 1);
        ++r;
    }
    reversals_ = new QLabel(box);
    reversals_->setObjectName(QStringLiteral("LabelReversals"));
    reversals_->setWordWrap(true);
    grid->addWidget(reversals_, r++, 0, 1, 2);
    note_ = new QLabel(box);
    note_->setObjectName(QStringLiteral("LabelCharacteristicsNote"));
    note_->setWordWrap(true);
    grid->addWidget(note_, r, 0, 1, 2);
    grid->setRowStretch(r + 1, 1);
    grid->setColumnStretch(0, 1);
}

QWidget* AccelerationsTab::CreateChartsPage()
{
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QStringLiteral("AccelChartsSplitter"));
    splitter->setChildrenCollapsible(false);
    TChart* charts[] = {NewDiagramChart("ChartSE", tr("Перемещение ползуна E").toUtf8().constData(), tr("Угол, °").toUtf8().constData(),
                                        tr("sE, м").toUtf8().constData()),
                        NewDiagramChart("ChartVE", tr("Скорость ползуна E").toUtf8().constData(), tr("Угол, °").toUtf8().constData(),
                                        tr("vE, м/с").toUtf8().constData()),
                        NewDiagramChart("ChartAE", tr("Ускорение ползуна E").toUtf8().constData(), tr("Угол, °").toUtf8().constData(),
                                        tr("aE, м/с²").toUtf8().constData())};
    seriesS_ = AddDiagramSeries(charts[0], "SeriesSE", clRed, kChartPen);
    seriesV_ = AddDiagramSeries(charts[1], "SeriesVE", clRed, kChartPen);
    seriesA_ = AddDiagramSeries(charts[2], "SeriesAE", clRed, kChartPen);
    const char* markNames[3][2] = {{"MarkSE1", "MarkSE2"}, {"MarkVE1", "MarkVE2"}, {"MarkAE1", "MarkAE2"}};
    for (int c = 0; c < 3; ++c) {
        for (int m = 0; m < 2; ++m)
            marks_[c][m] = AddDiagramSeries(charts[c], markNames[c][m], clBlue, kMarkPen);
        charts[c]->setToolTip(tr("Синие линии — крайние положения ползуна"));
        splitter->addWidget(charts[c]);
    }
    return splitter;
}

// ---- The result ----

double AccelerationsTab::Omega1() const
{
    return Results().Loads().Omega1;
}

double AccelerationsTab::AccelScale() const
{
    return accelScale_->Value();
}

void AccelerationsTab::ShowResult(const CalculationResult& result, ResultChange change)
{
    const double omega1 = result.input.loads.Omega1;
    omega1_->SetValue(omega1);
    // Other masses or another resistance change nothing here.
    if (change == ResultChange::LoadsChanged && shown_ && shownOmega1_ == omega1)
        return;
    shown_ = false;
    const KinematicsResult& k = result.Kinematics();
    ShowTable(k, omega1);
    ShowCharacteristics(k, omega1);
    ShowDiagrams(k, omega1);
    shownOmega1_ = omega1;
    shown_ = true;
}

void AccelerationsTab::ClearResult()
{
    shown_ = false;
    grid_->Model()->SetColumns({});
    ClearCharacteristics(QString());
    ClearDiagrams();
    ClearPlan(planImage_, positionLabel_);
}

void AccelerationsTab::ShowTable(const KinematicsResult& k, double omega1)
{
    if (!k.table.HasAccelerations()) {
        grid_->Model()->SetColumns({});
        return;
    }
    // Only the shown columns are scaled: a 100 000-position table costs eleven arrays, not all.
    const AccelerationArrays& a = k.table.accelerations;
    const CheckedReal speed = omega1;
    const CheckedReal factors[] = {1.0, speed, speed * speed};
    std::vector<std::vector<double>> columns;
    columns.push_back(AnglesInDegrees(a));
    for (const auto& q : kLinkMotionQuantities) {
        const std::vector<double>& values = a.*q.values;
        const CheckedReal factor = factors[q.quantity.crankSpeedPower];
        std::vector<double> column(values.size());
        for (std::size_t i = 0; i < values.size(); ++i)
            column[i] = (CheckedReal(values[i]) * factor).Value();
        columns.push_back(std::move(column));
    }
    grid_->Model()->SetColumns(std::move(columns));
}

void AccelerationsTab::ShowCharacteristics(const KinematicsResult& k, double omega1)
{
    if (!k.characteristicsError.empty()) {
        ClearCharacteristics(QString());
        return;
    }
    const MechanismCharacteristics& c = k.characteristics;
    if (c.Status != CharacteristicsStatus::Computed) {
        ClearCharacteristics(
            tr("Кривошип не проворачивается на полный оборот: при φ = ") + Number(Degrees(c.FailAngle), "°")
            + tr(" звенья механизма не собираются. Ход, крайние положения и другие характеристики "
                             "не определены."));
        return;
    }
    // Everything is computed before anything is shown: a fault leaves no half-filled panel.
    const CheckedReal speed = omega1;
    const double maxSpeed = (CheckedReal(c.MaxSpeed) * speed).Value();
    const double maxAccel = (CheckedReal(c.MaxAccel) * speed * speed).Value();
    const auto at = [](double angle) { return tr("при φ = ") + Number(Degrees(angle), "°"); };

    stroke_->setText(Number(c.Stroke, tr(" м")));
    timeRatio_->setText(Number(c.TimeRatio, ""));
    extreme1_->setText(Number(Degrees(c.Extreme1), "°"));
    extreme2_->setText(Number(Degrees(c.Extreme2), "°"));
    workAngle_->setText(Number(Degrees(c.WorkAngle), "°"));
    idleAngle_->setText(Number(Degrees(c.IdleAngle), "°"));
    gammaMin_->setText(Number(Degrees(c.GammaMin), "°"));
    gammaMax_->setText(Number(Degrees(c.GammaMax), "°"));
    muMin_->setText(Number(Degrees(c.MuMin), "°"));
    muMin_->setToolTip(tr("μ = min(γ, 180° − γ), острый угол передачи; ") + at(c.MuMinAngle));
    reversals_->setText(ReversalsText(c));
    maxSpeed_->setText(Number(maxSpeed, tr(" м/с")));
    maxAccel_->setText(Number(maxAccel, tr(" м/с²")));
    extreme1_->setToolTip(QStringLiteral("yE = ") + Number(c.YeExtreme1, tr(" м")));
    extreme2_->setToolTip(QStringLiteral("yE = ") + Number(c.YeExtreme2, tr(" м")));
    workAngle_->setToolTip(tr("от φ = ") + Number(Degrees(c.WorkStart), "°"));
    gammaMin_->setToolTip(at(c.GammaMinAngle));
    gammaMax_->setToolTip(at(c.GammaMaxAngle));
    maxSpeed_->setToolTip(at(c.MaxSpeedAngle));
    maxAccel_->setToolTip(at(c.MaxAccelAngle));
    note_->setText(tr("Рабочий ход — более длинный из двух ходов ползуна; K = φраб / φхол."));
}

void AccelerationsTab::ClearCharacteristics(const QString& note)
{
    for (QLabel* label : {stroke_, timeRatio_, extreme1_, extreme2_, workAngle_, idleAngle_, gammaMin_, gammaMax_,
                          muMin_, reversals_, maxSpeed_, maxAccel_}) {
        label->clear();
        label->setToolTip(QString());
    }
    note_->setText(note);
}

void AccelerationsTab::ShowDiagrams(const KinematicsResult& k, double omega1)
{
    if (!k.diagrams.HasAccelerations()) {
        ClearDiagrams();
        return;
    }
    const AccelerationArrays& a = k.diagrams.accelerations;
    const PositionArrays& p = k.diagrams.positions;
    const MechanismCharacteristics* c = k.TurningCharacteristics();
    const std::size_t n = a.Size();
    // The displacement counts from the slider's lowest position over the whole turn; without a
    // whole turn, from the lowest position solved.
    double base = c ? c->YeMin : 0;
    if (!c && n > 0)
        base = *std::min_element(p.Ye.begin(), p.Ye.begin() + static_cast<std::ptrdiff_t>(n));

    const CheckedReal speed = omega1;
    const CheckedReal speedSquared = speed * speed;
    std::vector<double> x(n), s(n), v(n), acc(n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = Degrees(a.Phi[i]);
        s[i] = (CheckedReal(p.Ye[i]) - base).Value();
        v[i] = (CheckedReal(p.Ve[i]) * speed).Value();
        acc[i] = (CheckedReal(a.Ae[i]) * speedSquared).Value();
    }
    const int count = static_cast<int>(n);
    FillSeries(seriesS_, x, s, count);
    FillSeries(seriesV_, x, v, count);
    FillSeries(seriesA_, x, acc, count);
    TFastLineSeries* curves[] = {seriesS_, seriesV_, seriesA_};
    for (int i = 0; i < 3; ++i) {
        if (c) {
            MarkAngle(marks_[i][0], curves[i], Degrees(c->Extreme1));
            MarkAngle(marks_[i][1], curves[i], Degrees(c->Extreme2));
        } else {
            marks_[i][0]->ClearPoints();
            marks_[i][1]->ClearPoints();
        }
    }
}

void AccelerationsTab::ClearDiagrams()
{
    for (TFastLineSeries* series : {seriesS_, seriesV_, seriesA_})
        series->ClearPoints();
    for (auto& pair : marks_)
        for (TFastLineSeries* mark : pair)
            mark->ClearPoints();
}

void AccelerationsTab::DrawPlan()
{
    const CalculationResult* result = Result();
    const int selected = SelectedPosition();
    if (!result || !result->Kinematics().diagrams.HasAccelerations() || selected < 0
        || static_cast<std::size_t>(selected) >= result->Kinematics().diagrams.accelerations.Size()) {
        ClearPlan(planImage_, positionLabel_);
        return;
    }
    const AccelerationArrays& a = result->Kinematics().diagrams.accelerations;
    const auto k = static_cast<std::size_t>(selected);
    DrawAccelerationPlan(planImage_->Picture(), AccelerationPlanAt(a, k, result->input.loads.Omega1), AccelScale());
    planImage_->Changed();
    positionLabel_->setText(tr("Положение ") + QString::number(selected) + QStringLiteral(", φ = ")
                            + Number(Degrees(a.Phi[k]), "°"));
}
