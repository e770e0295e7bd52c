#include "report/Calculation.h"

#include "kinematics/Accelerations.h"
#include "kinematics/Angles.h"
#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QObject>

#include <algorithm>
#include <cmath>

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

// The record as the solve leaves it: the accelerations and forces read its Lad and GuideOffset.
Mechanism SolvedRecord(const CalculationSnapshot& s)
{
    Mechanism solved = s.adopted;
    solved.Lad = solved.Lab / 2;
    solved.GuideOffset = solved.Loc / 2;
    return solved;
}

bool SameParameters(const ForceParameters& a, const ForceParameters& b)
{
    return a.LinearMass == b.LinearMass && a.SliderMass == b.SliderMass && a.Resistance == b.Resistance
        && a.Gravity == b.Gravity && a.Omega1 == b.Omega1;
}

// Forces of the first `rows` positions of `positions`.
void ForcesOf(const Mechanism& solved, const PositionArrays& positions, int rows, const MechanismCharacteristics& c,
              const ForceParameters& f, ForceArrays& out)
{
    AccelerationArrays a;
    ComputeAccelerations(solved, positions, rows, a);
    ComputeForces(solved, positions, a, c, f, out);
}

double LargestGap(const ForceArrays& f)
{
    double largest = 0;
    for (std::size_t k = 0; k < f.Size(); ++k)
        largest = std::max(largest, std::fabs(f.MbGroups[k] - f.MbLever[k]));
    return largest;
}

}  // namespace

void AddLaterQuantities(CalculationSnapshot& snapshot, const ForceParameters& forces)
{
    AddCharacteristics(snapshot);
    AddAccelerations(snapshot);
    snapshot.forces = SnapshotForces{};
    UpdateForces(snapshot, forces);
}

void UpdateForces(CalculationSnapshot& s, const ForceParameters& parameters)
{
    if (s.forces.computed && SameParameters(s.forces.parameters, parameters))
        return;
    SnapshotForces result;
    result.parameters = parameters;
    const int rows = std::clamp(s.tableRows, 0, static_cast<int>(s.table.Size()));
    if (rows == 0) {
        s.forces = result;
        return;
    }
    // Without the characteristics there is no working stroke: no resistance anywhere.
    const MechanismCharacteristics c = s.characteristics.value_or(MechanismCharacteristics{});
    const Mechanism solved = SolvedRecord(s);
    try {
        ForcesOf(solved, s.table, rows, c, parameters, result.table);
        const int diagramRows = std::clamp(s.diagramRows, 0, static_cast<int>(s.diagrams.Size()));
        if (diagramRows > 0) {
            Mechanism diagramRecord = solved;
            diagramRecord.PositionCount = kDiagramPositionCount;
            ForcesOf(diagramRecord, s.diagrams, diagramRows, c, parameters, result.diagrams);
        }
        result.computed = true;
        result.largestDifference = std::max(LargestGap(result.table), LargestGap(result.diagrams));
    } catch (const FloatingPointError& e) {
        result = SnapshotForces{};
        result.parameters = parameters;
        result.error = QString::fromUtf8(e.what());
    }
    s.forces = std::move(result);
}

ForceParameters WindowForceParameters(const QObject& window)
{
    ForceParameters f;
    // A field with a text that is no acceptable value keeps the default, as the tab refuses it.
    auto read = [&window](const char* name, double& value, bool zeroAllowed) {
        const auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name));
        if (!edit)
            return;
        const std::optional<double> parsed = ParseDecimal(edit->text().toStdString());
        if (parsed && (*parsed > 0 || (zeroAllowed && *parsed == 0)))
            value = *parsed;
    };
    read("EditLinearMass", f.LinearMass, true);
    read("EditSliderMass", f.SliderMass, true);
    read("EditResistance", f.Resistance, true);
    read("EditOmega1", f.Omega1, false);
    if (const auto* gravity = window.findChild<QCheckBox*>(QStringLiteral("CheckGravity")))
        f.Gravity = gravity->isChecked();
    return f;
}

std::vector<ExtraColumn> ForceColumns(const SnapshotForces& forces)
{
    if (!forces.computed)
        return {};
    const ForceArrays& f = forces.table;
    const std::pair<const char*, const std::vector<double>*> columns[] = {
        {"Mб (группы Ассура), Н·м", &f.MbGroups}, {"Mб (рычаг Жуковского), Н·м", &f.MbLever},
        {"|R| в O, Н", &f.RO}, {"|R| в A, Н", &f.RA}, {"|R| в B, Н", &f.RB}, {"|R| в C, Н", &f.RC},
        {"|R| в D, Н", &f.RD}, {"|R| в E, Н", &f.RE}, {"|N| направляющей, Н", &f.NguideAbs},
    };
    std::vector<ExtraColumn> result;
    for (const auto& [header, values] : columns)
        result.push_back({QString::fromUtf8(header), *values});
    return result;
}

bool LargestBalancingTorque(const CalculationSnapshot& s, double& torque, double& degrees)
{
    const ForceArrays& f = s.forces.table;
    if (!s.forces.computed || f.Size() == 0)
        return false;
    std::size_t at = 0;
    for (std::size_t k = 1; k < f.Size(); ++k) {
        if (std::fabs(f.MbGroups[k]) > std::fabs(f.MbGroups[at]))
            at = k;
    }
    torque = std::fabs(f.MbGroups[at]);
    // As the table spaces the positions: (360/N)*k.
    degrees = (360.0 / s.PositionCount()) * static_cast<double>(at);
    return true;
}

double DegreesOf(double radians)
{
    return radians * (180 / kPi);
}
