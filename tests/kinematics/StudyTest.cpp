#include "KinematicsTestSupport.h"
#include "StudyRun.h"

#include "kinematics/Angles.h"
#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/Study.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double kSixDecimals = 5e-7;


TEST(FindDeadPositionsAndStudy, DefaultsAtEightPositions)
{
    const StudyRun run = RunStudyOn(DefaultMechanism(8));
    ASSERT_EQ(run.r.DeadCount, 4);
    const char* texts[] = {"1,48352986419518", "1,50098315671512", "4,62512251778497",
                           "4,64257581030492"};
    const int degrees[] = {85, 86, 265, 266};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(FormatGeneral(run.r.DeadAngles[static_cast<std::size_t>(i)]), texts[i]);
        EXPECT_EQ(run.r.DeadAngles[static_cast<std::size_t>(i)], Radians(degrees[i]));
    }
    EXPECT_TRUE(run.outcome.lbcChosen);
    EXPECT_EQ(run.m.Lbc, 0.9);
    EXPECT_EQ(FormatGeneral(run.m.Lbc), "0,9");
    EXPECT_TRUE(run.outcome.finalSolve.complete);
    EXPECT_FALSE(run.s.StudyMode);
    // The arrays hold the final solve with the chosen rocker.
    EXPECT_NEAR(run.s.MaxVe, 0.092813, kSixDecimals);
    EXPECT_EQ(run.s.arrays.Size(), 8u);
}

TEST(FindDeadPositionsAndStudy, StudyEntriesForEightAndOneHundredEightyPositions)
{
    const struct {
        int n, mm;
        double maxVe, minGamma, maxGamma;
    } entries[] = {
        {8, 591, 0.066017, 1.713296, 2.354678},   {8, 750, 0.073210, 1.445468, 1.895939},
        {8, 900, 0.092813, 1.230959, 1.607842},   {180, 591, 0.066613, 1.713296, 2.354678},
        {180, 750, 0.075296, 1.445468, 1.895939}, {180, 900, 0.093057, 1.230959, 1.607842},
    };
    for (int n : {8, 180}) {
        const StudyRun run = RunStudyOn(DefaultMechanism(n));
        EXPECT_EQ(run.m.Lbc, 0.9) << n;
        EXPECT_EQ(run.r.DeadCount, 4) << n;
        for (const auto& e : entries) {
            if (e.n != n)
                continue;
            EXPECT_NEAR(run.r.MaxVeByLbc[e.mm], e.maxVe, kSixDecimals) << n << ' ' << e.mm;
            EXPECT_NEAR(run.r.MinGammaByLbc[e.mm], e.minGamma, kSixDecimals) << n << ' ' << e.mm;
            EXPECT_NEAR(run.r.MaxGammaByLbc[e.mm], e.maxGamma, kSixDecimals) << n << ' ' << e.mm;
        }
    }
}

TEST(FindDeadPositionsAndStudy, ReferenceStudyCurves)
{
    const StudyRun run = RunStudyOn(DefaultMechanism(8));
    const auto rows = ReadReferenceRows("defaults-n8-study.tsv", false);
    ASSERT_EQ(rows.size(), 310u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 4u);
        const int mm = std::stoi(row[0]);
        EXPECT_EQ(FormatGeneral(run.r.MaxVeByLbc[mm]), row[1]) << mm;
        EXPECT_EQ(FormatGeneral(run.r.MaxGammaByLbc[mm]), row[2]) << mm;
        EXPECT_EQ(FormatGeneral(run.r.MinGammaByLbc[mm]), row[3]) << mm;
    }
}

