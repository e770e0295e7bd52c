// The study passes over rocker lengths at which the transmission angle comes within 1 degree of
// 0 or 180 degrees anywhere on the crank's turn, and never adopts them.

#include "KinematicsTestSupport.h"
#include "StudyRun.h"
#include "PlainStudyReference.h"
#include "RandomMechanisms.h"

#include "kinematics/Angles.h"
#include "kinematics/Characteristics.h"
#include "kinematics/Errors.h"
#include "kinematics/Jamming.h"
#include "kinematics/Study.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The rocker length that gives the angle gamma at B opposite a diagonal of length ac.
double RockerFor(double lab, double ac, double gammaDegrees)
{
    const double g = Radians(gammaDegrees);
    return lab * std::cos(g) + std::sqrt(ac * ac - lab * lab * std::sin(g) * std::sin(g));
}

int CountStatus(const StudyResults& r, StudyLengthStatus status)
{
    int count = 0;
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm)
        count += r.StatusByLbc[mm] == status ? 1 : 0;
    return count;
}

// Every status agrees with the solver's own gamma at the ends of the turn, and the curves hold
// values exactly where a run completed.
void ExpectStatusesJudgedBySolver(const StudyRun& run, const Mechanism& typed)
{
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
        const StudyLengthStatus status = run.r.StatusByLbc[mm];
        EXPECT_EQ(std::isnan(run.r.MaxVeByLbc[mm]), status == StudyLengthStatus::NotCompleted) << mm;
        if (status == StudyLengthStatus::NotCompleted)
            continue;
        Mechanism m = typed;
        m.Lbc = mm / 1000.0;
        EXPECT_EQ(PlainJammed(m), status == StudyLengthStatus::Jammed) << mm;
    }
    EXPECT_EQ(run.outcome.jammedLengths, CountStatus(run.r, StudyLengthStatus::Jammed));
    EXPECT_EQ(run.outcome.completedLengths,
              kStudyLength - CountStatus(run.r, StudyLengthStatus::NotCompleted));
}

