#include "views/AccelerationPlanDrawing.h"

#include "kinematics/CheckedReal.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr int kVectorWidth = 2;
constexpr int kRelativeWidth = 1;
constexpr int kConstructionWidth = 1;

const QColor kVectorColour = Qt::black;
const QColor kNormalColour(0, 0, 200);
const QColor kTangentColour(0, 128, 0);

}  // namespace

AccelerationPlan AccelerationPlanAt(const AccelerationArrays& a, std::size_t k, double omega1)
{
    using A = AccelerationArrays;
    // Each plan vector and the two components it is drawn from; E moves along the guide only.
    struct Part {
        PlanVector AccelerationPlan::*vector;
        std::vector<double> A::*x;
        std::vector<double> A::*y;
    };
    static const Part kParts[] = {
        {&AccelerationPlan::a, &A::Axa, &A::Aya},       {&AccelerationPlan::b, &A::Axb, &A::Ayb},
        {&AccelerationPlan::d, &A::Axd, &A::Ayd},       {&AccelerationPlan::nBA, &A::AnBAx, &A::AnBAy},
        {&AccelerationPlan::tBA, &A::AtBAx, &A::AtBAy}, {&AccelerationPlan::nBC, &A::AnBCx, &A::AnBCy},
        {&AccelerationPlan::tBC, &A::AtBCx, &A::AtBCy}, {&AccelerationPlan::nED, &A::AnEDx, &A::AnEDy},
        {&AccelerationPlan::tED, &A::AtEDx, &A::AtEDy},
    };
    const CheckedReal speed = omega1;
    const CheckedReal w = speed * speed;
    const auto scaled = [w](double x, double y) {
        return PlanVector{(CheckedReal(x) * w).Value(), (CheckedReal(y) * w).Value()};
    };
    AccelerationPlan plan;
    for (const Part& part : kParts)
        plan.*part.vector = scaled((a.*part.x)[k], (a.*part.y)[k]);
    plan.e = scaled(0, a.Ae[k]);
    return plan;
}

DrawnPlan DrawAccelerationPlan(QImage& picture, const AccelerationPlan& plan, double scale)
{
    return PaintOnBlank(picture,
                        [&](QPainter& painter, QSize size) { return PaintAccelerationPlan(painter, size, plan, scale); });
}

DrawnPlan PaintAccelerationPlan(QPainter& painter, QSize size, const AccelerationPlan& plan, double scale)
{
    const PlanVector pole{};
    const PlanVector n1 = plan.a + plan.nBA;
    const PlanVector n2 = plan.nBC;
    const PlanVector n3 = plan.d + plan.nED;
    const PlanFrame frame({pole, plan.a, plan.b, plan.d, plan.e, n1, n2, n3}, scale, PlanArea(size).size());

    const auto p = frame.Pixel(pole);
    const auto a = frame.Pixel(plan.a);
    const auto b = frame.Pixel(plan.b);
    const auto d = frame.Pixel(plan.d);
    const auto e = frame.Pixel(plan.e);
    const auto pn1 = frame.Pixel(n1);
    const auto pn2 = frame.Pixel(n2);
    const auto pn3 = frame.Pixel(n3);

    const auto arrow = [&painter](const std::optional<QPoint>& from, const std::optional<QPoint>& to,
                                  const QColor& colour, int width) {
        if (from && to)
            DrawArrow(painter, *from, *to, colour, width);
    };

    // Construction first, so that the accelerations themselves stay on top.
    struct Arrow {
        const std::optional<QPoint>& from;
        const std::optional<QPoint>& to;
        const QColor& colour;
        int width;
    };
    const Arrow arrows[] = {
        {a, pn1, kNormalColour, kConstructionWidth},  {pn1, b, kTangentColour, kConstructionWidth},
        {p, pn2, kNormalColour, kConstructionWidth},  {pn2, b, kTangentColour, kConstructionWidth},
        {d, pn3, kNormalColour, kConstructionWidth},  {pn3, e, kTangentColour, kConstructionWidth},
        {a, b, kVectorColour, kRelativeWidth},        {d, e, kVectorColour, kRelativeWidth},
        {p, a, kVectorColour, kVectorWidth},          {p, b, kVectorColour, kVectorWidth},
        {p, d, kVectorColour, kVectorWidth},          {p, e, kVectorColour, kVectorWidth},
    };
    for (const Arrow& each : arrows)
        arrow(each.from, each.to, each.colour, each.width);

    DrawnPlan drawn;
    const std::pair<const std::optional<QPoint>*, const char*> letters[] = {
        {&p, "π"}, {&a, "a"}, {&b, "b"}, {&d, "d"}, {&e, "e"}, {&pn1, "n1"}, {&pn2, "n2"}, {&pn3, "n3"},
    };
    for (const auto& [point, text] : letters)
        if (*point)
            drawn.labels.push_back({**point, QString::fromUtf8(text)});
    drawn.boxes = PlaceLabels(drawn.labels, PlanFont(), p.value_or(QPoint()), PlanArea(size));
    DrawLabels(painter, drawn.labels, drawn.boxes);

    DrawScaleBar(painter, size, QStringLiteral("a"), scale, QStringLiteral("м/с²"));
    return drawn;
}
