// Calculate: the one computation of the record and the loads in use, published as the window's
// result, which the table, the list, the diagrams, the drawings, the analysis tabs, the status
// bar and the File menu then show. A long computation runs on a worker thread behind a modal
// progress dialog; the worker touches only its own input, and this thread takes its result over
// in one step, so Cancel leaves everything as it was.

#include "app/MainForm.h"

#include "app/CalculateStatus.h"
#include "app/FieldExitRule.h"
#include "app/GuardedHandler.h"
#include "app/ModalProgress.h"
#include "app/ResultPublisher.h"
#include "app/UserMessages.h"
#include "chart/Chart.h"
#include "kinematics/ComputationProgress.h"
#include "kinematics/Errors.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "views/UpDown.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>
#include <utility>

namespace {

constexpr int kProgressRefreshMs = 50;

}  // namespace

void TForm4::Button4Click()
{
    if (!exitRule_->MayRunCommand(Button4))
        return;
    RunGuarded([this] {
        if (const auto refusal = PositionCountRefusal(mechanism_.PositionCount)) {
            Messages().ShowMessage(QString::fromStdString(*refusal));
            return;
        }
        std::optional<CalculationResult> result;
        {
            BusyCursor busy;
            result = CalculateRecord();
        }
        if (!result)
            return;  // cancelled: nothing changed
        if (result->Failed()) {
            // What the computation had reached stays in the record, as a fault leaves it.
            mechanism_ = result->failure->record;
            const QString text = QString::fromStdString(result->failure->text);
            ShowStatus(FailureText(mechanism_, text));
            results_->Withdraw(text);
            throw FloatingPointError(result->failure->text);
        }
        mechanism_ = result->Kinematics().solved;
        if (result->Kinematics().lbcChosen)
            Edit3->setText(QString::fromStdString(FormatGeneral(mechanism_.Lbc)));
        ++calculationCount_;
        for (TChart* chart : {Chart1, Chart2, Chart3, Chart4, Chart5, Chart6})
            chart->UndoZoom();  // a range chosen for the old curves may show nothing of the new
        drawingError_ = nullptr;
        results_->Publish(std::move(*result));
        // The drawing tab's fields may hold no integer: its error box comes after the others.
        if (drawingError_)
            std::rethrow_exception(std::exchange(drawingError_, nullptr));
    });
}

std::optional<CalculationResult> TForm4::CalculateRecord()
{
    CalculationInput input;
    input.typed = mechanism_;
    input.loads = results_->Loads();
    input.options.adoptLbc = CheckAdoptLbc->isChecked();
    input.delta = results_->Delta();
    if (mechanism_.PositionCount < progressDialogPositions_)
        return Calculate(input);
    return CalculateBehindProgressDialog(input);
}

std::optional<CalculationResult> TForm4::CalculateBehindProgressDialog(const CalculationInput& input)
{
    ComputationProgress progress;
    ModalProgress dialog(tr("Расчёт механизма…"), "CalculateProgress", this);
    connect(&dialog, &QProgressDialog::canceled, &dialog, [&progress] { progress.RequestCancel(); });

    QEventLoop loop;
    std::atomic<bool> finished{false};
    std::optional<CalculationResult> result;
    std::exception_ptr error;
    calculating_ = &progress;
    std::thread worker([&] {
        try {
            result = Calculate(input, &progress);
        } catch (const ComputationCancelled&) {
            // nothing to report: there is no result
        } catch (...) {
            error = std::current_exception();
        }
        finished = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });

    QTimer refresh;
    refresh.setInterval(kProgressRefreshMs);
    connect(&refresh, &QTimer::timeout, &dialog, [&] {
        dialog.SetFraction(progress.Fraction());
    });
    refresh.start();
    dialog.show();
    if (!finished)
        loop.exec();
    worker.join();
    refresh.stop();
    calculating_ = nullptr;
    if (error)
        std::rethrow_exception(error);
    // A cancel that came after the study ended still cancels: the user asked for nothing to change.
    if (progress.CancelRequested())
        return std::nullopt;
    return result;
}

void TForm4::ResultPublished(const CalculationResult& result, bool calculated)
{
    // The table, the list and the diagrams show the kinematics, which only a Calculate changes;
    // the status bar's speed follows ω1, and it says whether the loads' dynamics were computed.
    if (!calculated) {
        if (results_->Current())  // after a failed Calculate the status bar keeps its reason
            ShowCalculateStatus(result);
        return;
    }
    FillResultsTable(result);
    if (UpDown1)
        UpDown1->setMaximum(mechanism_.PositionCount);
    try {
        ShowDiagrams();
    } catch (const OrvekError&) {
        drawingError_ = std::current_exception();
    }
    ShowCalculateStatus(result);
}

void TForm4::ShowStatus(const QString& text)
{
    statusBar()->clearMessage();
    StatusLabel->setText(text);
    StatusLabel->setToolTip(QString());
}

void TForm4::ShowCalculateStatus(const CalculationResult& result)
{
    // First line: what the study chose and what became of it; second: what is wrong with the
    // solved mechanism, or its largest speed and extreme positions. The tooltip adds the 1° scan
    // (the list on the tab "Диаграмы" shows it too) and what a jammed length is.
    const KinematicsResult& k = result.Kinematics();
    QString second;
    if (const std::string fault = result.FirstPartError(); !fault.empty())
        second = FailureText(k.solved, QString::fromStdString(fault));
    else if (!k.table.outcome.complete)
        second = FailureText(k.solved, tr("рассчитаны не все положения механизма"));
    else
        second = SpeedAndExtremesText(k, result.input.loads.Omega1);
    const QString text =
        WithDynamicsNote(StudyChoiceText(k, result.input.typed.Lbc) + u'\n' + second,
                         QString::fromStdString(result.dynamics.Reason()));
    ShowStatus(text);
    QString tip = text + u'\n' + DeadPositionsText(k.study, k.scanLbc);
    if (k.studyOutcome.jammedLengths > 0)
        tip += u'\n' + QCoreApplication::translate("CalculateStatus", kJammedExplanation);
    StatusLabel->setToolTip(tip);
}

void TForm4::CreateStatusBar()
{
    StatusLabel = new QLabel;
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    // Two lines: the study's choice, then the solved mechanism's largest speed and extremes.
    StatusLabel->setFixedHeight(2 * StatusLabel->fontMetrics().height() + 2);
    StatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(StatusLabel, 1);
}
