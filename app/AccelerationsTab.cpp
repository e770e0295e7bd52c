#include "app/AccelerationsTab.h"

#include "app/GuardedHandler.h"
#include "app/TabCharts.h"
#include "app/TabField.h"
#include "app/TabTable.h"
#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/NumberText.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/TImage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>

namespace {

constexpr double kDefaultOmega1 = 1;        // rad/s, as the velocities of the drawing tab assume
constexpr double kDefaultAccelScale = 2000;  // pixels per m/s²: the defaults' plans fill the picture
constexpr int kPlanWidth = 335;
constexpr int kPlanHeight = 340;
constexpr int kFieldWidth = 60;
constexpr int kChartPen = 2;
constexpr int kMarkPen = 1;

const char* const kNoResults = "Характеристики появятся после расчёта (кнопка «Рассчитать»).";

const char* const kGridHeaders[] = {
    "φ, °", "ω2, рад/с", "ω3, рад/с", "ω4, рад/с", "ε2, рад/с²", "ε3, рад/с²", "ε4, рад/с²",
    "|aA|, м/с²", "|aB|, м/с²", "|aD|, м/с²", "|aE|, м/с²", "aE, м/с²",
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

QLabel* Caption(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
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

AccelerationsTab::AccelerationsTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabAccelerations"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("AccelStrip"));
    CreateStrip(strip);
    layout->addWidget(strip);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("AccelPages"));
    pages_->addTab(CreatePlanPage(), QStringLiteral("План ускорений и характеристики"));
    pages_->addTab(CreateChartsPage(), QStringLiteral("Диаграммы точки E"));
    grid_ = new TabTable("AccelGrid", Headers());
    pages_->addTab(grid_, QStringLiteral("Таблица"));
    layout->addWidget(pages_, 1);

    ClearTable();
    ClearCharacteristics(QString::fromUtf8(kNoResults));
    ClearDiagrams();
}

// ---- Construction ----

void AccelerationsTab::CreateStrip(QWidget* strip)
{
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(new QLabel(QStringLiteral("ω1, рад/с"), strip));
    omega1_ = new TabField(strip, "EditOmega1", kDefaultOmega1, TabField::Zero::Refused);
    omega1_->Edit()->setFixedWidth(kFieldWidth);
    omega1_->Edit()->setToolTip(QStringLiteral("Угловая скорость кривошипа (постоянная, против часовой стрелки)"));
    row->addWidget(omega1_->Edit());
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("Масштаб плана ускорений"), strip));
    accelScale_ = new TabField(strip, "EditAccelScale", kDefaultAccelScale, TabField::Zero::Refused);
    accelScale_->Edit()->setFixedWidth(kFieldWidth);
    accelScale_->Edit()->setToolTip(QStringLiteral("Пикселей на 1 м/с²"));
    row->addWidget(accelScale_->Edit());
    row->addSpacing(16);
    positionLabel_ = new QLabel(strip);
    positionLabel_->setObjectName(QStringLiteral("LabelAccelPosition"));
    row->addWidget(positionLabel_, 1);

    connect(omega1_, &TabField::ValueChanged, this, [this] { Omega1Edited(); });
    connect(accelScale_, &TabField::ValueChanged, this, [this] { AccelScaleEdited(); });
}

QWidget* AccelerationsTab::CreatePlanPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    planImage_ = new TImage(page);
    planImage_->setObjectName(QStringLiteral("AccelPlanImage"));
    planImage_->setFixedSize(kPlanWidth, kPlanHeight);
    planImage_->setToolTip(QStringLiteral(
        "π — полюс; πa, πb, πd, πe — ускорения точек; синие — нормальные, зелёные — касательные "
        "составляющие относительных ускорений; n1, n2, n3 — концы нормальных составляющих aBA, aBC, aED"));
    row->addWidget(planImage_, 0, Qt::AlignTop);

    auto* box = new QGroupBox(QStringLiteral("Характеристики механизма"), page);
    box->setObjectName(QStringLiteral("CharacteristicsPanel"));
    CreateCharacteristicsPanel(box);
    row->addWidget(box, 1);
    return page;
}

