// Calculate: the scan, the study and the final solve, then the table, the list, the diagrams and
// the status bar. A long computation runs on a worker thread behind a modal progress dialog; the
// worker touches only its own copies, and this thread takes them over in one step, so Cancel
// leaves everything as it was.

#include "app/MainForm.h"

#include "app/AccelerationsTab.h"
#include "app/CalculateStatus.h"
#include "app/FieldExitRule.h"
#include "app/GuardedHandler.h"
#include "app/UserMessages.h"
#include "chart/Chart.h"
#include "kinematics/ComputationProgress.h"
#include "kinematics/NumberText.h"
#include "views/UpDown.h"

#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <exception>
#include <thread>

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressRefreshMs = 50;

// What the worker computes, on copies of the form's state.
struct CalculateWork {
    Mechanism mechanism;
    SolverState solver;
    StudyResults study;
    StudyOutcome outcome;
    std::exception_ptr error;
};

}  // namespace

void TForm4::Button4Click()
{
    if (!exitRule_->MayRunCommand(Button4))
        return;
    RunGuarded([this] {
        if (mechanism_.PositionCount > kMaxPositionCount) {
            Messages().ShowMessage(QStringLiteral("Слишком большое количество положений механизма (не более 100000)"));
            return;
        }
        const double lbcBefore = mechanism_.Lbc;
        try {
            BusyCursor busy;
            if (!FindDeadPositionsAndStudy())
                return;  // cancelled: nothing changed
            FillResultsTable();
            // solver_ holds the final solve until the diagrams solve their own positions.
            TabAccelerations->ShowFinalSolve(mechanism_, solver_.arrays, solvedPositions_);
            for (TChart* chart : {Chart1, Chart2, Chart3, Chart4, Chart5, Chart6})
                chart->UndoZoom();  // a range chosen for the old curves may show nothing of the new
            ShowDiagrams();
        } catch (const std::exception& error) {
            ShowStatus(FailureText(mechanism_, QString::fromUtf8(error.what())));
            throw;
        }
        ShowCalculateStatus(lbcBefore);
        emit CalculationFinished();
    });
}

bool TForm4::FindDeadPositionsAndStudy()
{
    solvedPositions_ = 0;
    scanLbc_ = mechanism_.Lbc;
    StudyOutcome outcome;
    if (mechanism_.PositionCount < progressDialogPositions_) {
        outcome = ::FindDeadPositionsAndStudy(mechanism_, solver_, study_);
    } else {
        CalculateWork work{mechanism_, solver_, study_, {}, nullptr};
        if (!ComputeBehindProgressDialog(work.mechanism, work.solver, work.study, work.outcome, work.error))
            return false;
        // The worker's state becomes the form's in one step, also after a fault (which leaves
        // what was already written, as a computation on this thread would).
        mechanism_ = work.mechanism;
        solver_ = std::move(work.solver);
        study_ = work.study;
        if (work.error)
            std::rethrow_exception(work.error);
        outcome = work.outcome;
    }
    lastOutcome_ = outcome;
    solvedPositions_ = outcome.finalSolve.positionsDone;
    if (UpDown1)
        UpDown1->setMaximum(mechanism_.PositionCount);
    if (outcome.lbcChosen)
        Edit3->setText(QString::fromStdString(FormatGeneral(mechanism_.Lbc)));
    return true;
}

bool TForm4::ComputeBehindProgressDialog(Mechanism& m, SolverState& s, StudyResults& r, StudyOutcome& outcome,
                                         std::exception_ptr& error)
{
    ComputationProgress progress;
    QProgressDialog dialog(QStringLiteral("Расчёт механизма…"), QStringLiteral("Отмена"), 0, kProgressSteps, this);
    dialog.setObjectName(QStringLiteral("CalculateProgress"));
    dialog.setWindowTitle(QString::fromLatin1(kApplicationTitle));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    connect(&dialog, &QProgressDialog::canceled, &dialog, [&progress] { progress.RequestCancel(); });

    QEventLoop loop;
    std::atomic<bool> finished{false};
    calculating_ = &progress;
    std::thread worker([&] {
        try {
            outcome = ::FindDeadPositionsAndStudy(m, s, r, &progress);
        } catch (const ComputationCancelled&) {
            // nothing to report: the caller throws the copies away
        } catch (...) {
            error = std::current_exception();
        }
        finished = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });

    QTimer refresh;
    refresh.setInterval(kProgressRefreshMs);
    connect(&refresh, &QTimer::timeout, &dialog, [&] {
        dialog.setValue(static_cast<int>(progress.Fraction() * kProgressSteps));
    });
    refresh.start();
    dialog.show();
    if (!finished)
        loop.exec();
    worker.join();
    refresh.stop();
    calculating_ = nullptr;
    return !progress.CancelRequested() || error;
}

void TForm4::ShowStatus(const QString& text)
{
    StatusLabel->setText(text);
}

void TForm4::ShowCalculateStatus(double lbcBefore)
{
    if (!lastOutcome_.finalSolve.complete) {
        ShowStatus(FailureText(mechanism_, QStringLiteral("рассчитаны не все положения механизма")));
        return;
    }
    ShowStatus(StudyChoiceText(study_, lastOutcome_.lbcChosen, lbcBefore, mechanism_.Lbc) + u'\n'
               + DeadPositionsText(study_, scanLbc_));
}

void TForm4::CreateStatusBar()
{
    StatusLabel = new QLabel;
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    // Two lines: the study's choice, then the dead positions and the rocker length they belong to.
    StatusLabel->setFixedHeight(2 * StatusLabel->fontMetrics().height() + 2);
    StatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(StatusLabel, 1);
}
