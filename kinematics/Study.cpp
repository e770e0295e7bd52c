#include "kinematics/Study.h"

#include "kinematics/Angles.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/Errors.h"
#include "kinematics/Jamming.h"
#include "kinematics/PendingArrayWrites.h"
#include "kinematics/PositionKinematics.h"
#include "kinematics/StudyRuns.h"
#include "kinematics/StudyScreen.h"

#include <cmath>
#include <limits>
#include <memory>

// The operation is the plain sequence of solver runs (361 scan runs in StudyMode, 310 study
// runs, one final run), and leaves every array, scalar and curve as that sequence would. It gets
// there faster: a scan run computes its one crank angle once, the study runs keep no arrays and
// are screened (StudyScreen: the solver's routine only where a position may decide the run), and
// the arrays receive what the runs would have written only once, before the final run (or before
// a run that faults, which is then made by the solver itself so that the fault and its partial
// writes are the solver's own). Of the completed lengths, the jammed ones are passed over by the
// choice (Jamming.h).

namespace {

constexpr int kScanSteps = 361;  // -1 .. 359 degrees
constexpr double kNoStudyValue = std::numeric_limits<double>::quiet_NaN();

// StudyMode is true only while the scan runs, whichever way it ends.
class StudyModeGuard {
public:
    explicit StudyModeGuard(SolverState& s) : s_(s) { s_.StudyMode = true; }
    ~StudyModeGuard() { s_.StudyMode = false; }
    StudyModeGuard(const StudyModeGuard&) = delete;
    StudyModeGuard& operator=(const StudyModeGuard&) = delete;

private:
    SolverState& s_;
};

double ScanAngle(int step)
{
    return static_cast<double>(step - 1) * kRadiansPerDegree;
}

void MarkStudyEntryEmpty(StudyResults& r, int mm)
{
    r.MaxVeByLbc[mm] = kNoStudyValue;
    r.MinGammaByLbc[mm] = kNoStudyValue;
    r.MaxGammaByLbc[mm] = kNoStudyValue;
    r.StatusByLbc[mm] = StudyLengthStatus::NotCompleted;
}

StudyChoice ChoiceOf(bool found, int completedLengths)
{
    if (found)
        return StudyChoice::Found;
    return completedLengths > 0 ? StudyChoice::AllJammed : StudyChoice::NoRunCompleted;
}

class DeadPositionsAndStudy {
public:
    DeadPositionsAndStudy(Mechanism& m, SolverState& s, StudyResults& r, ComputationProgress* progress,
                          const StudyOptions& options)
        : m_(m), s_(s), r_(r), n_(m.PositionCount), pending_(m.PositionCount), progress_(progress),
          options_(options)
    {
    }

    StudyOutcome Run()
    {
        const double userLbc = m_.Lbc;
        // The solver sets these at the start of every run; nothing below changes Lab or Loc.
        SetDerivedLengths(m_);
        lengths_ = LengthsOf(m_);
        try {
            Scan();
            Study();
        } catch (...) {
            pending_.StoreInto(s_.arrays, lengths_, cranks_.get());
            throw;
        }
        pending_.StoreInto(s_.arrays, lengths_, cranks_.get());
        StudyOutcome outcome;
        outcome.choice = ChoiceOf(haveBest_, completed_);
        outcome.choiceLbc = haveBest_ ? bestLbc_ : 0;
        outcome.completedLengths = completed_;
        outcome.jammedLengths = jammed_;
        outcome.lbcChosen = haveBest_ && options_.adoptLbc;
        m_.Lbc = outcome.lbcChosen ? bestLbc_ : userLbc;
        outcome.finalSolve = SolveMechanism(m_, s_);
        if (progress_)
            progress_->Advance(n_);
        return outcome;
    }

private:
    void Scan()
    {
        StudyModeGuard studyMode(s_);
        int count = 0;
        for (int step = 0; step < kScanSteps; ++step) {
            s_.CrankAngle = ScanAngle(step);
            if (!ScanRun())
                continue;  // no velocity of its own: the angle is not judged
            if (CheckedReal(std::fabs(s_.ScanVe)) < kDeadVelocity && count < kDeadAnglesCapacity)
                r_.DeadAngles[static_cast<std::size_t>(count++)] = s_.CrankAngle;
        }
        r_.DeadCount = count;
        if (progress_) {
            progress_->Advance(kScanSteps);
            progress_->ThrowIfCancelled();
        }
    }

    // One StudyMode run at CrankAngle; true when it completed.
    bool ScanRun()
    {
        if (AssemblyFails(lengths_))
            return false;
        PositionValues values;
        CrankPosition crank;
        bool closed = false;
        try {
            ComputeCrank(lengths_, s_.CrankAngle, crank, values);
            closed = ComputeLinkage(lengths_, crank, values, PositionDetail::Full);
        } catch (const FloatingPointError&) {
            return SolveInFull().complete;
        }
        if (!closed) {
            pending_.CrankPinOfFirstPosition(values[PositionField::Xa], values[PositionField::Ya]);
            return false;
        }
        const double ve = values[PositionField::Ve];
        const double gamma = values[PositionField::Gamma];
        // With two positions or more the extremes compare them, and a NaN faults there.
        if (n_ >= 2 && (std::isnan(ve) || std::isnan(gamma)))
            return SolveInFull().complete;
        pending_.AllPositions(values);
        s_.ScanVe = ve;
        s_.MaxVe = ve;
        s_.MaxGamma = gamma;
        s_.MinGamma = gamma;
        return true;
    }

