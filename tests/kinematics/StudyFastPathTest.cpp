// The study's shortcuts (one evaluation per scan angle, study runs without arrays and screened
// without trigonometry, deferred array writes, two threads) must leave exactly what the plain
// sequence of solver runs leaves.

#include "KinematicsTestSupport.h"
#include "PlainStudyReference.h"
#include "RandomMechanisms.h"

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/Study.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Snapshot {
    Mechanism m;
    SolverState s;
    StudyResults r;
    StudyOutcome outcome;
    std::string fault;
};

template <typename Operation>
Snapshot RunAndRecord(const Mechanism& m, Operation operation)
{
    Snapshot snap;
    snap.m = m;
    // Earlier contents that the runs may or may not overwrite.
    FillArrays(snap.s.arrays, 3, 7.0);
    snap.s.MaxVe = 5.0;
    snap.s.ScanVe = 6.0;
    snap.r.DeadAngles.fill(8.0);
    try {
        snap.outcome = operation(snap.m, snap.s, snap.r);
    } catch (const FloatingPointError& e) {
        snap.fault = e.what();
    }
    return snap;
}

void ExpectIdentical(const Snapshot& fast, const Snapshot& plain)
{
    EXPECT_EQ(fast.fault, plain.fault);
    EXPECT_EQ(std::memcmp(&fast.m, &plain.m, sizeof(Mechanism)), 0) << "parameter record";
    EXPECT_EQ(fast.outcome.lbcChosen, plain.outcome.lbcChosen);
    EXPECT_EQ(fast.outcome.choice, plain.outcome.choice);
    EXPECT_TRUE(SameBits(fast.outcome.choiceLbc, plain.outcome.choiceLbc)) << "choiceLbc";
    EXPECT_EQ(fast.outcome.completedLengths, plain.outcome.completedLengths);
    EXPECT_EQ(fast.outcome.jammedLengths, plain.outcome.jammedLengths);
    EXPECT_EQ(fast.outcome.finalSolve.complete, plain.outcome.finalSolve.complete);
    EXPECT_EQ(fast.outcome.finalSolve.positionsDone, plain.outcome.finalSolve.positionsDone);

    const PositionArrays& a = fast.s.arrays;
    const PositionArrays& b = plain.s.arrays;
    const struct {
        const char* name;
        const std::vector<double>& x;
        const std::vector<double>& y;
    } arrays[] = {
        {"Xa", a.Xa, b.Xa}, {"Ya", a.Ya, b.Ya}, {"Xb", a.Xb, b.Xb}, {"Yb", a.Yb, b.Yb},
        {"Xd", a.Xd, b.Xd}, {"Yd", a.Yd, b.Yd}, {"Ye", a.Ye, b.Ye}, {"Vxa", a.Vxa, b.Vxa},
        {"Vya", a.Vya, b.Vya}, {"Vxb", a.Vxb, b.Vxb}, {"Vyb", a.Vyb, b.Vyb},
        {"Vxd", a.Vxd, b.Vxd}, {"Vyd", a.Vyd, b.Vyd}, {"Ve", a.Ve, b.Ve}, {"Va", a.Va, b.Va},
        {"PlanXa", a.PlanXa, b.PlanXa}, {"PlanYa", a.PlanYa, b.PlanYa},
        {"PlanXb", a.PlanXb, b.PlanXb}, {"PlanYb", a.PlanYb, b.PlanYb},
        {"PlanXd", a.PlanXd, b.PlanXd}, {"PlanYd", a.PlanYd, b.PlanYd},
        {"PlanXe", a.PlanXe, b.PlanXe}, {"PlanYe", a.PlanYe, b.PlanYe},
        {"Gamma", a.Gamma, b.Gamma},
    };
    for (const auto& array : arrays)
        EXPECT_TRUE(SameBits(array.x, array.y)) << array.name;

    EXPECT_EQ(fast.s.StudyMode, plain.s.StudyMode);
    EXPECT_TRUE(SameBits(fast.s.CrankAngle, plain.s.CrankAngle)) << "CrankAngle";
    EXPECT_TRUE(SameBits(fast.s.ScanVe, plain.s.ScanVe)) << "ScanVe";
    EXPECT_TRUE(SameBits(fast.s.MaxVe, plain.s.MaxVe)) << "MaxVe";
    EXPECT_TRUE(SameBits(fast.s.MaxGamma, plain.s.MaxGamma)) << "MaxGamma";
    EXPECT_TRUE(SameBits(fast.s.MinGamma, plain.s.MinGamma)) << "MinGamma";

    EXPECT_EQ(fast.r.DeadCount, plain.r.DeadCount);
    for (std::size_t i = 0; i < fast.r.DeadAngles.size(); ++i)
        EXPECT_TRUE(SameBits(fast.r.DeadAngles[i], plain.r.DeadAngles[i])) << "DeadAngles " << i;
    for (int mm = kFirstStudyLbcMm; mm <= kLastStudyLbcMm; ++mm) {
        EXPECT_TRUE(SameBits(fast.r.MaxVeByLbc[mm], plain.r.MaxVeByLbc[mm])) << mm;
        EXPECT_TRUE(SameBits(fast.r.MinGammaByLbc[mm], plain.r.MinGammaByLbc[mm])) << mm;
        EXPECT_TRUE(SameBits(fast.r.MaxGammaByLbc[mm], plain.r.MaxGammaByLbc[mm])) << mm;
        EXPECT_EQ(fast.r.StatusByLbc[mm], plain.r.StatusByLbc[mm]) << mm;
    }
}

