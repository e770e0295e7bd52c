#include "report/ChosenPositions.h"

#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

QString DegreesText(const SchemePosition& position)
{
    return QString::fromStdString(FormatGeneral(RoundDecimals(2, position.degrees)));
}

int SchemeCount(const CalculationResult& result)
{
    return std::clamp(result.scheme.count, 1, kMostSchemePositions);
}

SchemePosition SchemePositionOf(const CalculationResult& result, int k)
{
    const int count = SchemeCount(result);
    SchemePosition at;
    at.number = k;
    at.degrees = (360.0 / count) * k;
    if (k < 0 || k >= count || !result.kinematics)
        return at;
    if (result.scheme.UsesDiagramRows()) {
        at.solve = &result.Kinematics().diagrams;
        at.row = static_cast<std::size_t>(k * (kDiagramPositionCount / count));
        if (result.forces.computed)
            at.forces = &result.forces.diagramDetail;
    } else {
        at.solve = &result.scheme.own;
        at.row = static_cast<std::size_t>(k);
        if (result.forces.computed && result.scheme.forcesError.empty())
            at.forces = &result.scheme.forceDetail;
    }
    return at;
}

std::pair<int, int> ChosenPositions(const CalculationResult& result, const std::optional<std::pair<int, int>>& given)
{
    const int count = SchemeCount(result);
    const auto inside = [count](int k) { return k >= 0 && k < count; };
    if (given && inside(given->first) && inside(given->second))
        return *given;
    int best[2] = {-1, -1};
    double speed[2] = {-1, -1};
    for (int k = 0; k < count; ++k) {
        const SchemePosition at = SchemePositionOf(result, k);
        const PositionForces* forces = at.Forces();
        if (!at.Solved() || !forces)
            continue;
        const int stroke = forces->Working ? 0 : 1;
        const double v = std::fabs(at.solve->positions.Ve[at.row]);
        if (v > speed[stroke]) {
            speed[stroke] = v;
            best[stroke] = k;
        }
    }
    if (best[0] < 0 || best[1] < 0)
        return {std::min(1, count - 1), std::min(2, count - 1)};
    return {best[0], best[1]};
}

std::optional<std::pair<int, int>> ParsePositions(const QString& text, QString& error, int count)
{
    const QStringList parts = text.split(u',');
    if (parts.size() == 2) {
        const auto k = ParseInteger(parts[0].trimmed().toStdString());
        const auto l = ParseInteger(parts[1].trimmed().toStdString());
        if (k && l && *k >= 0 && *k < count && *l >= 0 && *l < count)
            return std::pair<int, int>(*k, *l);
    }
    error = QCoreApplication::translate("Report", "Положения задаются двумя номерами от 0 до %1 через запятую, например 2,8.")
                .arg(count - 1);
    return std::nullopt;
}

std::optional<int> ParseSchemeCount(const QString& text, QString& error)
{
    const auto n = ParseInteger(text.trimmed().toStdString());
    if (n && *n >= 1 && *n <= kMostSchemePositions)
        return static_cast<int>(*n);
    error = QCoreApplication::translate("Report", "Число положений схемы — целое от 1 до %1.").arg(kMostSchemePositions);
    return std::nullopt;
}
