#pragma once
// Grashof's condition for the four-bar OA–AB–BC–OC and whether the whole mechanism turns
// fully for the typed lengths, in a student's words.
//
// Grashof: with s the shortest and l the longest of the four links and p, q the other two,
// some link turns fully relative to the others when s + l ≤ p + q; the shortest link is then
// the one that does. Which link is the shortest names the kind of the four-bar.

#include "kinematics/Characteristics.h"
#include "kinematics/Mechanism.h"

#include <string>
#include <vector>

enum class FourBarLink { Crank, Coupler, Rocker, Frame };  // OA, AB, BC, OC

enum class FourBarKind {
    CrankRocker,   // s + l < p + q, the shortest is OA or BC: it turns fully, the other rocks
    DoubleCrank,   // s + l < p + q, the shortest is the frame OC: OA and BC both turn fully
    DoubleRocker,  // the shortest is the coupler AB (only it turns fully), or s + l > p + q
                   // (no link turns fully)
    ChangePoint,   // s + l = p + q: the four joints come onto one line at some position
    NotAFourBar,   // a length is not a positive finite number
};

// Equal sums: s + l and p + q closer than this fraction of the four lengths' total. Typed
// lengths are decimals whose sums rarely come out equal in binary; a picometre on a metre
// linkage is no difference anyone can build.
constexpr double kChangePointTolerance = 1e-12;

struct GrashofCheck {
    FourBarKind kind = FourBarKind::NotAFourBar;
    double lengths[4] = {0, 0, 0, 0};  // by FourBarLink
    FourBarLink shortest = FourBarLink::Crank, longest = FourBarLink::Frame;
    double shortestPlusLongest = 0, sumOfOthers = 0;  // s + l and p + q, m
    bool grashof = false;  // s + l ≤ p + q (equality within the tolerance included)
    // Turns fully relative to the frame (the shortest link does in a Grashof four-bar; with
    // equal shortest links, each of them).
    bool crankTurns = false, rockerTurns = false, couplerTurns = false;
};

// The check for the four lengths (m).
GrashofCheck CheckGrashof(double loa, double lab, double lbc, double loc);

struct FullTurnVerdict {
    GrashofCheck grashof;
    bool turnsFully = false;  // the crank makes full turns and every position can be computed
    std::string reason;       // when it does not: what stops it, in words (empty otherwise)
};

// Whether the mechanism of the record turns fully: the four-bar assembles for every crank
// angle and DE reaches the guide for every crank angle. `c` is the record's characteristics
// (ComputeCharacteristics), whose scan of the whole turn decides; the words for a failure are
// those of DescribeAssemblyFailure. A change-point four-bar whose crank would turn is judged
// not to: at its flat position the motion is not determined and nothing can be computed.
FullTurnVerdict JudgeFullTurn(const Mechanism& m, const MechanismCharacteristics& c);

// The check and the verdict as lines of text: the lengths, the condition with the numbers, the
// kind and which link turns, the verdict for the whole mechanism.
std::vector<std::string> FullTurnTextLines(const FullTurnVerdict& v);