struct Case {
    const char* what;
    Mechanism m;
};

class StudyFastPath : public ::testing::TestWithParam<Case> {};

TEST_P(StudyFastPath, LeavesWhatThePlainRunsLeave)
{
    const Mechanism& m = GetParam().m;
    const Snapshot fast = RunAndRecord(m, [](Mechanism& mm, SolverState& s, StudyResults& r) { return FindDeadPositionsAndStudy(mm, s, r); });
    const Snapshot plain = RunAndRecord(m, [](Mechanism& mm, SolverState& s, StudyResults& r) { return PlainDeadPositionsAndStudy(mm, s, r); });
    ExpectIdentical(fast, plain);
}

// Seeded: 250 mechanisms, 77 500 study runs, drawn where the study is delicate.
TEST(StudyFastPathSweep, RandomMechanismsLeaveWhatThePlainRunsLeave)
{
    RandomMechanisms random(4);
    for (int i = 0; i < 250; ++i) {
        const Mechanism m = random.Next(random.PositionCount(48));
        const Snapshot fast = RunAndRecord(m, [](Mechanism& mm, SolverState& s, StudyResults& r) { return FindDeadPositionsAndStudy(mm, s, r); });
        const Snapshot plain = RunAndRecord(m, [](Mechanism& mm, SolverState& s, StudyResults& r) { return PlainDeadPositionsAndStudy(mm, s, r); });
        ExpectIdentical(fast, plain);
        if (HasFailure()) {
            ADD_FAILURE() << "mechanism " << i << ": " << FormatGeneral(m.Loa) << ' ' << FormatGeneral(m.Lab)
                          << ' ' << FormatGeneral(m.Lbc) << ' ' << FormatGeneral(m.Lde) << ' '
                          << FormatGeneral(m.Loc) << " N " << m.PositionCount;
            return;
        }
    }
}

