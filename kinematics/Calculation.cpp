#include "kinematics/Calculation.h"

#include "kinematics/AnglePositions.h"
#include "kinematics/CheckedReal.h"
#include "kinematics/Errors.h"
#include "kinematics/InputRule.h"

#include "kinematics/TextCatalogue.h"
#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

std::atomic<long> calculateCalls{0};

// The accelerations of the rows a solve reached; a fault is kept in the part's error.
void AddAccelerations(SolvedPositions& solve)
{
    if (!solve.solveError.empty())
        return;
    try {
        ComputeAccelerations(solve.record, solve.positions, solve.Rows(), solve.accelerations);
    } catch (const FloatingPointError& e) {
        solve.accelerations = AccelerationArrays{};
        solve.accelerationsError = e.what();
    }
}

double LargestGap(const ForceArrays& f)
{
    CheckedReal largest = 0;
    for (std::size_t k = 0; k < f.Size(); ++k) {
        const CheckedReal gap = Abs(CheckedReal(f.MbGroups[k]) - f.MbLever[k]);
        if (gap > largest)
            largest = gap;
    }
    return largest.Value();
}

}  // namespace

SolvedPositions SolvePositions(const Mechanism& record)
{
    // A fault leaves no position: nothing of a solve that ended in a fault is drawn.
    SolvedPositions solve;
    solve.record = record;
    SolverState solver;
    try {
        solve.outcome = SolveMechanism(solve.record, solver);
    } catch (const FloatingPointError& e) {
        solve.outcome = SolveOutcome{};
        solve.solveError = e.what();
    }
    solve.positions = std::move(solver.arrays);
    AddAccelerations(solve);
    return solve;
}

int SolvedPositions::Rows() const
{
    return std::clamp(outcome.positionsDone, 0, static_cast<int>(positions.Size()));
}

std::vector<double> KinematicsResult::DeadAngles() const
{
    const int count = std::clamp(study.DeadCount, 0, kDeadAnglesCapacity);
    return std::vector<double>(study.DeadAngles.begin(), study.DeadAngles.begin() + count);
}

const MechanismCharacteristics* KinematicsResult::TurningCharacteristics() const
{
    if (!characteristicsError.empty() || characteristics.Status != CharacteristicsStatus::Computed)
        return nullptr;
    return &characteristics;
}

std::string CalculationResult::FirstPartError() const
{
    if (!kinematics)
        return failure ? failure->text : std::string();
    const KinematicsResult& k = *kinematics;
    for (const std::string* error : {&k.table.accelerationsError, &k.characteristicsError, &k.diagrams.solveError,
                                     &k.diagrams.accelerationsError}) {
        if (!error->empty())
            return *error;
    }
    return LoadsPartError();
}

std::string CalculationResult::LoadsPartError() const
{
    return forces.error.empty() ? dynamics.error : forces.error;
}

std::string DynamicsPart::Reason() const
{
    if (!error.empty())
        return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Динамика машины не рассчитана: %1")), {error});
    return curves.Status == DynamicsStatus::Computed ? std::string() : curves.Reason;
}

CalculationResult Calculate(const CalculationInput& input, ComputationProgress* progress)
{
    calculateCalls.fetch_add(1, std::memory_order_relaxed);
    CalculationResult result;
    result.input = input;
    if (const auto refusal = PositionCountRefusal(input.typed.PositionCount)) {
        result.failure = CalculationFailure{*refusal, input.typed};
        return result;
    }

    auto kinematics = std::make_shared<KinematicsResult>();
    KinematicsResult& k = *kinematics;
    Mechanism m = input.typed;
    k.scanLbc = m.Lbc;
    SolverState solver;
    StudyOutcome outcome;
    try {
        outcome = FindDeadPositionsAndStudy(m, solver, k.study, progress, StudyOptions{input.options.adoptLbc});
    } catch (const FloatingPointError& e) {
        // What was already written stays: the record keeps the lengths the fault found it with.
        result.failure = CalculationFailure{e.what(), m};
        return result;
    }
    k.solved = m;
    k.lbcChosen = outcome.lbcChosen;
    k.studyOutcome = outcome;
    k.table.record = m;
    k.table.outcome = outcome.finalSolve;
    k.table.positions = std::move(solver.arrays);
    AddAccelerations(k.table);

    try {
        k.characteristics = ComputeCharacteristics(k.solved);
    } catch (const FloatingPointError& e) {
        k.characteristics = MechanismCharacteristics{};
        k.characteristicsError = e.what();
    }
    if (const MechanismCharacteristics* c = k.TurningCharacteristics()) {
        try {
            AnglePositions extremes = SolveAtAngles(k.solved, {c->Extreme1, c->Extreme2});
            k.extremes = std::move(extremes.positions);
            k.extremeRows = extremes.rows;
        } catch (const FloatingPointError& e) {
            k.extremes = PositionArrays{};
            k.extremeRows = 0;
            k.extremesError = e.what();
        }
    }
    Mechanism diagrams = k.solved;
    diagrams.PositionCount = kDiagramPositionCount;
    k.diagrams = SolvePositions(diagrams);

    result.forces = AnalyseForces(k, input.loads);
    result.dynamics = AnalyseDynamics(k, input.loads, input.delta);
    result.kinematics = std::move(kinematics);
    return result;
}

