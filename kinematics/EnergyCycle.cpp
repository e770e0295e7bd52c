#include "kinematics/EnergyCycle.h"

#include "kinematics/Angles.h"
#include "kinematics/BracketRefine.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/Errors.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLargestStep = kTwoPi / kDynamicsMinimumSteps;
// Below this share of the largest slider speed the slider counts as standing still: at the ends
// of a stroke the velocity's computed sign is noise, and the piece's direction holds.
constexpr double kStandstillShare = 1e-9;
// Local maxima of the samples refined in search of the largest value; more than two bumps
// within the samples' accuracy of the top do not occur in these curves.
constexpr std::size_t kRefinedCandidates = 4;

double NormalAngle(double phi)
{
    double r = std::fmod(phi, kTwoPi);
    if (r < 0)
        r += kTwoPi;
    return r < kTwoPi ? r : 0.0;
}

// The steps of a piece: the fewest of at most kLargestStep (its length is at most a turn).
int StepsOver(double length)
{
    const double steps = std::ceil(length / kLargestStep);
    if (!(steps >= 1 && steps <= 2 * kDynamicsMinimumSteps))
        return 1;  // a length of rounding size
    return static_cast<int>(steps);
}

// Integral of M over a step of length h from the values and slopes at its ends.
CheckedReal StepWork(CheckedReal h, CheckedReal mA, CheckedReal dmA, CheckedReal mB,
                     CheckedReal dmB)
{
    return h / 2 * (mA + mB) + h * h / 12 * (dmA - dmB);
}

}  // namespace

std::optional<EnergyCycle> EnergyCycle::Build(const ReducedModel& model, double& failAngle)
{
    EnergyCycle cycle(model);
    const MechanismCharacteristics& c = model.characteristics;

    // Cuts at 0 and at both ends of the working stroke.
    std::vector<double> cuts{0.0, NormalAngle(c.WorkStart),
                             NormalAngle(c.WorkStart + c.WorkAngle)};
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    cuts.push_back(kTwoPi);
    std::size_t nodeCount = 0;
    for (std::size_t p = 0; p + 1 < cuts.size(); ++p) {
        Piece piece;
        piece.start = cuts[p];
        piece.end = cuts[p + 1];
        piece.steps = StepsOver(piece.end - piece.start);
        piece.step = (piece.end - piece.start) / piece.steps;
        piece.firstNode = nodeCount;
        const double middle = piece.start + (piece.end - piece.start) / 2;
        piece.direction = OnWorkingStroke(c, middle) ? model.workingDirection : 0;
        nodeCount += static_cast<std::size_t>(piece.steps);
        cycle.pieces_.push_back(piece);
    }

    // Nodes: each piece's own, then phi = 2*pi as a copy of the position at 0.
    cycle.nodes_.resize(nodeCount + 1);
    PointMotion first;
    for (std::size_t p = 0; p < cycle.pieces_.size(); ++p) {
        const Piece& piece = cycle.pieces_[p];
        const Piece& before = cycle.pieces_[p == 0 ? cycle.pieces_.size() - 1 : p - 1];
        for (int j = 0; j < piece.steps; ++j) {
            const double phi = j == 0 ? piece.start : piece.start + piece.step * j;
            const std::optional<PointMotion> motion = MotionAt(model.lengths, phi);
            if (!motion) {
                failAngle = phi;
                return std::nullopt;
            }
            GridNode& node = cycle.nodes_[piece.firstNode + static_cast<std::size_t>(j)];
            node.phi = phi;
            node.reduced = Reduce(model, *motion, cycle.DirectionInPiece(piece, motion->vE));
            const int directionBefore = cycle.DirectionInPiece(before, motion->vE);
            node.dMBefore = j == 0 ? Reduce(model, *motion, directionBefore).dM : node.reduced.dM;
            if (piece.firstNode + static_cast<std::size_t>(j) == 0)
                first = *motion;
        }
    }
    GridNode& last = cycle.nodes_.back();
    last.phi = kTwoPi;
    last.reduced = cycle.nodes_.front().reduced;
    last.dMBefore =
        Reduce(model, first, cycle.DirectionInPiece(cycle.pieces_.back(), first.vE)).dM;

    for (std::size_t i = 0; i + 1 < cycle.nodes_.size(); ++i) {
        const GridNode& a = cycle.nodes_[i];
        GridNode& b = cycle.nodes_[i + 1];
        const CheckedReal h = CheckedReal(b.phi) - a.phi;
        b.ac = (CheckedReal(a.ac) + StepWork(h, a.reduced.M, a.reduced.dM, b.reduced.M, b.dMBefore))
                   .Value();
    }
    cycle.drivingTorque_ = (-CheckedReal(last.ac) / kTwoPi).Value();
    return cycle;
}

int EnergyCycle::DirectionInPiece(const Piece& piece, double vE) const
{
    if (piece.direction == 0)
        return 0;
    // As the force analysis, against the velocity; where the slider all but stands still, in the
    // stroke's own direction.
    const double standstill = kStandstillShare * model_.characteristics.MaxSpeed;
    if (vE > standstill)
        return 1;
    if (vE < -standstill)
        return -1;
    return piece.direction;
}