    void Study()
    {
        cranks_ = std::make_unique<CrankTable>(lengths_, n_);
        std::vector<StudyRunResult> results =
            RunStudy(lengths_, *cranks_, kFirstStudyLbcMm, kLastStudyLbcMm, progress_);
        // A cancelled study left runs undone: stop before anything is made of them.
        if (progress_)
            progress_->ThrowIfCancelled();
        for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
            m_.Lbc = StudyRockerLength(mm);
            StudyRunResult& result = results[static_cast<std::size_t>(mm - kFirstStudyLbcMm)];
            if (result.kind == StudyRunResult::Kind::NotRun)
                result = RunAlone();
            if (TakeStudyRun(mm, result))
                RecordStudyEntry(mm);
            else
                MarkStudyEntryEmpty(r_, mm);
        }
    }

    StudyRunResult RunAlone()
    {
        StudyScreen screen(n_);
        return screen.Run(LengthsOf(m_), *cranks_);
    }

    // Brings the solver state to where the run would have left it; true when it completed.
    bool TakeStudyRun(int mm, const StudyRunResult& result)
    {
        using Kind = StudyRunResult::Kind;
        switch (result.kind) {
        case Kind::AssemblyFailed:
        case Kind::NotRun:
            return false;
        case Kind::Faulted:
            return SolveInFull().complete;
        case Kind::TriangleFailed:
            s_.CrankAngle = cranks_->Crank(result.stoppedAt).phi;
            pending_.StudyRun(mm, result.stoppedAt, true);
            return false;
        case Kind::Complete:
            s_.CrankAngle = cranks_->Crank(n_ - 1).phi;
            s_.MaxVe = result.extremes.maxVe;
            s_.MaxGamma = result.extremes.maxGamma;
            s_.MinGamma = result.extremes.minGamma;
            pending_.StudyRun(mm, n_, false);
            return true;
        }
        return false;
    }

    void RecordStudyEntry(int mm)
    {
        r_.MaxVeByLbc[mm] = s_.MaxVe;
        r_.MinGammaByLbc[mm] = s_.MinGamma;
        r_.MaxGammaByLbc[mm] = s_.MaxGamma;
        ++completed_;
        if (JammedOverTheTurn(m_.Loa, m_.Lab, m_.Lbc, m_.Loc)) {
            r_.StatusByLbc[mm] = StudyLengthStatus::Jammed;
            ++jammed_;
            return;
        }
        r_.StatusByLbc[mm] = StudyLengthStatus::Candidate;
        // On equal maxima the shorter rocker stays.
        if (!haveBest_ || CheckedReal(s_.MaxVe) > best_) {
            haveBest_ = true;
            best_ = s_.MaxVe;
            bestLbc_ = m_.Lbc;
        }
    }

    // The current run made by the solver itself, on arrays that hold all earlier runs' writes.
    SolveOutcome SolveInFull()
    {
        pending_.StoreInto(s_.arrays, lengths_, cranks_.get());
        return SolveMechanism(m_, s_);
    }

    Mechanism& m_;
    SolverState& s_;
    StudyResults& r_;
    const int n_;
    LinkageLengths lengths_;
    PendingArrayWrites pending_;
    std::unique_ptr<CrankTable> cranks_;
    ComputationProgress* progress_;
    const StudyOptions options_;
    bool haveBest_ = false;
    double best_ = 0;
    double bestLbc_ = 0;
    int completed_ = 0;
    int jammed_ = 0;
};

// Without positions every solver run returns at once and touches nothing.
StudyOutcome StudyWithoutPositions(Mechanism& m, SolverState& s, StudyResults& r)
{
    s.CrankAngle = ScanAngle(kScanSteps - 1);
    r.DeadCount = 0;
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm)
        MarkStudyEntryEmpty(r, mm);
    s.StudyMode = false;
    StudyOutcome outcome;
    outcome.finalSolve = SolveMechanism(m, s);
    return outcome;
}

}  // namespace

StudyOutcome FindDeadPositionsAndStudy(Mechanism& m, SolverState& s, StudyResults& r,
                                       ComputationProgress* progress, const StudyOptions& options)
{
    ClearUpperVectorState();  // see Solver.cpp: the caller's drawing may have left it dirty
    if (m.PositionCount < 1)
        return StudyWithoutPositions(m, s, r);
    if (progress) {
        const long long n = m.PositionCount;
        progress->SetTotal(kScanSteps + kStudyLength * n + n);
    }
    return DeadPositionsAndStudy(m, s, r, progress, options).Run();
}
