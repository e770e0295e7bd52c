#include "report/Calculation.h"

#include "kinematics/Accelerations.h"
#include "kinematics/Angles.h"
#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"

#include <algorithm>

namespace {

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
    AddLaterQuantities(snapshot);
    return snapshot;
}

namespace {

QString Text(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

void AddCharacteristics(CalculationSnapshot& s)
{
    ReportSection section{QStringLiteral("Характеристики механизма"), {}, true};
    try {
        const MechanismCharacteristics c = ComputeCharacteristics(s.adopted);
        if (c.Status != CharacteristicsStatus::Computed) {
            section.lines << QStringLiteral("Кривошип не может сделать полный оборот (механизм не собирается при "
                                            "угле %1°): характеристик нет.")
                                 .arg(Text(DegreesOf(c.FailAngle)));
        } else {
            s.characteristics = c;
            section.lines << QStringLiteral("Ход ползуна E: H = %1 м").arg(Text(c.Stroke))
                          << QStringLiteral("Коэффициент изменения средней скорости: K = %1").arg(Text(c.TimeRatio))
                          << QStringLiteral("Угол передачи: γmin = %1°, γmax = %2°")
                                 .arg(Text(DegreesOf(c.GammaMin)), Text(DegreesOf(c.GammaMax)))
                          << QStringLiteral("Крайние положения ползуна при углах поворота кривошипа %1° и %2°")
                                 .arg(Text(DegreesOf(c.Extreme1)), Text(DegreesOf(c.Extreme2)));
        }
    } catch (const FloatingPointError& e) {
        section.lines << QStringLiteral("Характеристики не рассчитаны: %1").arg(QString::fromUtf8(e.what()));
    }
    s.extraSections.push_back(section);
}

void AddAccelerations(CalculationSnapshot& s)
{
    const int rows = std::clamp(s.tableRows, 0, static_cast<int>(s.table.Size()));
    if (rows == 0)
        return;
    AccelerationArrays a;
    try {
        Mechanism solved = s.adopted;
        solved.Lad = solved.Lab / 2;
        solved.GuideOffset = solved.Loc / 2;
        ComputeAccelerations(solved, s.table, rows, a);
    } catch (const FloatingPointError& e) {
        s.extraSections.push_back({QStringLiteral("Ускорения"),
                                   {QStringLiteral("Ускорения не рассчитаны: %1").arg(QString::fromUtf8(e.what()))},
                                   false});
        return;
    }
    const std::pair<const char*, const std::vector<double>*> columns[] = {
        {"Axa, м/с²", &a.Axa}, {"Aya, м/с²", &a.Aya}, {"Axb, м/с²", &a.Axb}, {"Ayb, м/с²", &a.Ayb},
        {"Axd, м/с²", &a.Axd}, {"Ayd, м/с²", &a.Ayd}, {"Ae, м/с²", &a.Ae},
    };
    for (const auto& [header, values] : columns)
        s.extraColumns.push_back({QString::fromUtf8(header), *values});
}

}  // namespace

void AddLaterQuantities(CalculationSnapshot& snapshot)
{
    AddCharacteristics(snapshot);
    AddAccelerations(snapshot);
}

double DegreesOf(double radians)
{
    return radians * (180 / kPi);
}