CalculationResult WithLoads(const CalculationResult& result, const ForceParameters& loads)
{
    return WithLoads(result, loads, result.input.delta);
}

CalculationResult WithLoads(const CalculationResult& result, const ForceParameters& loads, double delta)
{
    CalculationResult changed;
    changed.input = result.input;
    changed.input.loads = loads;
    changed.input.delta = delta;
    changed.failure = result.failure;
    changed.kinematics = result.kinematics;
    if (changed.kinematics) {
        changed.forces = AnalyseForces(*changed.kinematics, loads);
        changed.dynamics = AnalyseDynamics(*changed.kinematics, loads, delta);
        changed.scheme = result.scheme;
        AnalyseSchemeForces(changed.scheme, *changed.kinematics, loads);
    } else {
        changed.forces.loads = loads;
    }
    return changed;
}

ForceResult AnalyseForces(const KinematicsResult& k, const ForceParameters& loads)
{
    ForceResult forces;
    forces.loads = loads;
    if (!k.table.HasAccelerations()) {
        forces.error = k.table.accelerationsError;
        return forces;
    }
    if (k.table.Rows() == 0)
        return forces;
    // Without characteristics there is no working stroke: no resistance anywhere.
    const MechanismCharacteristics* turning = k.TurningCharacteristics();
    const MechanismCharacteristics c = turning ? *turning : MechanismCharacteristics{};
    try {
        ComputeForces(k.table.record, k.table.positions, k.table.accelerations, c, loads, forces.table,
                      &forces.tableDetail);
        if (k.diagrams.HasAccelerations() && k.diagrams.Rows() > 0)
            ComputeForces(k.diagrams.record, k.diagrams.positions, k.diagrams.accelerations, c, loads,
                          forces.diagrams, &forces.diagramDetail);
        forces.largestDifference = std::max(LargestGap(forces.table), LargestGap(forces.diagrams));
        forces.computed = true;
    } catch (const FloatingPointError& e) {
        forces = ForceResult{};
        forces.loads = loads;
        forces.error = e.what();
    }
    return forces;
}

DynamicsPart AnalyseDynamics(const KinematicsResult& k, const ForceParameters& loads, double delta)
{
    DynamicsPart dynamics;
    if (!k.characteristicsError.empty()) {
        dynamics.curves.Reason = Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "Характеристики механизма не рассчитаны: %1. Динамика машины не рассчитывается.")),
                                      {k.characteristicsError});
        return dynamics;
    }
    try {
        // The characteristics say whether the crank turns fully; ComputeDynamics gives the reason.
        dynamics.curves = ComputeDynamics(k.solved, k.characteristics, loads, delta);
        if (dynamics.curves.Status == DynamicsStatus::Computed && k.table.HasAccelerations())
            dynamics.table = SampleDynamics(dynamics.curves, k.table.record, k.table.positions, k.table.accelerations);
    } catch (const FloatingPointError& e) {
        dynamics = DynamicsPart{};
        dynamics.error = e.what();
    }
    return dynamics;
}

bool LargestBalancingTorque(const CalculationResult& result, double& torque, double& degrees)
{
    const ForceArrays& f = result.forces.table;
    if (!result.forces.computed || f.Size() == 0)
        return false;
    std::size_t at = 0;
    for (std::size_t k = 1; k < f.Size(); ++k) {
        if (std::fabs(f.MbGroups[k]) > std::fabs(f.MbGroups[at]))
            at = k;
    }
    torque = std::fabs(f.MbGroups[at]);
    // As the table spaces the positions: (360/N)*k.
    degrees = (360.0 / result.Kinematics().solved.PositionCount) * static_cast<double>(at);
    return true;
}

long CalculateCallCount()
{
    return calculateCalls.load(std::memory_order_relaxed);
}