TEST(JammedOverTheTurn, RangeHoldsEverySampledGammaAndMatchesTheCharacteristics)
{
    RandomMechanisms random(23);
    int checked = 0;
    for (int i = 0; i < 400; ++i) {
        Mechanism m = random.Next(180);
        m.Lde = 2.0;  // the slider dyad always reaches: only the four-bar matters here
        SolverState s;
        MechanismCharacteristics c;
        try {
            if (!SolveMechanism(m, s).complete)
                continue;
            c = ComputeCharacteristics(m);
        } catch (const FloatingPointError&) {
            continue;
        }
        const TransmissionRange range = TransmissionRangeOverTheTurn(m.Loa, m.Lab, m.Lbc, m.Loc);
        for (double gamma : s.arrays.Gamma) {
            EXPECT_GE(gamma, range.minGamma - 1e-12);
            EXPECT_LE(gamma, range.maxGamma + 1e-12);
        }
        if (c.Status == CharacteristicsStatus::Computed) {
            EXPECT_NEAR(range.minGamma, c.GammaMin, 1e-12);
            EXPECT_NEAR(range.maxGamma, c.GammaMax, 1e-12);
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(JammedOverTheTurn, OneDegreeBandAtBothEnds)
{
    // Diagonal from 0.9 m (crank at pi) to 1.1 m (crank at 0), coupler 0.4 m.
    const double loa = 0.1, loc = 1.0, lab = 0.4;
    const struct {
        double ac, gammaDegrees;
        bool jammed;
    } rows[] = {
        {1.1, 178.9999, false}, {1.1, 179.0001, true}, {1.1, 179.9, true},
        {0.9, 1.0001, false},   {0.9, 0.9999, true},   {0.9, 0.1, true},
    };
    for (const auto& row : rows) {
        const double lbc = RockerFor(lab, row.ac, row.gammaDegrees);
        const TransmissionRange range = TransmissionRangeOverTheTurn(loa, lab, lbc, loc);
        const double extreme = row.ac > 1 ? range.maxGamma : range.minGamma;
        EXPECT_NEAR(Degrees(extreme), row.gammaDegrees, 1e-9) << row.gammaDegrees;
        EXPECT_EQ(JammedOverTheTurn(loa, lab, lbc, loc), row.jammed) << row.gammaDegrees;
    }
    EXPECT_FALSE(JammedOverTheTurn(0.1, 0.6, 0.6, 1.0));  // the defaults: 97 to 133 degrees
}

TEST(JammedOverTheTurn, TriangleThatOpensSomewhereOnTheTurnIsJammed)
{
    // Coupler 0.1 m, diagonal 0.7 .. 0.9 m: beyond 0.8 m the rocker cannot follow near pi,
    // below 0.8 m it cannot near 0.
    EXPECT_TRUE(JammedOverTheTurn(0.1, 0.1, 0.803, 0.8));
    EXPECT_TRUE(JammedOverTheTurn(0.1, 0.1, 0.797, 0.8));
    const TransmissionRange range = TransmissionRangeOverTheTurn(0.1, 0.1, 0.803, 0.8);
    EXPECT_EQ(range.minGamma, 0.0);
    // No cosine at all: such lengths never complete a run, and the rule stays out of the way.
    const double nan = std::nan("");
    EXPECT_TRUE(std::isnan(TransmissionRangeOverTheTurn(nan, 0.6, 0.6, 1.0).minGamma));
    EXPECT_FALSE(JammedOverTheTurn(nan, 0.6, 0.6, 1.0));
}

TEST(JammedMechanismRule, DefaultsPassNothingOver)
{
    for (int n : {8, 180}) {
        const StudyRun run = RunStudyOn(DefaultMechanism(n));
        EXPECT_EQ(run.outcome.choice, StudyChoice::Found);
        EXPECT_EQ(run.outcome.choiceLbc, 0.9);
        EXPECT_EQ(run.m.Lbc, 0.9);
        EXPECT_EQ(run.outcome.completedLengths, kStudyLength);
        EXPECT_EQ(run.outcome.jammedLengths, 0);
        EXPECT_EQ(CountStatus(run.r, StudyLengthStatus::Candidate), kStudyLength);
    }
}

// The example: the assembly limit Loa + Loc - Lab is 0.66 m, where coupler and rocker lie
// in one line at phi = 0. That length was adopted, with a largest transmission angle of 180.
TEST(JammedMechanismRule, StretchedLimitInsideTheStudyIsPassedOver)
{
    const Mechanism typed = MakeMechanism(0.08, 0.62, 0.7, 0.55, 1.2, 12);
    const StudyRun run = RunStudyOn(typed);
    ExpectStatusesJudgedBySolver(run, typed);
    EXPECT_EQ(run.r.StatusByLbc[660], StudyLengthStatus::Jammed);
    EXPECT_FALSE(std::isnan(run.r.MaxVeByLbc[660]));  // its point stays on the chart
    EXPECT_GE(run.outcome.jammedLengths, 1);
    EXPECT_EQ(run.r.StatusByLbc[659], StudyLengthStatus::NotCompleted);

    ASSERT_EQ(run.outcome.choice, StudyChoice::Found);
    EXPECT_TRUE(run.outcome.lbcChosen);
    EXPECT_EQ(run.m.Lbc, run.outcome.choiceLbc);
    EXPECT_GT(run.m.Lbc, 0.66);
    const long adopted = std::lround(run.m.Lbc * 1000);
    EXPECT_EQ(run.r.StatusByLbc[static_cast<int>(adopted)], StudyLengthStatus::Candidate);
    // The adopted linkage runs clear of the band over the whole turn.
    const MechanismCharacteristics c = ComputeCharacteristics(run.m);
    ASSERT_EQ(c.Status, CharacteristicsStatus::Computed);
    EXPECT_LT(Degrees(c.GammaMax), 179.0);
    EXPECT_GT(Degrees(c.GammaMin), 1.0);
    // Among the lengths left, none has a larger sampled slider speed.
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
        if (run.r.StatusByLbc[mm] == StudyLengthStatus::Candidate) {
            EXPECT_LE(run.r.MaxVeByLbc[mm], run.r.MaxVeByLbc[static_cast<int>(adopted)]) << mm;
        }
    }
}

// The other end: the limit just below 0.9 m. Only 0.9 m assembles, and it is jammed.
TEST(JammedMechanismRule, NothingLeftKeepsTheTypedRocker)
{
    const Mechanism typed = MakeMechanism(0.1, 0.6, 0.95, 1.0, 1.39999, 12);
    const StudyRun run = RunStudyOn(typed);
    ExpectStatusesJudgedBySolver(run, typed);
    EXPECT_EQ(run.outcome.completedLengths, 1);
    EXPECT_EQ(run.outcome.jammedLengths, 1);
    EXPECT_EQ(run.r.StatusByLbc[900], StudyLengthStatus::Jammed);
    EXPECT_EQ(run.outcome.choice, StudyChoice::AllJammed);
    EXPECT_FALSE(run.outcome.lbcChosen);
    EXPECT_EQ(run.m.Lbc, 0.95);
    EXPECT_TRUE(run.outcome.finalSolve.complete);  // the typed rocker runs through
}

// With an odd N no position falls on phi = pi, so runs complete for rockers whose triangle opens
// there on the continuous turn (0.801 .. 0.807 m here); each of them is jammed.
TEST(JammedMechanismRule, OddCountSteppingOverTheFoldIsPassedOver)
{
    const Mechanism typed = MakeMechanism(0.1, 0.1, 0.85, 1.0, 0.8005, 9);
    const StudyRun run = RunStudyOn(typed);
    ExpectStatusesJudgedBySolver(run, typed);
    EXPECT_GE(run.outcome.completedLengths, 2);
    EXPECT_EQ(run.outcome.jammedLengths, run.outcome.completedLengths);
    EXPECT_EQ(run.outcome.choice, StudyChoice::AllJammed);
    EXPECT_EQ(run.m.Lbc, 0.85);

    // An even count reaches pi: those runs stop there and never complete.
    Mechanism even = typed;
    even.PositionCount = 10;
    const StudyRun evenRun = RunStudyOn(even);
    EXPECT_LT(evenRun.outcome.completedLengths, run.outcome.completedLengths);
}

TEST(JammedMechanismRule, NoRunCompletedIsToldApartFromAllJammed)
{
    const StudyRun run = RunStudyOn(MakeMechanism(0.1, 0.6, 0.63, 0.5, 1.6, 8));
    EXPECT_EQ(run.outcome.choice, StudyChoice::NoRunCompleted);
    EXPECT_EQ(run.outcome.completedLengths, 0);
    EXPECT_EQ(CountStatus(run.r, StudyLengthStatus::NotCompleted), kStudyLength);
}

}  // namespace
