#include "report/DynamicsFigures.h"

#include "kinematics/Angles.h"
#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace {

constexpr int kPercentDigits = 3;  // significant digits of a difference in per cent
constexpr int kMostDecimals = 15;

QString Number(double value, const char* unit = "")
{
    return QString::fromStdString(FormatGeneral(value)) + QCoreApplication::translate("Report", unit);
}

QString At(double value, const char* unit, double phi)
{
    return Number(value, unit) + QCoreApplication::translate("Report", " при φ = ") + Number(Degrees(phi), "°");
}

// "+0,0123 кг·м² (+1,234 %)": an approximation's difference from the exact Jм.
QString Difference(double difference, double relative, bool relativeAvailable)
{
    QString text = (difference > 0 ? QStringLiteral("+") : QString()) + Number(difference, " кг·м²");
    if (relativeAvailable) {
        const double percent = relative * 100;
        const double magnitude = std::fabs(percent);
        int places = 0;
        if (magnitude > 0 && std::isfinite(magnitude))
            places = std::clamp(kPercentDigits - 1 - static_cast<int>(std::floor(std::log10(magnitude))), 0,
                                kMostDecimals);
        const double rounded = RoundDecimals(places, magnitude);
        const double shown = percent < 0 ? -rounded : rounded;
        text += QStringLiteral(" (") + (shown > 0 ? QStringLiteral("+") : QString()) + Number(shown, " %") + u')';
    }
    return text;
}

QString Size(const FlywheelSize& s, bool rim)
{
    QString text = QStringLiteral("D = ") + Number(s.Diameter, " м") + QStringLiteral(", b = ") + Number(s.Width, " м");
    if (rim)
        text += QStringLiteral(", h = ") + Number(s.Thickness, " м");
    return text + QStringLiteral(", m = ") + Number(s.Mass, " кг");
}

struct Row {
    const char* name;
    const char* caption;
};

const Row kRows[] = {
    {"LabelDrivingTorque", QT_TRANSLATE_NOOP("Report", "Движущий момент Mд")},
    {"LabelDeltaTMax", QT_TRANSLATE_NOOP("Report", "Наибольшее ΔT")},
    {"LabelDeltaTMin", QT_TRANSLATE_NOOP("Report", "Наименьшее ΔT")},
    {"LabelDeltaTRange", QT_TRANSLATE_NOOP("Report", "Размах ΔTmax − ΔTmin")},
    {"LabelJmExact", QT_TRANSLATE_NOOP("Report", "Jм точно (ωmax − ωmin = δ·ωср)")},
    {"LabelJmWittenbauer", QT_TRANSLATE_NOOP("Report", "Jм по Виттенбауэру, tg ψ = ωср²(1 ± δ)/2")},
    {"LabelJmWittenbauerDifference", QT_TRANSLATE_NOOP("Report", "  разница с точным")},
    {"LabelJmSimple", QT_TRANSLATE_NOOP("Report", "Jм ≈ (ΔTmax − ΔTmin)/(δ·ωср²)")},
    {"LabelJmSimpleDifference", QT_TRANSLATE_NOOP("Report", "  разница с точным")},
    {"LabelDeltaAchieved", QT_TRANSLATE_NOOP("Report", "Достигнутый δ")},
    {"LabelOmegaMax", "ωmax"},
    {"LabelOmegaMin", "ωmin"},
    {"LabelOmegaMean", QT_TRANSLATE_NOOP("Report", "ωср = (ωmax + ωmin)/2")},
    {"LabelEpsilonMax", QT_TRANSLATE_NOOP("Report", "ε1 наибольшее")},
    {"LabelEpsilonMin", QT_TRANSLATE_NOOP("Report", "ε1 наименьшее")},
    {"LabelDisc", QT_TRANSLATE_NOOP("Report", "Маховик-диск (сталь)")},
    {"LabelRim", QT_TRANSLATE_NOOP("Report", "Маховик-обод (сталь)")},
};

}  // namespace

std::vector<DynamicsFigure> DynamicsFigureCaptions()
{
    std::vector<DynamicsFigure> figures;
    for (const Row& row : kRows)
        figures.push_back({row.name, QCoreApplication::translate("Report", row.caption), QString()});
    return figures;
}

std::vector<DynamicsFigure> DynamicsFigures(const DynamicsResult& d)
{
    if (d.Status != DynamicsStatus::Computed)
        return {};
    const QString values[] = {
        Number(d.DrivingTorque, QT_TRANSLATE_NOOP("Report", " Н·м")),
        At(d.DeltaTMax.Value, QT_TRANSLATE_NOOP("Report", " Дж"), d.DeltaTMax.Phi),
        At(d.DeltaTMin.Value, QT_TRANSLATE_NOOP("Report", " Дж"), d.DeltaTMin.Phi),
        Number(d.DeltaTRange, QT_TRANSLATE_NOOP("Report", " Дж")),
        Number(d.Exact.Jm, QT_TRANSLATE_NOOP("Report", " кг·м²")) + (d.Exact.LinksSuffice ? QCoreApplication::translate("Report", " (маховик не нужен)") : QString()),
        Number(d.Wittenbauer.Jm, QT_TRANSLATE_NOOP("Report", " кг·м²")),
        Difference(d.WittenbauerDifference, d.WittenbauerRelative, d.RelativeAvailable),
        Number(d.JmSimple, QT_TRANSLATE_NOOP("Report", " кг·м²")),
        Difference(d.SimpleDifference, d.SimpleRelative, d.RelativeAvailable),
        Number(d.DeltaAchieved) + QCoreApplication::translate("Report", " (задан ") + Number(d.Delta) + u')',
        At(d.OmegaMax.Value, QT_TRANSLATE_NOOP("Report", " рад/с"), d.OmegaMax.Phi),
        At(d.OmegaMin.Value, QT_TRANSLATE_NOOP("Report", " рад/с"), d.OmegaMin.Phi),
        Number(d.OmegaAchievedMean, QT_TRANSLATE_NOOP("Report", " рад/с")),
        At(d.EpsilonMax.Value, QT_TRANSLATE_NOOP("Report", " рад/с²"), d.EpsilonMax.Phi),
        At(d.EpsilonMin.Value, QT_TRANSLATE_NOOP("Report", " рад/с²"), d.EpsilonMin.Phi),
        Size(d.Disc, false),
        Size(d.Rim, true),
    };
    std::vector<DynamicsFigure> figures = DynamicsFigureCaptions();
    for (std::size_t i = 0; i < figures.size(); ++i)
        figures[i].value = values[i];
    return figures;
}
