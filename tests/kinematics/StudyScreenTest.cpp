// A screened study run must be the solver's run to the last bit: how it ends, where, and its
// three extremes. Each case compares StudyScreen with RunOneStudyLength (the solver's position
// routine at every position) for the study's rocker lengths.

#include "KinematicsTestSupport.h"
#include "RandomMechanisms.h"

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/Study.h"
#include "kinematics/StudyRuns.h"
#include "kinematics/StudyScreen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using Kind = StudyRunResult::Kind;

struct Sweep {
    long runs = 0;
    long positions = 0;
    long exactPositions = 0;
    std::array<long, 5> kinds{};  // by Kind of the solver's run
    std::string firstDifference;
};

LinkageLengths SolvedLengths(Mechanism m)
{
    m.Lad = m.Lab / 2;
    m.GuideOffset = m.Loc / 2;
    return LengthsOf(m);
}

bool SameRun(const StudyRunResult& a, const StudyRunResult& b)
{
    return a.kind == b.kind && a.stoppedAt == b.stoppedAt && SameBits(a.extremes.maxVe, b.extremes.maxVe)
           && SameBits(a.extremes.maxGamma, b.extremes.maxGamma)
           && SameBits(a.extremes.minGamma, b.extremes.minGamma);
}

std::string Describe(const Mechanism& m, int mm)
{
    std::string text;
    for (double length : {m.Loa, m.Lab, m.Lde, m.Loc})
        text += FormatGeneral(length) + ' ';
    return text + "N " + WholeNumberText(m.PositionCount) + " Lbc " + WholeNumberText(mm) + " mm";
}

// Every `step`-th rocker length of the study, starting at `firstMm`.
void CompareRuns(const Mechanism& m, Sweep& sweep, int firstMm = kFirstStudyLbcMm, int step = 1)
{
    const int n = m.PositionCount;
    const LinkageLengths base = SolvedLengths(m);
    const CrankTable cranks(base, n);
    StudyScreen screen(n);
    std::vector<double> ve(static_cast<std::size_t>(n)), gamma(ve.size());
    for (int mm = firstMm; mm <= kLastStudyLbcMm; mm += step) {
        LinkageLengths lengths = base;
        lengths.Lbc = StudyRockerLength(mm);
        const StudyRunResult screened = screen.Run(lengths, cranks);
        const StudyRunResult exact = RunOneStudyLength(lengths, cranks, ve, gamma);
        ++sweep.runs;
        sweep.positions += n;
        sweep.exactPositions += screen.ExactPositionsOfLastRun();
        ++sweep.kinds[static_cast<std::size_t>(exact.kind)];
        if (!SameRun(screened, exact) && sweep.firstDifference.empty())
            sweep.firstDifference = Describe(m, mm);
    }
}

// The largest |Xd + GuideOffset| of the solve: a slider link of that length just reaches.
double ReachOfTheGuide(Mechanism m)
{
    m.Lde = 1e6;
    SolverState s;
    EXPECT_TRUE(SolveMechanism(m, s).complete);
    double reach = 0;
    for (double xd : s.arrays.Xd)
        reach = std::fmax(reach, std::fabs(xd + m.GuideOffset));
    return reach;
}

struct Case {
    const char* what;
    Mechanism m;
};

TEST(StudyScreen, EveryRockerLengthAsTheSolverRunsIt)
{
    // The jammed example (limit Loa + Loc - Lab = 0.66 m) and a limit just below 0.9 m,
    // a coupler that folds onto the rocker at 0.8 m, a slider link that cannot reach the guide
    // for the longer rockers.
    const Case cases[] = {
        {"defaults", DefaultMechanism(8)},
        {"defaults, one position", DefaultMechanism(1)},
        {"defaults, two positions", DefaultMechanism(2)},
        {"defaults, odd count", DefaultMechanism(7)},
        {"defaults, 179", DefaultMechanism(179)},
        {"defaults, 180", DefaultMechanism(180)},
        {"defaults, 3600", DefaultMechanism(3600)},
        {"limit 0.66 m", MakeMechanism(0.08, 0.62, 0.6, 0.55, 1.2, 12)},
        {"limit 0.66 m, 180", MakeMechanism(0.08, 0.62, 0.6, 0.55, 1.2, 180)},
        {"limit just below 0.9 m", MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.39999, 180)},
        {"limit at 0.75 m, 361", MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.25, 361)},
        {"folds at 0.8 m", MakeMechanism(0.1, 0.1, 0.6, 0.5, 0.8, 180)},
        {"folds at 0.8 m, odd count", MakeMechanism(0.1, 0.1, 0.6, 0.5, 0.8, 9)},
        {"triangle opens part-way", MakeMechanism(0.26, 1.5, 0.7, 2.0, 1.0, 150)},
        {"slider link too short for some rockers", MakeMechanism(0.1, 0.6, 0.6, 0.36, 1.0, 90)},
        {"crank of no length", MakeMechanism(0.0, 0.6, 0.6, 0.5, 1.0, 8)},
        {"zero slider link", MakeMechanism(0.1, 0.6, 0.6, 0.0, 1.0, 8)},
        {"huge lengths", MakeMechanism(1e199, 6e199, 6e199, 5e199, 1e200, 8)},
    };
    for (const Case& c : cases) {
        Sweep sweep;
        CompareRuns(c.m, sweep);
        EXPECT_EQ(sweep.firstDifference, "") << c.what;
    }
}

