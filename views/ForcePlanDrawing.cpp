#include "views/ForcePlanDrawing.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <optional>
#include <cstddef>

namespace {

constexpr int kLoadWidth = 2;
constexpr int kResultantWidth = 1;
constexpr double kShortestLink = 1;  // pixels

const QColor kLoadColour = Qt::black;
const QColor kReactionColour(0, 0, 200);
const QColor kResultantColour(128, 0, 128);

QPoint Middle(QPoint a, QPoint b)
{
    return QPoint((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
}

bool Visible(QPoint a, QPoint b)
{
    return std::hypot(static_cast<double>(b.x() - a.x()), static_cast<double>(b.y() - a.y())) >= kShortestLink;
}

// `value` times the unit vector at `angle`, or at `angle` + 90° when `across`.
PlanVector Along(double value, double angle, bool across)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return across ? PlanVector{-s * value, c * value} : PlanVector{c * value, s * value};
}

PlanVector Plan(const Vec2& v)
{
    return {v.x, v.y};
}

// "Fи2": the inertia force's symbol in the interface's language, the link's number after it.
QString Inertia(int link)
{
    return QCoreApplication::translate("Kinematics", "Fи") + QString::number(link);
}

}  // namespace

ForcePlan GroupPlan(const PositionForces& f, double theta2, double theta3)
{
    ForcePlan plan;
    const auto add = [&plan](const QString& name, PlanVector v, bool reaction) {
        plan.chain.push_back({name, v, reaction});
    };
    add(QStringLiteral("R12τ"), Along(f.R12t, theta2, true), true);
    add(QStringLiteral("G2"), Plan(f.G2), false);
    add(Inertia(2), Plan(f.F2), false);
    add(QStringLiteral("R42"), PlanVector{-f.R24.x, -f.R24.y}, false);
    add(QStringLiteral("G3"), Plan(f.G3), false);
    add(Inertia(3), Plan(f.F3), false);
    add(QStringLiteral("R03τ"), Along(f.R03t, theta3, true), true);
    add(QStringLiteral("R03n"), Along(f.R03n, theta3, false), true);
    add(QStringLiteral("R12n"), Along(f.R12n, theta2, false), true);
    plan.resultants.push_back({QStringLiteral("R12"), 8, 0});
    plan.resultants.push_back({QStringLiteral("R03"), 6, 7});
    return plan;
}

std::vector<PlanVector> ChainPoints(const ForcePlan& plan)
{
    std::vector<PlanVector> points{PlanVector{}};
    for (const ForceChainLink& link : plan.chain)
        points.push_back(points.back() + link.force);
    return points;
}

DrawnPlan DrawForcePlan(QImage& picture, const ForcePlan& plan, double scale)
{
    return PaintOnBlank(picture,
                        [&](QPainter& painter, QSize size) { return PaintForcePlan(painter, size, plan, scale); });
}

DrawnPlan PaintForcePlan(QPainter& painter, QSize size, const ForcePlan& plan, double scale)
{
    const std::vector<PlanVector> points = ChainPoints(plan);
    const PlanFrame frame(points, scale, PlanArea(size).size());
    std::vector<std::optional<QPoint>> pixels;
    pixels.reserve(points.size());
    for (const PlanVector& p : points)
        pixels.push_back(frame.Pixel(p));

    DrawnPlan drawn;
    long long sumX = 0, sumY = 0, counted = 0;

    for (const ForceResultant& r : plan.resultants) {
        const auto from = static_cast<std::size_t>(r.from);
        const auto to = static_cast<std::size_t>(r.to) + 1;
        if (r.from < 0 || to >= pixels.size() || !pixels[from] || !pixels[to] || !Visible(*pixels[from], *pixels[to]))
            continue;
        DrawArrow(painter, *pixels[from], *pixels[to], kResultantColour, kResultantWidth, Qt::DashLine);
        drawn.labels.push_back({Middle(*pixels[from], *pixels[to]), r.name});
    }
    for (std::size_t i = 0; i < plan.chain.size(); ++i) {
        const auto& from = pixels[i];
        const auto& to = pixels[i + 1];
        if (!from || !to || !Visible(*from, *to))
            continue;
        const ForceChainLink& link = plan.chain[i];
        DrawArrow(painter, *from, *to, link.reaction ? kReactionColour : kLoadColour, kLoadWidth);
        drawn.labels.push_back({Middle(*from, *to), link.name});
        sumX += from->x();
        sumY += from->y();
        ++counted;
    }

    // Letters go outwards, away from the middle of the polygon.
    const QPoint centre = counted > 0 ? QPoint(static_cast<int>(sumX / counted), static_cast<int>(sumY / counted))
                                      : PlanArea(size).center();
    drawn.boxes = PlaceLabels(drawn.labels, PlanFont(), centre, PlanArea(size));
    DrawLabels(painter, drawn.labels, drawn.boxes);
    DrawScaleBar(painter, size, QStringLiteral("F"), scale, QStringLiteral("Н"));
    return drawn;
}
