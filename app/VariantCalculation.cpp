#include "app/VariantCalculation.h"

#include "app/CalculateStatus.h"
#include "app/GuardedHandler.h"
#include "app/OffscreenPictures.h"
#include "kinematics/Angles.h"
#include "kinematics/AssemblyDiagnosis.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "views/StructureScheme.h"

#include <QStringList>

#include <algorithm>
#include <new>

namespace {

// The field's first message, or empty when `verdict` accepted the text.
QString FirstMessage(const InputVerdict& verdict)
{
    return verdict.Accepted() ? QString() : QString::fromUtf8(InputMessageText(verdict.messages.front()));
}

}  // namespace

double Mechanism::*const kLengthFields[5] = {&Mechanism::Loa, &Mechanism::Lab, &Mechanism::Lbc, &Mechanism::Lde,
                                             &Mechanism::Loc};

QString FieldError(const char* field, const QString& text)
{
    return QStringLiteral("%1: %2").arg(QString::fromUtf8(field), text);
}

QString ReadLength(int field, const QString& text, double& value)
{
    const InputRule& rule = kLengthFields[field] == &Mechanism::Lbc ? kRockerLengthRule : kLengthRule;
    const InputVerdict verdict = JudgeInput(text.trimmed().toStdString(), rule, 0);
    if (verdict.Accepted())
        value = verdict.value;
    return FirstMessage(verdict);
}

QString ReadPositionCount(const QString& text, std::int32_t& value)
{
    const InputVerdict verdict = JudgeInput(text.trimmed().toStdString(), kPositionCountRule, 0);
    if (!verdict.Accepted())
        return FirstMessage(verdict);
    value = verdict.Integer();
    return QString::fromStdString(PositionCountRefusal(value).value_or(std::string()));
}

QString ReadDelta(const QString& text, double& value)
{
    const InputVerdict verdict = JudgeInput(text.trimmed().toStdString(), kDeltaRule, 0);
    if (verdict.Accepted())
        value = verdict.value;
    return FirstMessage(verdict);
}

std::optional<CalculationResult> CalculateOrSay(const CalculationInput& input, QString& error)
{
    try {
        CalculationResult result = Calculate(input);
        if (result.Failed()) {
            // The condition that failed, as the status bar words it, and the fault after it.
            const QString fault = QString::fromStdString(result.failure->text);
            QString text = FailureText(result.failure->record, fault);
            if (!text.contains(fault))
                text += QStringLiteral(" (%1)").arg(fault);
            error = ErrorBoxText(text);
            return std::nullopt;
        }
        if (result.Kinematics().table.Rows() == 0) {
            const QString condition = QString::fromStdString(DescribeAssemblyFailure(result.Kinematics().solved));
            error = QStringLiteral("Механизм с такими длинами звеньев не собирается: не рассчитано ни одного положения.");
            if (!condition.isEmpty())
                error += u' ' + ErrorBoxText(condition);
            return std::nullopt;
        }
        return result;
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("Недостаточно памяти для расчёта.");
    }
    return std::nullopt;
}

double LargestSliderSpeed(const CalculationResult& result)
{
    const SolvedPositions& table = result.Kinematics().table;
    const auto rows = static_cast<std::size_t>(table.Rows());
    double largest = table.positions.Ve.empty() ? 0 : table.positions.Ve.front();
    for (std::size_t i = 1; i < rows; ++i)
        largest = std::max(largest, table.positions.Ve[i]);
    return largest;
}

QString DeadDegreesText(const CalculationResult& result)
{
    QStringList degrees;
    for (double angle : result.Kinematics().DeadAngles())
        degrees << NumberText(Degrees(angle));
    return degrees.join(u' ');
}

QString DynamicsLine(const CalculationResult& result)
{
    const DynamicsPart& dynamics = result.dynamics;
    if (!dynamics.Computed())
        return QStringLiteral("Динамика: ") + QString::fromStdString(dynamics.Reason());
    const DynamicsResult& d = dynamics.curves;
    return QStringLiteral("Динамика (ωср = %1 рад/с, δ = %2): Mд = %3 Н·м, ΔT от %4 до %5 Дж, Jм = %6 кг·м² "
                          "(по Виттенбауэру %7, упрощённо %8)")
        .arg(NumberText(d.OmegaMean), NumberText(d.Delta), NumberText(d.DrivingTorque), NumberText(d.DeltaTMin.Value),
             NumberText(d.DeltaTMax.Value), NumberText(d.Exact.Jm), NumberText(d.Wittenbauer.Jm),
             NumberText(d.JmSimple));
}

QString NumberText(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

ReportInput ReportInputOf(const CalculationResult& result, const OffscreenPictures& pictures,
                          const ReportTitle& title)
{
    ReportInput input;
    input.result = &result;
    input.charts = pictures.Charts();
    input.drawnPosition = 0;
    input.structureScheme = MechanismSchemePainter();
    input.structureSchemeSize = QSizeF(kStructureSchemeWidth, kStructureSchemeHeight);
    input.title = title;
    input.date = QDate::currentDate();
    return input;
}