TEST(StudyScreen, SliderLinkBarelyReachingTheGuide)
{
    // Lde a hair above (and below) the reach for Lbc 0.75 m: at the farthest positions the
    // slider link lies almost along the horizontal, where q is tiny and the screen must give way.
    Mechanism m = MakeMechanism(0.1, 0.6, 0.75, 0.5, 1.0, 180);
    const double reach = ReachOfTheGuide(m);
    for (double factor : {1 + 1e-12, 1 + 1e-7, 1 + 1e-4, 1 - 1e-12}) {
        m.Lde = reach * factor;
        Sweep sweep;
        CompareRuns(m, sweep);
        EXPECT_EQ(sweep.firstDifference, "") << factor;
        EXPECT_GT(sweep.kinds[static_cast<std::size_t>(Kind::Complete)], 0) << factor;
    }

    // The screen gives way at the farthest position, and only where the link lies that flat.
    SolverState s;
    m.Lde = 1e6;
    ASSERT_TRUE(SolveMechanism(m, s).complete);
    int farthest = 0;
    for (int k = 0; k < m.PositionCount; ++k) {
        if (std::fabs(s.arrays.Xd[static_cast<std::size_t>(k)] + m.GuideOffset)
            == reach)
            farthest = k;
    }
    double ve = 0, bound = 0;
    for (double lde : {reach * (1 + 1e-12), 1.0}) {
        m.Lde = lde;
        const LinkageLengths lengths = SolvedLengths(m);
        const CrankTable cranks(lengths, m.PositionCount);
        EXPECT_EQ(ScreenedVe(lengths, cranks, farthest, ve, bound), lde == 1.0) << lde;
        EXPECT_TRUE(ScreenedVe(lengths, cranks, (farthest + m.PositionCount / 2) % m.PositionCount, ve, bound));
    }
}

TEST(StudyScreen, RechecksOnlyAFewPositions)
{
    // One or two positions for the largest Ve and a few for the two gamma extremes.
    for (int n : {180, 3600, 100000}) {
        Sweep sweep;
        CompareRuns(DefaultMechanism(n), sweep, kFirstStudyLbcMm, n == 100000 ? 103 : 1);
        EXPECT_EQ(sweep.firstDifference, "") << n;
        EXPECT_EQ(sweep.kinds[static_cast<std::size_t>(Kind::Complete)], sweep.runs) << n;
        EXPECT_LE(sweep.exactPositions, 6 * sweep.runs) << n;
    }
}

// The bound's premise: at every screened position the screen's Ve and the solver's differ by far
// less than the bound the screen uses (over 300 times less, as its header argues).
TEST(StudyScreen, ScreenedVeIsWellInsideItsBound)
{
    RandomMechanisms random(29);
    long screened = 0;
    double worstShare = 0;
    for (int i = 0; i < 400; ++i) {
        const Mechanism m = random.Next(random.PositionCount(360));
        LinkageLengths lengths = SolvedLengths(m);
        const CrankTable cranks(lengths, m.PositionCount);
        for (int j = 0; j < 8; ++j) {
            lengths.Lbc = StudyRockerLength(random.Whole(kFirstStudyLbcMm, kLastStudyLbcMm));
            const int k = random.Whole(0, m.PositionCount - 1);
            double ve = 0, bound = 0;
            if (!ScreenedVe(lengths, cranks, k, ve, bound))
                continue;
            PositionValues values;
            values.Assign(PositionField::Xa, cranks.Xa(k));
            values.Assign(PositionField::Ya, cranks.Ya(k));
            ASSERT_TRUE(ComputeLinkage(lengths, cranks.Crank(k), values, PositionDetail::ForExtremes));
            const double share = std::fabs(ve - values[PositionField::Ve]) / bound;
            worstShare = std::fmax(worstShare, share);
            ++screened;
            EXPECT_LE(share, 1.0 / 300) << Describe(m, static_cast<int>(std::lround(lengths.Lbc * 1000)));
        }
    }
    EXPECT_GT(screened, 1000);
    RecordProperty("worst share of the bound", FormatGeneral(worstShare));
}

// Seeded sweep over 62 000 study runs of mechanisms drawn where the study is delicate.
TEST(StudyScreen, RandomizedSweepOfStudyRuns)
{
    RandomMechanisms random(2023);
    Sweep sweep;
    for (int i = 0; i < 2000; ++i) {
        const Mechanism m = random.Next(random.PositionCount(200));
        // 31 of the 310 lengths, a different tenth each time.
        CompareRuns(m, sweep, kFirstStudyLbcMm + i % 10, 10);
        ASSERT_EQ(sweep.firstDifference, "");
    }
    EXPECT_GE(sweep.runs, 62000);
    // The sweep reaches every way a run can end.
    EXPECT_GT(sweep.kinds[static_cast<std::size_t>(Kind::Complete)], 10000);
    EXPECT_GT(sweep.kinds[static_cast<std::size_t>(Kind::AssemblyFailed)], 1000);
    EXPECT_GT(sweep.kinds[static_cast<std::size_t>(Kind::TriangleFailed)], 1000);
    EXPECT_GT(sweep.kinds[static_cast<std::size_t>(Kind::Faulted)], 1000);
}

}  // namespace