void AccelerationsTab::CreateCharacteristicsPanel(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    struct Row {
        const char* caption;
        const char* name;
        QLabel** label;
    };
    const Row rows[] = {
        {"Ход ползуна H", "LabelStroke", &stroke_},
        {"Коэффициент изменения средней скорости K", "LabelTimeRatio", &timeRatio_},
        {"Крайнее положение ползуна 1, φ", "LabelExtreme1", &extreme1_},
        {"Крайнее положение ползуна 2, φ", "LabelExtreme2", &extreme2_},
        {"Угол рабочего хода", "LabelWorkAngle", &workAngle_},
        {"Угол холостого хода", "LabelIdleAngle", &idleAngle_},
        {"Наименьший угол передачи γ", "LabelGammaMin", &gammaMin_},
        {"Наибольший угол передачи γ", "LabelGammaMax", &gammaMax_},
        {"Наибольшая скорость ползуна", "LabelMaxSpeed", &maxSpeed_},
        {"Наибольшее ускорение ползуна", "LabelMaxAccel", &maxAccel_},
    };
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(Caption(row.caption, box), r, 0);
        *row.label = Value(row.name, box);
        grid->addWidget(*row.label, r, 1);
        ++r;
    }
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
    chartS_ = MakeTabChart("ChartSE", "Перемещение ползуна E", "Угол, °", "sE, м");
    chartV_ = MakeTabChart("ChartVE", "Скорость ползуна E", "Угол, °", "vE, м/с");
    chartA_ = MakeTabChart("ChartAE", "Ускорение ползуна E", "Угол, °", "aE, м/с²");
    seriesS_ = MakeTabSeries(chartS_, "SeriesSE", clRed, kChartPen);
    seriesV_ = MakeTabSeries(chartV_, "SeriesVE", clRed, kChartPen);
    seriesA_ = MakeTabSeries(chartA_, "SeriesAE", clRed, kChartPen);
    TChart* charts[] = {chartS_, chartV_, chartA_};
    const char* markNames[3][2] = {{"MarkSE1", "MarkSE2"}, {"MarkVE1", "MarkVE2"}, {"MarkAE1", "MarkAE2"}};
    for (int c = 0; c < 3; ++c) {
        for (int m = 0; m < 2; ++m)
            marks_[c][m] = MakeTabSeries(charts[c], markNames[c][m], clBlue, kMarkPen);
        charts[c]->setToolTip(QStringLiteral("Синие линии — крайние положения ползуна"));
        splitter->addWidget(charts[c]);
    }
    return splitter;
}

// ---- Results from the main window ----

void AccelerationsTab::ShowFinalSolve(const Mechanism& m, const PositionArrays& arrays, int count)
{
    scalingFailed_ = false;
    try {
        AnalyseSolve(final_, m, arrays, count, &diagram_);
        ShowTable();
        ShowCharacteristics();
    } catch (...) {
        final_.valid = false;
        ClearTable();
        ClearCharacteristics(QString());
        emit FinalSolveChanged();
        throw;
    }
    emit FinalSolveChanged();
}

void AccelerationsTab::ShowDiagramSolve(const Mechanism& m, const PositionArrays& arrays, int count, int selected)
{
    selected_ = selected;
    scalingFailed_ = false;
    try {
        AnalyseSolve(diagram_, m, arrays, count, &final_);
        ShowDiagrams();
        DrawPlan();
    } catch (...) {
        diagram_.valid = false;
        ClearDiagrams();
        emit DiagramSolveChanged();
        throw;
    }
    emit DiagramSolveChanged();
}

void AccelerationsTab::SelectPosition(int selected)
{
    selected_ = selected;
    DrawPlan();
    emit SelectedPositionChanged();
}

double AccelerationsTab::Omega1() const
{
    return omega1_->Value();
}

double AccelerationsTab::AccelScale() const
{
    return accelScale_->Value();
}

// ---- Handlers ----

void AccelerationsTab::Omega1Edited()
{
    RunGuarded([this] {
        scalingFailed_ = false;
        try {
            ShowTable();
            ShowCharacteristics();
            ShowDiagrams();
            DrawPlan();
        } catch (...) {
            // Nothing stays on screen that belongs to the previous speed.
            ClearTable();
            ClearCharacteristics(QString());
            ClearDiagrams();
            scalingFailed_ = true;
            throw;
        }
    });
    emit Omega1Changed(Omega1());
}

