#pragma once
// What the parts of the worked solution share: the values of the position for the crank speed
// ω1 and the way numbers and lines are written. Internal to WorkedSolution*.cpp.

#include "kinematics/PositionKinematics.h"
#include "kinematics/WorkedSolution.h"

#include <string>

namespace worked_solution {

// The position's values, velocities times ω1 and accelerations times ω1², as the calculation
// holds them.
struct PositionData {
    LinkageLengths l;
    int n = 0, k = 0;
    double omega1 = 1;
    double phi = 0;              // rad
    double phiDegrees = 0;       // (360/N)·k, as the table's angle column
    double xa = 0, ya = 0, xb = 0, yb = 0, xd = 0, yd = 0, xe = 0, ye = 0;
    double ac = 0, psi = 0;      // the solver's diagonal C→A and its direction
    double gamma = 0;            // the solver's angle at B
    double delta = 0, alpha = 0;  // the solver's angles at C and at A
    double theta2 = 0, theta3 = 0;  // the solver's directions A→B and C→B
    double theta4 = 0;            // the direction E→D (0 … π)
    double vxa = 0, vya = 0, vxb = 0, vyb = 0, vxd = 0, vyd = 0, ve = 0;
    double va = 0, vb = 0, vd = 0;
    double omega2 = 0, omega3 = 0, omega4 = 0;
    double axa = 0, aya = 0, axb = 0, ayb = 0, axd = 0, ayd = 0, ae = 0;
    double aa = 0, ab = 0, ad = 0, aeAbs = 0;
    double eps2 = 0, eps3 = 0, eps4 = 0;
};

// Number texts.
std::string V(double x);        // a value, kSolutionDigits significant digits
std::string P(double x);        // the same, in parentheses when negative (an operand)
std::string S(double x);        // a plan segment, kSegmentDigits significant digits
std::string Deg(double radians);  // "38,0137°"
std::string PDeg(double radians); // the same, in parentheses when negative
std::string Trig(const char* function, double radians);  // "cos 38,0137°", "cos(-10°)"
std::string Sense(double counterClockwise);  // "против часовой стрелки", "по часовой стрелке"

// The text with the symbols written with Russian letters (Fи, Mи, Fс, Mб) as the interface's
// language writes them; the same text when it is Russian.
std::string LocalSymbols(const std::string& text);

// Adds the lines of one section; the symbol of a result stays as the program names it.
class LineWriter {
public:
    LineWriter(WorkedSolution& solution, SolutionSection section) : solution_(solution), section_(section) {}
    void Words(const std::string& text) { solution_.lines.push_back({section_, LocalSymbols(text), {}}); }
    void Result(const std::string& symbol, const std::string& text)
    {
        solution_.lines.push_back({section_, LocalSymbols(text), symbol});
    }
    // "pb = vB/μv = 0,0916/0,002 = 45,81 мм": a plan segment of `value` at the factor mu.
    void Segment(const std::string& segment, const std::string& valueSymbol, double value,
                 const std::string& muSymbol, double mu);

private:
    WorkedSolution& solution_;
    SolutionSection section_;
};

void WriteAccelerations(const PositionData& d, const PlanSizes& sizes, WorkedSolution& out);
void WriteForces(const PositionData& d, const ForceParameters& loads, const PositionForces& f,
                 WorkedSolution& out);

}  // namespace worked_solution