// With Lab 0.5 the linkage is fully stretched at 0 degrees (AC = Lab + Lbc): the triangle does
// not close there in floating point, so that angle has no velocity of its own and is not judged.
TEST(FindDeadPositionsAndStudy, ShorterCouplerStandsStillAtBothEnds)
{
    const StudyRun run = RunStudyOn(MakeMechanism(0.1, 0.5, 0.6, 0.5, 1.0, 8));
    const int degrees[] = {-1, 94, 95, 278, 279, 358, 359};
    ASSERT_EQ(run.r.DeadCount, 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(run.r.DeadAngles[static_cast<std::size_t>(i)], Radians(degrees[i])) << i;
    EXPECT_EQ(FormatGeneral(run.r.DeadAngles[0]), "-0,0174532925199433");
    EXPECT_TRUE(run.outcome.lbcChosen);
    EXPECT_TRUE(run.outcome.finalSolve.complete);
    // Below 0.6 m the rocker cannot be assembled with this coupler.
    EXPECT_TRUE(std::isnan(run.r.MaxVeByLbc[599]));
    EXPECT_FALSE(std::isnan(run.r.MaxVeByLbc[601]));
}

// Loc 1.3 needs Lbc >= 0.8. Plain judging would list all 361 angles by the stale ScanVe of 0
// (and overrun the list), and fill the short rockers' entries with stale extremes.
TEST(FindDeadPositionsAndStudy, RunsThatDoNotCompleteLeaveNoTrace)
{
    const StudyRun run = RunStudyOn(MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.3, 8));
    EXPECT_EQ(run.r.DeadCount, 0);
    for (int mm = kFirstStudyLbcMm; mm < 800; ++mm) {
        EXPECT_TRUE(std::isnan(run.r.MaxVeByLbc[mm])) << mm;
        EXPECT_TRUE(std::isnan(run.r.MinGammaByLbc[mm])) << mm;
        EXPECT_TRUE(std::isnan(run.r.MaxGammaByLbc[mm])) << mm;
    }
    for (int mm = 801; mm <= kLastStudyLbcMm; ++mm)
        EXPECT_FALSE(std::isnan(run.r.MaxVeByLbc[mm])) << mm;
    EXPECT_TRUE(run.outcome.lbcChosen);
    EXPECT_GE(run.m.Lbc, 0.8);
    EXPECT_TRUE(run.outcome.finalSolve.complete);
}

TEST(FindDeadPositionsAndStudy, NoCompleteStudyRunKeepsTheUsersRocker)
{
    Mechanism m = MakeMechanism(0.1, 0.6, 0.63, 0.5, 1.6, 8);
    const StudyRun run = RunStudyOn(m);
    EXPECT_FALSE(run.outcome.lbcChosen);
    EXPECT_EQ(run.m.Lbc, 0.63);
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm)
        EXPECT_TRUE(std::isnan(run.r.MaxVeByLbc[mm])) << mm;
    EXPECT_FALSE(run.outcome.finalSolve.complete);
    EXPECT_EQ(run.s.arrays.Size(), 8u);
}

TEST(FindDeadPositionsAndStudy, AtMostOneHundredAndOneDeadAngles)
{
    // A tiny crank: the slider hardly moves at any angle.
    const StudyRun run = RunStudyOn(MakeMechanism(0.0001, 0.6, 0.6, 0.5, 1.0, 8));
    ASSERT_EQ(run.r.DeadCount, kDeadAnglesCapacity);
    EXPECT_EQ(run.r.DeadAngles[0], Radians(-1));
    EXPECT_EQ(run.r.DeadAngles[100], Radians(99));
}

TEST(FindDeadPositionsAndStudy, ShortestRockerWinsEqualMaxima)
{
    // A crank of no length moves nothing: every study run has MaxVe 0.
    const StudyRun run = RunStudyOn(MakeMechanism(0.0, 0.6, 0.6, 0.5, 1.0, 8));
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm)
        ASSERT_EQ(run.r.MaxVeByLbc[mm], 0.0) << mm;
    EXPECT_TRUE(run.outcome.lbcChosen);
    EXPECT_EQ(run.m.Lbc, 0.591);
}