std::size_t EnergyCycle::PieceOf(double phi) const
{
    std::size_t p = 0;
    while (p + 1 < pieces_.size() && phi >= pieces_[p + 1].start)
        ++p;
    return p;
}

CyclePoint EnergyCycle::Node(std::size_t i) const
{
    const EnergyCycle::GridNode& n = nodes_[i];
    CyclePoint r;
    r.Phi = n.phi;
    r.reduced = n.reduced;
    r.Ac = n.ac;
    r.DeltaT = (CheckedReal(drivingTorque_) * n.phi + n.ac).Value();
    return r;
}

CyclePoint EnergyCycle::At(double phi) const
{
    const double angle = NormalAngle(phi);
    const std::optional<PointMotion> motion = MotionAt(model_.lengths, angle);
    if (!motion)  // the grid's nodes closed, and so does every angle between them
        throw FloatingPointError(kInvalidOperationText);
    return At(angle, *motion);
}

CyclePoint EnergyCycle::At(double phi, const PointMotion& motion) const
{
    const double angle = NormalAngle(phi);
    const Piece& piece = pieces_[PieceOf(angle)];
    const double offset = (angle - piece.start) / piece.step;
    int j = offset >= 0 && offset < piece.steps ? static_cast<int>(offset) : 0;
    if (offset >= piece.steps)
        j = piece.steps - 1;
    return FromNode(piece.firstNode + static_cast<std::size_t>(j), angle, motion);
}

CyclePoint EnergyCycle::FromNode(std::size_t interval, double phi, const PointMotion& motion) const
{
    const EnergyCycle::GridNode& a = nodes_[interval];
    const Piece& piece = pieces_[PieceOf(a.phi)];
    CyclePoint r;
    r.Phi = phi;
    r.reduced = Reduce(model_, motion, DirectionInPiece(piece, motion.vE));
    const CheckedReal d = CheckedReal(phi) - a.phi;
    r.Ac = (CheckedReal(a.ac) + StepWork(d, a.reduced.M, a.reduced.dM, r.reduced.M, r.reduced.dM))
               .Value();
    r.DeltaT = (CheckedReal(drivingTorque_) * phi + r.Ac).Value();
    return r;
}

CycleExtreme EnergyCycle::Largest(const Quantity& value, const Quantity& slope) const
{
    // Samples at the nodes of one turn (the last node repeats the first).
    const std::size_t n = nodes_.size() - 1;
    std::vector<double> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = value(Node(i));
    auto before = [n](std::size_t i) { return i == 0 ? n - 1 : i - 1; };
    auto after = [n](std::size_t i) { return i + 1 == n ? 0 : i + 1; };
    std::vector<std::size_t> candidates;
    std::size_t best = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (CheckedReal(v[i]) > v[best])
            best = i;
        if (v[i] >= v[before(i)] && v[i] > v[after(i)])
            candidates.push_back(i);
    }
    if (candidates.empty())
        candidates.push_back(best);
    std::sort(candidates.begin(), candidates.end(),
              [&v](std::size_t a, std::size_t b) { return v[a] > v[b]; });
    if (candidates.size() > kRefinedCandidates)
        candidates.resize(kRefinedCandidates);

    CycleExtreme result;
    result.Phi = nodes_[best].phi;
    result.Value = v[best];
    result.point = Node(best);
    auto at = [this](double phi) { return At(phi); };
    for (std::size_t i : candidates) {
        const double mid = nodes_[i].phi;
        const double left = i == 0 ? nodes_[n - 1].phi - kTwoPi : nodes_[i - 1].phi;
        const double right = nodes_[i + 1].phi;
        double phi = mid;
        if (slope) {
            auto s = [&](double x) { return slope(at(x)); };
            const double sLeft = s(left), sMid = s(mid), sRight = s(right);
            if (sLeft > 0 && !(sMid > 0))
                phi = Bisect(s, left, mid);
            else if (sMid > 0 && !(sRight > 0))
                phi = Bisect(s, mid, right);
            else
                phi = GoldenMax([&](double x) { return value(at(x)); }, left, right);
        } else {
            phi = GoldenMax([&](double x) { return value(at(x)); }, left, right);
        }
        const CyclePoint p = At(phi);
        const double refined = value(p);
        if (CheckedReal(refined) > result.Value) {
            result.Phi = p.Phi;
            result.Value = refined;
            result.point = p;
        }
    }
    return result;
}

CycleExtreme EnergyCycle::Smallest(const Quantity& value, const Quantity& slope) const
{
    const Quantity negated = [&value](const CyclePoint& p) { return -value(p); };
    Quantity negatedSlope;
    if (slope)
        negatedSlope = [&slope](const CyclePoint& p) { return -slope(p); };
    CycleExtreme r = Largest(negated, negatedSlope);
    r.Value = -r.Value;
    return r;
}