void AccelerationsTab::AccelScaleEdited()
{
    RunGuarded([this] { DrawPlan(); });
}

// ---- The parts of the tab ----

void AccelerationsTab::ShowTable()
{
    if (!final_.valid) {
        ClearTable();
        return;
    }
    // Only the shown columns are scaled: a 100 000-position table costs eleven arrays, not all.
    const AccelerationArrays& a = final_.accelerations;
    const CheckedReal omega1 = Omega1();
    const CheckedReal omega1Squared = omega1 * omega1;
    const auto scaled = [](const std::vector<double>& values, CheckedReal factor) {
        std::vector<double> column(values.size());
        for (std::size_t k = 0; k < values.size(); ++k)
            column[k] = (CheckedReal(values[k]) * factor).Value();
        return column;
    };
    std::vector<std::vector<double>> columns;
    columns.push_back(AnglesInDegrees(a));
    for (const std::vector<double>* column : {&a.Omega2, &a.Omega3, &a.Omega4})
        columns.push_back(scaled(*column, omega1));
    for (const std::vector<double>* column : {&a.Eps2, &a.Eps3, &a.Eps4, &a.Aa, &a.Ab, &a.Ad, &a.AeAbs, &a.Ae})
        columns.push_back(scaled(*column, omega1Squared));
    grid_->Model()->SetColumns(std::move(columns));
}

void AccelerationsTab::ClearTable()
{
    grid_->Model()->SetColumns({});
}

void AccelerationsTab::ShowCharacteristics()
{
    if (!final_.valid) {
        ClearCharacteristics(QString::fromUtf8(kNoResults));
        return;
    }
    const MechanismCharacteristics& c = final_.characteristics;
    if (c.Status != CharacteristicsStatus::Computed) {
        ClearCharacteristics(
            QStringLiteral("Кривошип не проворачивается на полный оборот: при φ = ") + Number(Degrees(c.FailAngle), "°")
            + QStringLiteral(" звенья механизма не собираются. Ход, крайние положения и другие характеристики "
                             "не определены."));
        return;
    }
    // Everything is computed before anything is shown: a fault leaves no half-filled panel.
    const CheckedReal omega1 = Omega1();
    const double speed = (CheckedReal(c.MaxSpeed) * omega1).Value();
    const double accel = (CheckedReal(c.MaxAccel) * omega1 * omega1).Value();
    const auto at = [](double angle) { return QStringLiteral("при φ = ") + Number(Degrees(angle), "°"); };

    stroke_->setText(Number(c.Stroke, " м"));
    timeRatio_->setText(Number(c.TimeRatio, ""));
    extreme1_->setText(Number(Degrees(c.Extreme1), "°"));
    extreme2_->setText(Number(Degrees(c.Extreme2), "°"));
    workAngle_->setText(Number(Degrees(c.WorkAngle), "°"));
    idleAngle_->setText(Number(Degrees(c.IdleAngle), "°"));
    gammaMin_->setText(Number(Degrees(c.GammaMin), "°"));
    gammaMax_->setText(Number(Degrees(c.GammaMax), "°"));
    maxSpeed_->setText(Number(speed, " м/с"));
    maxAccel_->setText(Number(accel, " м/с²"));
    extreme1_->setToolTip(QStringLiteral("yE = ") + Number(c.YeExtreme1, " м"));
    extreme2_->setToolTip(QStringLiteral("yE = ") + Number(c.YeExtreme2, " м"));
    workAngle_->setToolTip(QStringLiteral("от φ = ") + Number(Degrees(c.WorkStart), "°"));
    gammaMin_->setToolTip(at(c.GammaMinAngle));
    gammaMax_->setToolTip(at(c.GammaMaxAngle));
    maxSpeed_->setToolTip(at(c.MaxSpeedAngle));
    maxAccel_->setToolTip(at(c.MaxAccelAngle));
    note_->setText(QStringLiteral("Рабочий ход — более длинный из двух ходов ползуна; K = φраб / φхол."));
}

