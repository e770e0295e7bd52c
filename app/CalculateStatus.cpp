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

// Four decimals, decimal comma, whatever the locale: "0,0930".
QString FourDecimals(double x)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 4);
    QString text = QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    return text.replace(u'.', u',');
}

}  // namespace

QString StudyChoiceText(const StudyResults& study, bool lbcChosen, double lbcBefore, double lbcAfter)
{
    if (!lbcChosen)
        return QStringLiteral("Длина коромысла не выбрана: ни один расчёт исследования не завершён, Lbc = %1 м")
            .arg(General(lbcBefore));
    const long mm = std::lround(lbcAfter * 1000);
    const bool inStudy = mm >= kFirstStudyLbcMm && mm <= kLastStudyLbcMm;
    const double speed = inStudy ? study.MaxVeByLbc[static_cast<int>(mm)] : std::nan("");
    return QStringLiteral("Длина коромысла Lbc = %1 м выбрана по наибольшей скорости ползуна %2 м/с (было %3 м)")
        .arg(General(lbcAfter), FourDecimals(speed), General(lbcBefore));
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
        return QStringLiteral("Мёртвых положений при Lbc = %1 м не найдено").arg(General(scanLbc));
    QStringList angles;
    for (int i = 0; i < study.DeadCount; ++i)
        angles << DegreesText(study.DeadAngles[static_cast<std::size_t>(i)]);
    return QStringLiteral("Мёртвые положения при Lbc = %1 м: %2").arg(General(scanLbc), angles.join(QStringLiteral(", ")));
}

QString FailureText(const Mechanism& m, const QString& errorText)
{
    const QString condition = QString::fromStdString(DescribeAssemblyFailure(m));
    if (condition.startsWith(u'М'))
        return condition;
    if (!condition.isEmpty())
        return QStringLiteral("Расчёт не выполнен: ") + condition;
    return QStringLiteral("Расчёт не выполнен: ") + errorText;
}

QString WithDynamicsNote(const QString& text, const QString& reason)
{
    if (reason.isEmpty())
        return text;
    return text + (text.contains(u'\n') ? QStringLiteral(". ") : QStringLiteral("\n")) + reason;
}
