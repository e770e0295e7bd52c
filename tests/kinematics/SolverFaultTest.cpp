#include "KinematicsTestSupport.h"

#include "kinematics/Errors.h"
#include "kinematics/Solver.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kUntouched = 7.0;

// Runs the solver on arrays pre-filled with kUntouched; returns the fault text ("" if none).
std::string FaultText(Mechanism& m, SolverState& s)
{
    FillArrays(s.arrays, static_cast<std::size_t>(m.PositionCount), kUntouched);
    try {
        SolveMechanism(m, s);
    } catch (const FloatingPointError& e) {
        return e.what();
    }
    return {};
}

TEST(SolverFaults, ZeroSliderLinkIsADivisionByZero)
{
    Mechanism m = DefaultMechanism(8);
    m.Lde = 0;
    SolverState s;
    EXPECT_EQ(FaultText(m, s), "Floating point division by zero");
    // Position 0 got as far as D; the slider's height was never written.
    EXPECT_EQ(s.arrays.Xa[0], 0.1);
    EXPECT_NE(s.arrays.Gamma[0], kUntouched);
    EXPECT_NE(s.arrays.Yd[0], kUntouched);
    EXPECT_EQ(s.arrays.Ye[0], kUntouched);
    EXPECT_EQ(s.arrays.Xa[1], kUntouched);
}

TEST(SolverFaults, SliderLinkTooShortForTheGuideIsAnInvalidOperation)
{
    Mechanism m = DefaultMechanism(8);
    m.Lde = 0.1;  // D is 0.325 m from the guide at position 0
    SolverState s;
    EXPECT_EQ(FaultText(m, s), "Invalid floating point operation");
    EXPECT_NE(s.arrays.Xd[0], kUntouched);
    EXPECT_EQ(s.arrays.Ye[0], kUntouched);
}

TEST(SolverFaults, HugeLengthsOverflow)
{
    Mechanism m = MakeMechanism(1e199, 6e199, 6e199, 5e199, 1e200, 8);
    SolverState s;
    EXPECT_EQ(FaultText(m, s), "Floating point overflow");
    EXPECT_EQ(s.arrays.Xa[0], 1e199);  // the crank pin came before the diagonal overflowed
    EXPECT_EQ(s.arrays.Gamma[0], kUntouched);
}

TEST(SolverFaults, ZeroCouplerAndRockerAreFaultsToo)
{
    Mechanism m = DefaultMechanism(8);
    m.Lab = 0;
    m.Lbc = 1.2;
    SolverState s;
    EXPECT_EQ(FaultText(m, s), "Floating point division by zero");

    m = DefaultMechanism(8);
    m.Loa = -1.0;  // passes the assembly test
    m.Lbc = 0;
    m.Lab = 0;  // AC is 0 at position 0 as well: 0/0
    EXPECT_EQ(FaultText(m, s), "Invalid floating point operation");
}

TEST(SolverFaults, NanParameterFaultsAtTheFirstComparison)
{
    Mechanism m = DefaultMechanism(8);
    m.Loa = std::numeric_limits<double>::quiet_NaN();
    SolverState s;
    EXPECT_EQ(FaultText(m, s), "Invalid floating point operation");
    EXPECT_EQ(s.arrays.Xa[0], kUntouched);

    // A NaN slider link gets past the assembly test; the extremes' comparison faults.
    m = DefaultMechanism(8);
    m.Lde = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FaultText(m, s), "Invalid floating point operation");
    EXPECT_TRUE(std::isnan(s.arrays.Ve[7]));
    EXPECT_EQ(s.MaxVe, 0.0);
}

TEST(SolverFaults, StudyModeFaultStillSetsNothingPastIt)
{
    Mechanism m = DefaultMechanism(4);
    m.Lde = 0;
    SolverState s;
    s.StudyMode = true;
    s.CrankAngle = 0.5;
    s.ScanVe = 0.25;
    EXPECT_EQ(FaultText(m, s), "Floating point division by zero");
    EXPECT_EQ(s.ScanVe, 0.25);
    EXPECT_EQ(s.arrays.Xa[1], kUntouched);
}

TEST(SolverFaults, FlagsRaisedElsewhereDoNotLeakIn)
{
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    Mechanism m = DefaultMechanism(8);
    SolverState s;
    EXPECT_EQ(FaultText(m, s), "");
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
