#pragma once
// One turn of the crank on a grid of its own: Jпр and Mпр at every node, the works and the change
// of kinetic energy, and the extremes of any quantity built from them, located between the nodes.
//
// Grid: the turn is cut at phi = 0 and at the slider's two extreme positions, where the
// resistance starts and stops; each piece is split evenly into steps of at most 2*pi/3600, so the
// grid has at least 3 600 steps and nothing in it depends on the table's N. Mпр is smooth inside
// a piece and only its slope jumps at the cuts.
// Works: Aс(phi) = integral from 0 to phi of Mпр by the end-corrected trapezoidal rule
//   integral over [a, b] = h/2*(M_a + M_b) + h^2/12*(M'_a - M'_b)
// (exact for cubics; the slopes are the analytic ones, taken inside the piece at a cut), which is
// fourth order on each piece; the driving torque Mд = -Aс(2*pi)/(2*pi) balances the work over the
// cycle, Aд(phi) = Mд*phi and ΔT(phi) = Aд(phi) + Aс(phi).
// Between the nodes every quantity is evaluated at the angle itself (the kinematics there, and
// the work by the same rule from the node before), so an extreme is refined to 1e-12 rad: by
// bisection on its analytic slope where the slope changes sign, else by golden section.
// Every operation is checked and raises FloatingPointError with the solver's texts.

#include "kinematics/ReducedQuantities.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

constexpr int kDynamicsMinimumSteps = 3600;

// Everything at one crank angle.
struct CyclePoint {
    double Phi = 0;       // rad, 0 <= Phi < 2*pi
    ReducedPoint reduced;  // Jпр, Mпр and their slopes
    double Ac = 0;        // work of the external forces but the driving torque from 0, J
    double DeltaT = 0;    // change of kinetic energy from 0, J
};

// The largest value of a quantity over the turn and where it is.
struct CycleExtreme {
    double Phi = 0;
    double Value = 0;
    CyclePoint point;
};

class EnergyCycle {
public:
    using Quantity = std::function<double(const CyclePoint&)>;

    // The grid for the model. No value when the linkage does not close at a node; failAngle is
    // then that node's angle.
    static std::optional<EnergyCycle> Build(const ReducedModel& model, double& failAngle);

    const ReducedModel& Model() const { return model_; }
    double DrivingTorque() const { return drivingTorque_; }  // Mд, N*m

    // Nodes 0 .. NodeCount()-1, from phi = 0 to phi = 2*pi (the last repeats the first position).
    std::size_t NodeCount() const { return nodes_.size(); }
    CyclePoint Node(std::size_t i) const;

    // The point at any crank angle (taken modulo a turn). motion, when given, is the motion at
    // phi already known (a table position); otherwise it is computed. Throws FloatingPointError
    // where the arithmetic faults.
    CyclePoint At(double phi) const;
    CyclePoint At(double phi, const PointMotion& motion) const;

    // The largest value over the turn; slope, when given, is the quantity's derivative with
    // respect to phi and places the extreme by its sign change.
    CycleExtreme Largest(const Quantity& value, const Quantity& slope) const;
    CycleExtreme Smallest(const Quantity& value, const Quantity& slope) const;

private:
    struct GridNode {
        double phi = 0;
        ReducedPoint reduced;  // dM from the piece after the node
        double dMBefore = 0;   // dM from the piece before the node
        double ac = 0;
    };
    struct Piece {
        double start = 0, end = 0, step = 0;
        std::size_t firstNode = 0;
        int steps = 0;
        int direction = 0;  // the resistance's direction over the piece (0: none)
    };

    explicit EnergyCycle(const ReducedModel& model) : model_(model) {}
    int DirectionInPiece(const Piece& piece, double vE) const;
    std::size_t PieceOf(double phi) const;
    CyclePoint FromNode(std::size_t interval, double phi, const PointMotion& motion) const;

    ReducedModel model_;
    std::vector<Piece> pieces_;
    std::vector<GridNode> nodes_;
    double drivingTorque_ = 0;
};
