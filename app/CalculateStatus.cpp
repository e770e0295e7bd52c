#include "app/CalculateStatus.h"

#include "kinematics/Angles.h"
#include "kinematics/AssemblyDiagnosis.h"
#include "kinematics/NumberText.h"

#include <QStringList>

#include <charconv>
#include <cmath>

namespace {

QString General(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

// `decimals` decimals, decimal comma, whatever the locale: "0,0930".
QString Decimals(double x, int decimals)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    QString text = QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    return text.replace(u'.', u',');
}

// The lengths the study passed over as jammed, said after the choice (the status bar's tooltip
// and the study charts say what jammed means): "; пропущено длин: 12 (заклинивание)".
QString JammedText(const StudyOutcome& outcome)
{
    if (outcome.jammedLengths == 0)
        return QString();
    return QCoreApplication::translate("CalculateStatus", "; пропущено длин: %1 (заклинивание)").arg(outcome.jammedLengths);
}

}  // namespace

QString StudyChoiceText(const KinematicsResult& k, double typedLbc)
{
    const StudyOutcome& outcome = k.studyOutcome;
    switch (outcome.choice) {
    case StudyChoice::NoRunCompleted:
        return QCoreApplication::translate("CalculateStatus", "Длина коромысла не выбрана: ни один расчёт исследования не завершён, Lbc = %1 м")
            .arg(General(typedLbc));
    case StudyChoice::AllJammed:
        return QCoreApplication::translate("CalculateStatus", "Lbc = %1 м оставлена, как введена: все длины исследования (%2) заклинивают механизм")
            .arg(General(typedLbc))
            .arg(outcome.jammedLengths);
    case StudyChoice::Found:
        break;
    }
    if (!k.lbcChosen)
        return QCoreApplication::translate("CalculateStatus", "Подбор выключен: Lbc = %1 м, как введена; исследование выбрало бы %2 м")
                   .arg(General(typedLbc), General(outcome.choiceLbc))
               + JammedText(outcome);
    return QCoreApplication::translate("CalculateStatus", "Lbc = %1 м выбрана по наибольшей скорости ползуна (было %2 м)")
               .arg(General(k.solved.Lbc), General(typedLbc))
           + JammedText(outcome);
}

QString SpeedAndExtremesText(const KinematicsResult& k, double omega1)
{
    const MechanismCharacteristics* c = k.TurningCharacteristics();
    if (!c)
        return QString();
    return QCoreApplication::translate("CalculateStatus", "Наибольшая скорость ползуна %1 м/с при ω1 = %2 рад/с; крайние положения ползуна: %3, %4")
        .arg(Decimals(c->MaxSpeed * omega1, 4), General(omega1), TwoDecimalDegreesText(c->Extreme1),
             TwoDecimalDegreesText(c->Extreme2));
}

QString ExtremePositionsText(const KinematicsResult& k)
{
    const MechanismCharacteristics* c = k.TurningCharacteristics();
    if (!c)
        return QString();
    return QCoreApplication::translate("CalculateStatus", "Крайние положения ползуна: %1, %2")
        .arg(TwoDecimalDegreesText(c->Extreme1), TwoDecimalDegreesText(c->Extreme2));
}

QString TwoDecimalDegreesText(double radians)
{
    return Decimals(Degrees(radians), 2) + QStringLiteral("°");
}

QString DegreesText(double radians)
{
    // The scan steps whole degrees; rounding only removes the radian conversion's last bits.
    const double degrees = std::round(Degrees(radians) * 1e6) / 1e6;
    return General(degrees) + QStringLiteral("°");
}

QString DeadPositionsText(const StudyResults& study, double scanLbc)
{
    if (study.DeadCount == 0)
        return QCoreApplication::translate("CalculateStatus", "Перебор через 1° при Lbc = %1 м не нашёл мёртвых положений").arg(General(scanLbc));
    QStringList angles;
    for (int i = 0; i < study.DeadCount; ++i)
        angles << DegreesText(study.DeadAngles[static_cast<std::size_t>(i)]);
    return QCoreApplication::translate("CalculateStatus", "Мёртвые положения по перебору через 1° при Lbc = %1 м: %2").arg(General(scanLbc), angles.join(QStringLiteral(", ")));
}

QString FailureText(const Mechanism& m, const QString& errorText)
{
    const QString condition = QString::fromStdString(DescribeAssemblyFailure(m));
    if (condition.startsWith(u'М'))
        return condition;
    if (!condition.isEmpty())
        return QCoreApplication::translate("CalculateStatus", "Расчёт не выполнен: ") + condition;
    return QCoreApplication::translate("CalculateStatus", "Расчёт не выполнен: ") + errorText;
}

QString WithDynamicsNote(const QString& text, const QString& reason)
{
    if (reason.isEmpty())
        return text;
    return text + (text.contains(u'\n') ? QStringLiteral(". ") : QStringLiteral("\n")) + reason;
}
