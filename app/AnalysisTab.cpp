#include "app/AnalysisTab.h"

#include "app/FieldExitRule.h"
#include "app/GuardedHandler.h"
#include "app/TabField.h"
#include "app/TabTable.h"
#include "app/UserMessages.h"
#include "kinematics/Errors.h"
#include "kinematics/Quantities.h"
#include "report/DrawingPictures.h"
#include "views/TImage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The plans saved with the pictures are drawn at the same size.
constexpr int kPlanWidth = kAnalysisPlanWidth;
constexpr int kPlanHeight = kAnalysisPlanHeight;
constexpr int kFieldGap = 8;

}  // namespace

AnalysisTab::AnalysisTab(const char* objectName, const char* stripName, const char* pagesName,
                         ResultPublisher* results, FieldExitRule* fields, QWidget* parent)
    : QWidget(parent), results_(results), fields_(fields)
{
    setObjectName(QString::fromLatin1(objectName));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    auto* strip = new QWidget(this);
    strip->setObjectName(QString::fromLatin1(stripName));
    strip_ = new QHBoxLayout(strip);
    strip_->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(strip);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QString::fromLatin1(pagesName));
    layout->addWidget(pages_, 1);

    connect(results_, &ResultPublisher::Published, this,
            [this](const std::shared_ptr<const CalculationResult>&, ResultChange change) { OnPublished(change); });
}

TabField* AnalysisTab::AddField(const QString& caption, const char* objectName, double initial, const InputRule& rule,
                                int width, const QString& hint)
{
    QWidget* strip = strip_->parentWidget();
    strip_->addWidget(new QLabel(caption, strip));
    auto* field = new TabField(strip, objectName, initial, rule, fields_);
    field->Edit()->setFixedWidth(width);
    field->Edit()->setToolTip(hint);
    strip_->addWidget(field->Edit());
    strip_->addSpacing(kFieldGap);
    return field;
}

QPushButton* AnalysisTab::AddFitButton(const char* objectName, TabField* field, std::function<double()> fit)
{
    auto* button = new QPushButton(tr("Вписать"), strip_->parentWidget());
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(tr("Подобрать масштаб так, чтобы план помещался в рисунок при всех положениях "
                                      "кривошипа"));
    strip_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, button, field, fit = std::move(fit)] {
        // A field being edited is left first; a refusal there keeps the click from fitting.
        if (!fields_->MayRunCommand(button))
            return;
        RunGuarded([&] {
            if (!Result() || ShowingFailed())
                return;
            const double scale = fit();
            if (scale > 0) {
                field->SetValue(scale);
                DrawPlan();
            }
        });
    });
    return button;
}

void AnalysisTab::AddPage(QWidget* page, const QString& caption)
{
    pages_->addTab(page, caption);
}

TabTable* AnalysisTab::AddTablePage(const char* objectName, const std::vector<const Quantity*>& quantities,
                                    const QString& caption)
{
    std::vector<const Quantity*> columns{&kCrankAngleDegrees};
    columns.insert(columns.end(), quantities.begin(), quantities.end());
    auto* table = new TabTable(objectName, columns);
    AddPage(table, caption);
    return table;
}

QWidget* AnalysisTab::MakePlanPage(const char* imageName, QWidget* beside, TImage*& image)
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    image = new TImage(page);
    image->setObjectName(QString::fromLatin1(imageName));
    image->setFixedSize(kPlanWidth, kPlanHeight);
    row->addWidget(image, 0, Qt::AlignTop);
    row->addWidget(beside, 1);
    return page;
}

void AnalysisTab::LoadFields::Show(const ForceParameters& loads) const
{
    linearMass->SetValue(loads.LinearMass);
    sliderMass->SetValue(loads.SliderMass);
    resistance->SetValue(loads.Resistance);
    const QSignalBlocker blocker(gravity);
    gravity->setChecked(loads.Gravity);
}

QCheckBox* AnalysisTab::AddGravityBox(const QString& caption, const char* objectName)
{
    auto* box = new QCheckBox(caption, strip_->parentWidget());
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(Results().Loads().Gravity);
    strip_->addWidget(box);
    strip_->addSpacing(kFieldGap);
    connect(box, &QCheckBox::clicked, this, [this, box](bool checked) { GravityClicked(box, checked); });
    return box;
}

void AnalysisTab::ConnectLoad(TabField* field, double ForceParameters::*member)
{
    connect(field, &TabField::ValueChanged, this, [this, member](double value) {
        ForceParameters loads = Results().Loads();
        loads.*member = value;
        ChangeLoads(loads);
    });
}

void AnalysisTab::ChangeLoads(const ForceParameters& loads)
{
    RunGuarded([this, &loads] { Results().ChangeLoads(loads); });
}

void AnalysisTab::GravityClicked(QCheckBox* box, bool checked)
{
    if (!fields_->MayRunCommand(box)) {
        const QSignalBlocker blocker(box);
        box->setChecked(!checked);
        return;
    }
    ForceParameters loads = Results().Loads();
    loads.Gravity = checked;
    ChangeLoads(loads);
}

void AnalysisTab::ClearPlan(TImage* image, QLabel* caption)
{
    image->Picture().fill(Qt::white);
    image->Changed();
    caption->clear();
}

void AnalysisTab::SelectPosition(int selected)
{
    selected_ = selected;
    // A result the tab has not shown yet gets its plan when it is shown; one the tab could not
    // show has no plan either (its fault was said once).
    if (shown_ && shown_ == Result() && !failed_)
        DrawPlan();
}

void AnalysisTab::OnPublished(ResultChange change)
{
    if (!isVisible()) {
        // A new Calculate outweighs other loads of the same result.
        const bool calculated = (pending_ && pendingChange_ == ResultChange::Calculated) || change == ResultChange::Calculated;
        pendingChange_ = calculated ? ResultChange::Calculated : ResultChange::LoadsChanged;
        pending_ = true;
        return;
    }
    const QString fault = ShowPublished(change);
    if (!fault.isEmpty())
        results_->ReportFault(fault);
}

void AnalysisTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!pending_ || !Result())
        return;
    pending_ = false;
    // Shown after the publication ended: the tab's own fault is said now, once.
    const QString fault = ShowPublished(pendingChange_);
    if (!fault.isEmpty())
        Messages().ShowError(ErrorBoxText(fault));
}

QString AnalysisTab::ShowPublished(ResultChange change)
{
    const CalculationResult* result = Result();
    shown_ = result;
    failed_ = false;
    try {
        ShowResult(*result, change);
        DrawPlan();
    } catch (const FloatingPointError& error) {
        // Nothing stays on screen that belongs to an earlier result or another speed.
        failed_ = true;
        ClearResult();
        return QString::fromUtf8(error.what());
    }
    return QString();
}
