#include "report/ChosenPositions.h"

#include "kinematics/NumberText.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

int SheetPositionRow(int k)
{
    return k * (kDiagramPositionCount / kSheetPositionCount);
}

std::pair<int, int> ChosenPositions(const CalculationResult& result, const std::optional<std::pair<int, int>>& given)
{
    const auto inside = [](int k) { return k >= 0 && k < kSheetPositionCount; };
    if (given && inside(given->first) && inside(given->second))
        return *given;
    const ForceArrays& forces = result.forces.diagrams;
    const PositionArrays& p = result.Kinematics().diagrams.positions;
    const int rows = result.Kinematics().diagrams.Rows();
    int best[2] = {-1, -1};
    double speed[2] = {-1, -1};
    for (int k = 0; k < kSheetPositionCount; ++k) {
        const int row = SheetPositionRow(k);
        if (row >= rows || static_cast<std::size_t>(row) >= forces.Working.size())
            continue;
        const int stroke = forces.Working[static_cast<std::size_t>(row)] ? 0 : 1;
        const double v = std::fabs(p.Ve[static_cast<std::size_t>(row)]);
        if (v > speed[stroke]) {
            speed[stroke] = v;
            best[stroke] = k;
        }
    }
    if (best[0] < 0 || best[1] < 0)
        return {1, 2};
    return {best[0], best[1]};
}

std::optional<std::pair<int, int>> ParsePositions(const QString& text, QString& error)
{
    const QStringList parts = text.split(u',');
    if (parts.size() == 2) {
        const auto k = ParseInteger(parts[0].trimmed().toStdString());
        const auto l = ParseInteger(parts[1].trimmed().toStdString());
        if (k && l && *k >= 0 && *k < kSheetPositionCount && *l >= 0 && *l < kSheetPositionCount)
            return std::pair<int, int>(*k, *l);
    }
    error = QCoreApplication::translate("Report", "Положения задаются двумя номерами от 0 до %1 через запятую, например 2,8.")
                .arg(kSheetPositionCount - 1);
    return std::nullopt;
}