TEST(FindDeadPositionsAndStudy, FaultInTheScanEndsItWithStudyModeOff)
{
    Mechanism m = DefaultMechanism(8);
    m.Lde = 0;
    SolverState s;
    StudyResults r;
    r.DeadCount = 3;
    r.MaxVeByLbc[700] = 1.5;
    try {
        FindDeadPositionsAndStudy(m, s, r);
        FAIL() << "no fault";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_FALSE(s.StudyMode);
    EXPECT_EQ(r.DeadCount, 3);
    EXPECT_EQ(r.MaxVeByLbc[700], 1.5);
    EXPECT_EQ(s.CrankAngle, Radians(-1));
    EXPECT_EQ(s.arrays.Size(), 8u);
}

TEST(FindDeadPositionsAndStudy, FaultInTheStudyKeepsWhatWasWritten)
{
    // The slider link reaches the guide with the user's rocker but not with every study length.
    Mechanism m = DefaultMechanism(8);
    m.Lde = 0.36;
    SolverState s;
    StudyResults r;
    r.MaxVeByLbc[900] = 1.5;
    EXPECT_THROW(FindDeadPositionsAndStudy(m, s, r), FloatingPointError);
    EXPECT_FALSE(s.StudyMode);
    EXPECT_EQ(r.DeadCount, 4);
    EXPECT_FALSE(std::isnan(r.MaxVeByLbc[kFirstStudyLbcMm]));
    EXPECT_EQ(r.MaxVeByLbc[900], 1.5);
    EXPECT_GT(m.Lbc, 0.591);  // the rocker of the run that faulted
}

// Keeping the typed rocker: the study runs as before and says what it would choose; the record,
// and the final solve, keep the typed Lbc.
TEST(FindDeadPositionsAndStudy, KeepingTheTypedRockerStillStudiesAndTellsTheChoice)
{
    StudyOptions keep;
    keep.adoptLbc = false;
    for (const Mechanism& typed : {DefaultMechanism(8), MakeMechanism(0.08, 0.62, 0.7, 0.55, 1.2, 12)}) {
        const StudyRun adopted = RunStudyOn(typed);
        StudyRun kept;
        kept.m = typed;
        kept.outcome = FindDeadPositionsAndStudy(kept.m, kept.s, kept.r, nullptr, keep);

        // Copies: the packed record's fields may sit unaligned (the list packs records tightly).
        const double typedLbc = typed.Lbc, keptLbc = kept.m.Lbc, adoptedLbc = adopted.m.Lbc;
        EXPECT_FALSE(kept.outcome.lbcChosen);
        EXPECT_EQ(kept.outcome.choice, StudyChoice::Found);
        EXPECT_EQ(kept.outcome.choiceLbc, adoptedLbc);
        EXPECT_NE(keptLbc, adoptedLbc);
        EXPECT_EQ(keptLbc, typedLbc);
        EXPECT_EQ(kept.outcome.jammedLengths, adopted.outcome.jammedLengths);
        EXPECT_EQ(kept.r.DeadCount, adopted.r.DeadCount);
        for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
            EXPECT_TRUE(SameBits(kept.r.MaxVeByLbc[mm], adopted.r.MaxVeByLbc[mm])) << mm;
            EXPECT_TRUE(SameBits(kept.r.MinGammaByLbc[mm], adopted.r.MinGammaByLbc[mm])) << mm;
            EXPECT_EQ(kept.r.StatusByLbc[mm], adopted.r.StatusByLbc[mm]) << mm;
        }

        // The arrays hold the solve of the typed linkage.
        Mechanism m = typed;
        SolverState s;
        ASSERT_TRUE(SolveMechanism(m, s).complete);
        EXPECT_TRUE(kept.outcome.finalSolve.complete);
        EXPECT_TRUE(SameBits(kept.s.arrays.Ve, s.arrays.Ve));
        EXPECT_TRUE(SameBits(kept.s.arrays.Yb, s.arrays.Yb));
        EXPECT_TRUE(SameBits(kept.s.MaxVe, s.MaxVe));
    }
}

TEST(FindDeadPositionsAndStudy, NoPositionsAtAll)
{
    Mechanism m = DefaultMechanism(0);
    const StudyRun run = RunStudyOn(m);
    EXPECT_EQ(run.r.DeadCount, 0);
    EXPECT_FALSE(run.outcome.lbcChosen);
    EXPECT_EQ(run.m.Lbc, 0.6);
    EXPECT_TRUE(std::isnan(run.r.MaxGammaByLbc[750]));
    EXPECT_FALSE(run.outcome.finalSolve.complete);
    EXPECT_FALSE(run.s.StudyMode);
    EXPECT_EQ(run.s.arrays.Size(), 0u);
}

}  // namespace
