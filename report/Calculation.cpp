#include "report/Calculation.h"

#include <algorithm>

namespace {

constexpr double kPi = 3.14159265358979323846;
const char* const kTooManyPositions = "Слишком большое количество положений механизма (не более 100000)";

}  // namespace

QString PositionCountRefusal(std::int32_t n)
{
    if (n > kMaxPositionCount)
        return QString::fromUtf8(kTooManyPositions);
    return QString();
}

CalculationSnapshot RunCalculation(const Mechanism& typed)
{
    CalculationSnapshot snapshot;
    snapshot.typed = typed;

    Mechanism m = typed;
    SolverState solver;
    const StudyOutcome outcome = FindDeadPositionsAndStudy(m, solver, snapshot.study);
    snapshot.lbcChosen = outcome.lbcChosen;
    snapshot.adopted = m;
    const int deadCount = std::clamp(snapshot.study.DeadCount, 0, kDeadAnglesCapacity);
    snapshot.deadAngles.assign(snapshot.study.DeadAngles.begin(), snapshot.study.DeadAngles.begin() + deadCount);
    snapshot.tableRows = outcome.finalSolve.positionsDone;
    snapshot.table = std::move(solver.arrays);

    // The diagrams solve the adopted mechanism again, at their own count of positions.
    Mechanism diagramRecord = m;
    diagramRecord.PositionCount = kDiagramPositionCount;
    SolverState diagramSolver;
    const SolveOutcome diagram = SolveMechanism(diagramRecord, diagramSolver);
    snapshot.diagramRows = diagram.positionsDone;
    snapshot.diagrams = std::move(diagramSolver.arrays);
    return snapshot;
}

double DegreesOf(double radians)
{
    return radians * (180 / kPi);
}
