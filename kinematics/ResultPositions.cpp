#include "kinematics/ResultPositions.h"

#include "kinematics/Errors.h"

SolvedTable SolvedTableOf(const CalculationResult& result)
{
    SolvedTable table;
    if (result.Failed())
        return table;
    const SolvedPositions& solve = result.Kinematics().table;
    if (!solve.HasAccelerations())
        return table;
    table.positions = &solve.positions;
    table.accelerations = &solve.accelerations;
    if (result.forces.computed)
        table.forces = &result.forces.table;
    table.omega1 = result.forces.loads.Omega1;
    return table;
}

WorkedSolution WorkResultPosition(const CalculationResult& result, ResultSolve solve, int k, const PlanSizes& sizes)
{
    if (result.Failed())
        throw OrvekError(result.failure->text);
    const KinematicsResult& kinematics = result.Kinematics();
    const SolvedPositions& solved = solve == ResultSolve::Table ? kinematics.table : kinematics.diagrams;
    if (!solved.solveError.empty())
        throw OrvekError(solved.solveError);
    if (!solved.accelerationsError.empty())
        throw OrvekError(solved.accelerationsError);
    const std::vector<PositionForces>& detail =
        solve == ResultSolve::Table ? result.forces.tableDetail : result.forces.diagramDetail;
    const PositionForces* forces = nullptr;
    if (result.forces.computed && k >= 0 && static_cast<std::size_t>(k) < detail.size())
        forces = &detail[static_cast<std::size_t>(k)];
    return WorkPosition(solved.record, solved.positions, solved.accelerations, k, result.forces.loads, forces, sizes);
}

std::vector<AnswerVerdict> CheckResultAnswers(const CalculationResult& result,
                                              const std::vector<StudentAnswer>& answers, double tolerancePercent)
{
    return CheckAnswers(SolvedTableOf(result), answers, tolerancePercent);
}
