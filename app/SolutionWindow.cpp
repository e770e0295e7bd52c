#include "app/SolutionWindow.h"

#include "app/GuardedHandler.h"
#include "app/WindowPlacement.h"
#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/ResultPositions.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kWindowWidth = 820;
constexpr int kWindowHeight = 600;

QString NoResultText()
{
    return SolutionWindow::tr("Ход решения появится после расчёта: нажмите «Рассчитать» на вкладке «Рассчет».");
}

}  // namespace

SolutionWindow::SolutionWindow(ResultPublisher* results, std::function<int()> drawnPosition, QWidget* parent)
    : QWidget(parent, Qt::Window), results_(results), drawnPosition_(std::move(drawnPosition))
{
    setObjectName(QStringLiteral("SolutionWindow"));
    setWindowTitle(tr("Ход решения"));
    resize(kWindowWidth, kWindowHeight);

    auto* layout = new QVBoxLayout(this);
    auto* choice = new QHBoxLayout;
    drawn_ = new QRadioButton(tr("Положение на чертеже"));
    drawn_->setObjectName(QStringLiteral("SolutionDrawnPosition"));
    drawn_->setToolTip(tr("Положение, которое показывает вкладка «Планы скоростей и положения механизма»"));
    table_ = new QRadioButton(tr("Положение таблицы k ="));
    table_->setObjectName(QStringLiteral("SolutionTablePosition"));
    position_ = new QSpinBox;
    position_->setObjectName(QStringLiteral("SolutionPosition"));
    position_->setRange(0, 0);
    drawn_->setChecked(true);
    copy_ = new QPushButton(tr("Копировать"));
    copy_->setObjectName(QStringLiteral("SolutionCopy"));
    choice->addWidget(drawn_);
    choice->addSpacing(12);
    choice->addWidget(table_);
    choice->addWidget(position_);
    choice->addStretch(1);
    choice->addWidget(copy_);
    layout->addLayout(choice);

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("SolutionText"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    text_->setFont(font);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(text_, 1);

    auto* report = new QHBoxLayout;
    addToReport_ = new QPushButton(tr("В отчёт"));
    addToReport_->setObjectName(QStringLiteral("SolutionAddToReport"));
    addToReport_->setToolTip(tr("Добавить ход решения выбранного положения таблицы в отчёт PDF"));
    clearReport_ = new QPushButton(tr("Убрать из отчёта все"));
    clearReport_->setObjectName(QStringLiteral("SolutionClearReport"));
    reportLabel_ = new QLabel;
    reportLabel_->setObjectName(QStringLiteral("SolutionReportPositions"));
    report->addWidget(addToReport_);
    report->addWidget(clearReport_);
    report->addWidget(reportLabel_, 1);
    layout->addLayout(report);
    ShowReportPositions();

    connect(drawn_, &QRadioButton::toggled, this, [this] { RunGuarded([this] { Refresh(); }); });
    connect(position_, qOverload<int>(&QSpinBox::valueChanged), this, [this] {
        table_->setChecked(true);
        RunGuarded([this] { Refresh(); });
    });
    connect(copy_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text_->toPlainText()); });
    connect(addToReport_, &QPushButton::clicked, this, [this] { AddToReport(); });
    connect(clearReport_, &QPushButton::clicked, this, [this] { ClearReport(); });
    connect(results_, &ResultPublisher::Published, this, [this] {
        if (isVisible())
            RunGuarded([this] { Refresh(); });
    });
}

void SolutionWindow::Present()
{
    PresentWindow(*this);
}

void SolutionWindow::ShowDrawnPosition()
{
    drawn_->setChecked(true);
    Present();
    Refresh();
}

void SolutionWindow::ShowTablePosition(int k)
{
    const QSignalBlocker block(position_);
    if (const CalculationResult* r = results_->Result().get(); r && !r->Failed())
        position_->setRange(0, std::max(0, r->Kinematics().table.Rows() - 1));
    position_->setValue(k);
    table_->setChecked(true);
    Present();
    Refresh();
}

void SolutionWindow::Refresh()
{
    const CalculationResult* r = results_->Result().get();
    if (!r || r->Failed()) {
        text_->setPlainText(NoResultText());
        return;
    }
    {
        const QSignalBlocker block(position_);
        position_->setRange(0, std::max(0, r->Kinematics().table.Rows() - 1));
    }
    try {
        const WorkedSolution solution = drawn_->isChecked()
                                            ? WorkResultPosition(*r, ResultSolve::Diagrams, drawnPosition_())
                                            : WorkResultPosition(*r, ResultSolve::Table, position_->value());
        QString text = QString::fromStdString(WorkedSolutionText(solution));
        if (drawn_->isChecked())
            text.prepend(tr("Положение вкладки «Планы скоростей и положения механизма» (%1 положений за оборот)\n")
                             .arg(QString::fromStdString(WholeNumberText(kDiagramPositionCount))));
        text_->setPlainText(text);
    } catch (const OrvekError& e) {
        text_->setPlainText(tr("Ход решения не составлен: %1").arg(QString::fromStdString(e.what())));
    }
}

void SolutionWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && drawn_->isChecked())
        RunGuarded([this] { Refresh(); });
}

QString SolutionWindow::Text() const
{
    return text_->toPlainText();
}

void SolutionWindow::AddToReport()
{
    const int k = position_->value();
    if (std::find(reportPositions_.begin(), reportPositions_.end(), k) == reportPositions_.end())
        reportPositions_.push_back(k);
    ShowReportPositions();
}

void SolutionWindow::ClearReport()
{
    reportPositions_.clear();
    ShowReportPositions();
}

void SolutionWindow::ShowReportPositions()
{
    QStringList list;
    for (int k : reportPositions_)
        list << QString::fromStdString(WholeNumberText(k));
    reportLabel_->setText(list.isEmpty() ? tr("В отчёте хода решения нет.")
                                         : tr("В отчёте положения таблицы: %1").arg(list.join(QStringLiteral(", "))));
}