// Keeping the typed rocker: the same scan and study, the choice only reported, the final solve
// with the typed Lbc.
TEST_P(StudyFastPath, KeepingTheTypedRockerLeavesWhatThePlainRunsLeave)
{
    const Mechanism& m = GetParam().m;
    if (m.PositionCount > 1000)
        GTEST_SKIP() << "the plain runs take seconds; adopting covers this count";
    StudyOptions keep;
    keep.adoptLbc = false;
    const Snapshot fast = RunAndRecord(m, [&keep](Mechanism& mm, SolverState& s, StudyResults& r) {
        return FindDeadPositionsAndStudy(mm, s, r, nullptr, keep);
    });
    const Snapshot plain = RunAndRecord(m, [&keep](Mechanism& mm, SolverState& s, StudyResults& r) {
        return PlainDeadPositionsAndStudy(mm, s, r, keep);
    });
    ExpectIdentical(fast, plain);
    if (fast.fault.empty()) {
        EXPECT_TRUE(SameBits(fast.m.Lbc, m.Lbc));
    }
    EXPECT_FALSE(fast.outcome.lbcChosen);
}

const double kNan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    ParameterSets, StudyFastPath,
    ::testing::Values(
        Case{"defaults N=8", DefaultMechanism(8)},
        Case{"defaults N=1", DefaultMechanism(1)},
        Case{"defaults N=2", DefaultMechanism(2)},
        Case{"defaults N=97, two threads", DefaultMechanism(97)},
        Case{"defaults N=180", DefaultMechanism(180)},
        Case{"defaults N=3600", DefaultMechanism(3600)},
        Case{"limit 0.66 m N=12", MakeMechanism(0.08, 0.62, 0.6, 0.55, 1.2, 12)},
        Case{"limit just below 0.9 m", MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.39999, 180)},
        Case{"coupler folds onto the rocker", MakeMechanism(0.1, 0.1, 0.6, 0.5, 0.8, 180)},
        Case{"coupler folds, odd count", MakeMechanism(0.1, 0.1, 0.6, 0.5, 0.8, 9)},
        Case{"odd count steps over the fold", MakeMechanism(0.1, 0.1, 0.85, 1.0, 0.8005, 9)},
        Case{"stretched at 0 degrees", MakeMechanism(0.1, 0.5, 0.6, 0.5, 1.0, 9)},
        Case{"short rockers unassembled", MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.3, 8)},
        Case{"triangle opens part-way", MakeMechanism(0.23, 1.5, 0.85, 2.0, 1.0, 36)},
        Case{"triangle opens part-way, two threads",
             MakeMechanism(0.26, 1.5, 0.7, 2.0, 1.0, 150)},
        Case{"nothing assembles", MakeMechanism(0.1, 0.6, 0.6, 0.5, 1.6, 8)},
        Case{"long user rocker, no study run assembles",
             MakeMechanism(0.23, 0.3, 1.5, 2.0, 1.0, 8)},
        Case{"crank of no length", MakeMechanism(0.0, 0.6, 0.6, 0.5, 1.0, 8)},
        Case{"tiny crank fills the list", MakeMechanism(0.0001, 0.6, 0.6, 0.5, 1.0, 4)},
        Case{"fault in the scan", MakeMechanism(0.1, 0.6, 0.6, 0.0, 1.0, 8)},
        Case{"fault in the study", MakeMechanism(0.1, 0.6, 0.6, 0.36, 1.0, 8)},
        Case{"fault in the study, two threads", MakeMechanism(0.1, 0.6, 0.6, 0.4, 1.0, 120)},
        Case{"fault at the edge of the triangle", MakeMechanism(0.3, 1.5, 0.85, 2.0, 1.0, 36)},
        Case{"NaN slider link", MakeMechanism(0.1, 0.6, 0.6, kNan, 1.0, 8)},
        Case{"NaN slider link, one position", MakeMechanism(0.1, 0.6, 0.6, kNan, 1.0, 1)},
        Case{"NaN crank", MakeMechanism(kNan, 0.6, 0.6, 0.5, 1.0, 8)},
        Case{"huge lengths", MakeMechanism(1e199, 6e199, 6e199, 5e199, 1e200, 8)},
        Case{"no positions", DefaultMechanism(0)}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

}  // namespace