void AccelerationsTab::ClearCharacteristics(const QString& note)
{
    for (QLabel* label : {stroke_, timeRatio_, extreme1_, extreme2_, workAngle_, idleAngle_, gammaMin_, gammaMax_,
                          maxSpeed_, maxAccel_}) {
        label->clear();
        label->setToolTip(QString());
    }
    note_->setText(note);
}

void AccelerationsTab::ShowDiagrams()
{
    if (!diagram_.valid) {
        ClearDiagrams();
        return;
    }
    const AccelerationArrays& a = diagram_.accelerations;
    const PositionArrays& p = diagram_.positions;
    const MechanismCharacteristics& c = diagram_.characteristics;
    const std::size_t n = a.Size();
    const bool computed = c.Status == CharacteristicsStatus::Computed;
    // The displacement counts from the slider's lowest position over the whole turn; without a
    // whole turn, from the lowest position solved.
    double base = computed ? c.YeMin : 0;
    if (!computed && n > 0)
        base = *std::min_element(p.Ye.begin(), p.Ye.begin() + static_cast<std::ptrdiff_t>(n));

    const CheckedReal omega1 = Omega1();
    const CheckedReal omega1Squared = omega1 * omega1;
    std::vector<double> x(n), s(n), v(n), acc(n);
    for (std::size_t k = 0; k < n; ++k) {
        x[k] = Degrees(a.Phi[k]);
        s[k] = (CheckedReal(p.Ye[k]) - base).Value();
        v[k] = (CheckedReal(p.Ve[k]) * omega1).Value();
        acc[k] = (CheckedReal(a.Ae[k]) * omega1Squared).Value();
    }
    const int count = static_cast<int>(n);
    FillSeries(seriesS_, x, s, count);
    FillSeries(seriesV_, x, v, count);
    FillSeries(seriesA_, x, acc, count);
    TFastLineSeries* curves[] = {seriesS_, seriesV_, seriesA_};
    for (int i = 0; i < 3; ++i) {
        if (computed) {
            MarkAngle(marks_[i][0], curves[i], Degrees(c.Extreme1));
            MarkAngle(marks_[i][1], curves[i], Degrees(c.Extreme2));
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
    QImage& picture = planImage_->Picture();
    picture.fill(Qt::white);
    planImage_->Changed();
    positionLabel_->clear();
}

void AccelerationsTab::DrawPlan()
{
    const AccelerationArrays& a = diagram_.accelerations;
    if (!diagram_.valid || selected_ < 0 || static_cast<std::size_t>(selected_) >= a.Size()) {
        planImage_->Picture().fill(Qt::white);
        planImage_->Changed();
        positionLabel_->clear();
        return;
    }
    const auto k = static_cast<std::size_t>(selected_);
    const CheckedReal omega1 = Omega1();
    const CheckedReal w = omega1 * omega1;
    const auto scaled = [w](double x, double y) {
        return PlanVector{(CheckedReal(x) * w).Value(), (CheckedReal(y) * w).Value()};
    };
    AccelerationPlan plan;
    plan.a = scaled(a.Axa[k], a.Aya[k]);
    plan.b = scaled(a.Axb[k], a.Ayb[k]);
    plan.d = scaled(a.Axd[k], a.Ayd[k]);
    plan.e = scaled(0, a.Ae[k]);
    plan.nBA = scaled(a.AnBAx[k], a.AnBAy[k]);
    plan.tBA = scaled(a.AtBAx[k], a.AtBAy[k]);
    plan.nBC = scaled(a.AnBCx[k], a.AnBCy[k]);
    plan.tBC = scaled(a.AtBCx[k], a.AtBCy[k]);
    plan.nED = scaled(a.AnEDx[k], a.AnEDy[k]);
    plan.tED = scaled(a.AtEDx[k], a.AtEDy[k]);
    DrawAccelerationPlan(planImage_->Picture(), plan, AccelScale());
    planImage_->Changed();
    positionLabel_->setText(QStringLiteral("Положение ") + QString::number(selected_) + QStringLiteral(", φ = ")
                            + Number(Degrees(a.Phi[k]), "°"));
}
