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
    const CheckedReal speed = omega1;
    const CheckedReal w = speed * speed;
    const auto scaled = [w](double x, double y) {
        return PlanVector{(CheckedReal(x) * w).Value(), (CheckedReal(y) * w).Value()};
    };
    AccelerationPlan plan;
    plan.a = scaled(a.Axa[k], a.Aya[k]);
    plan.b = scaled(a.Axb[k], a.Ayb[k]);
    plan.d = scaled(a.Axd[k], a.Ayd[k]);
    plan.e = scaled(0, a.Ae[k]);
    plan.nBA = scaled(a.AnBAx[k], a.AnBAy[k]);
    plan.tBA = scaled(a.AtBAx[k], a.AtBAy[k]);
    plan.nBC = scaled(a.AnBCx[k], a.AnBCy[k]);
    plan.tBC = scaled(a.AtBCx[k], a.AtBCy[k]);
    plan.nED = scaled(a.AnEDx[k], a.AnEDy[k]);
    plan.tED = scaled(a.AtEDx[k], a.AtEDy[k]);
    return plan;
}

DrawnPlan DrawAccelerationPlan(QImage& picture, const AccelerationPlan& plan, double scale)
{
    BlankPicture(picture);
    const PlanVector pole{};
    const PlanVector n1 = plan.a + plan.nBA;
    const PlanVector n2 = plan.nBC;
    const PlanVector n3 = plan.d + plan.nED;
    const PlanFrame frame({pole, plan.a, plan.b, plan.d, plan.e, n1, n2, n3}, scale, PlanArea(picture.size()).size());

    const auto p = frame.Pixel(pole);
    const auto a = frame.Pixel(plan.a);
    const auto b = frame.Pixel(plan.b);
    const auto d = frame.Pixel(plan.d);
    const auto e = frame.Pixel(plan.e);
    const auto pn1 = frame.Pixel(n1);
    const auto pn2 = frame.Pixel(n2);
    const auto pn3 = frame.Pixel(n3);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const auto arrow = [&painter](const std::optional<QPoint>& from, const std::optional<QPoint>& to,
                                  const QColor& colour, int width) {
        if (from && to)
            DrawArrow(painter, *from, *to, colour, width);
    };

    // Construction first, so that the accelerations themselves stay on top.
    arrow(a, pn1, kNormalColour, kConstructionWidth);
    arrow(pn1, b, kTangentColour, kConstructionWidth);
    arrow(p, pn2, kNormalColour, kConstructionWidth);
    arrow(pn2, b, kTangentColour, kConstructionWidth);
    arrow(d, pn3, kNormalColour, kConstructionWidth);
    arrow(pn3, e, kTangentColour, kConstructionWidth);

    arrow(a, b, kVectorColour, kRelativeWidth);
    arrow(d, e, kVectorColour, kRelativeWidth);
    arrow(p, a, kVectorColour, kVectorWidth);
    arrow(p, b, kVectorColour, kVectorWidth);
    arrow(p, d, kVectorColour, kVectorWidth);
    arrow(p, e, kVectorColour, kVectorWidth);

    DrawnPlan drawn;
    const std::pair<const std::optional<QPoint>*, const char*> letters[] = {
        {&p, "π"}, {&a, "a"}, {&b, "b"}, {&d, "d"}, {&e, "e"}, {&pn1, "n1"}, {&pn2, "n2"}, {&pn3, "n3"},
    };
    for (const auto& [point, text] : letters)
        if (*point)
            drawn.labels.push_back({**point, QString::fromUtf8(text)});
    drawn.boxes = PlaceLabels(drawn.labels, PlanFont(), p.value_or(QPoint()), PlanArea(picture.size()));
    DrawLabels(painter, drawn.labels, drawn.boxes);

    DrawScaleBar(painter, picture.size(), QStringLiteral("a"), scale, QStringLiteral("м/с²"));
    return drawn;
}
