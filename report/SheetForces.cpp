// Sheet 2: the force analysis of the first chosen position: the groups 4-5 and 2-3 and the crank
// with their loads, their force plans, Zhukovsky's lever and the Mб diagram by both methods.

#include "report/SheetParts.h"

#include "kinematics/NumberText.h"
#include "kinematics/RoundDecimals.h"
#include "kinematics/ScaleFactors.h"
#include "views/ForcePlanDrawing.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace {

constexpr double kJointRadius = 1.2;

// Three significant digits, the sign kept.
QString Significant(double x)
{
    return QString::fromStdString(FormatSignificant(x, 3));
}

double Size(const Vec2& v)
{
    return std::hypot(v.x, v.y);
}

// A named force at a point, in N.
struct Load {
    QString name;
    SheetPoint at;  // on the sheet
    Vec2 force;
};

void DrawLoads(SheetDrawing& sheet, const std::vector<Load>& loads, double muF, double text)
{
    for (const Load& l : loads) {
        if (!(Size(l.force) / muF > 0.5))
            continue;
        const SheetPoint tip = l.at + SheetPoint{l.force.x / muF, l.force.y / muF};
        sheet.Arrow(SheetLayer::Contour, l.at, tip, text * 0.6);
        sheet.Text(tip + SheetPoint{text * 0.3, text * 0.2}, text * 0.7, l.name);
    }
}

// A moment as an arc with an arrow: counter-clockwise when positive.
void DrawMoment(SheetDrawing& sheet, SheetPoint at, double moment, const QString& name, double text)
{
    if (moment == 0 || !std::isfinite(moment))
        return;
    const double r = 2.5 * text;
    const double start = moment > 0 ? 200 : 340;
    const double end = moment > 0 ? 340 : 200;
    sheet.Arc(SheetLayer::Thin, at, r, std::min(start, end), std::max(start, end));
    const double tipAngle = (moment > 0 ? 340 : 200) * M_PI / 180;
    const SheetPoint tip = at + SheetPoint{r * std::cos(tipAngle), r * std::sin(tipAngle)};
    const SheetPoint along{-std::sin(tipAngle) * (moment > 0 ? 1 : -1), std::cos(tipAngle) * (moment > 0 ? 1 : -1)};
    sheet.Arrow(SheetLayer::Thin, tip - along * (text * 0.8), tip, text * 0.6);
    sheet.Text(at + SheetPoint{0, -r - text}, text * 0.7, name + QStringLiteral(" = ") + Significant(moment)
                                                            + QCoreApplication::translate("Report", " Н·м"),
               TextAlign::Centre);
}

PlanPicture ChainPicture(const std::vector<std::pair<QString, Vec2>>& chain, const std::vector<ForceResultant>& resultants)
{
    PlanPicture plan;
    double x = 0, y = 0;
    plan.Add(QString(), 0, 0);
    for (const auto& [name, force] : chain) {
        x += force.x;
        y += force.y;
        plan.Add(QString(), x, y);
    }
    for (std::size_t i = 0; i < chain.size(); ++i)
        plan.Join(static_cast<int>(i), static_cast<int>(i) + 1);
    for (const ForceResultant& r : resultants)
        plan.Join(r.from, r.to + 1, true, SheetLayer::Thin);
    return plan;
}

// Letters at the middle of each link of a chain drawn by DrawPlan.
void LetterChain(SheetDrawing& sheet, SheetPoint pole, const PlanPicture& plan,
                 const std::vector<std::pair<QString, Vec2>>& chain, double mu, double text)
{
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const auto& a = plan.points[i];
        const auto& b = plan.points[i + 1];
        const double length = std::hypot(b.x - a.x, b.y - a.y) / mu;
        if (length < text)
            continue;
        const SheetPoint mid = pole + SheetPoint{(a.x + b.x) / 2 / mu, (a.y + b.y) / 2 / mu};
        const SheetPoint normal{-(b.y - a.y) / mu / length, (b.x - a.x) / mu / length};
        sheet.Text(mid + normal * (text * 0.6), text * 0.7, chain[i].first, TextAlign::Centre);
    }
}

Vec2 V(PlanVector v)
{
    return {v.x, v.y};
}

}  // namespace

void DrawLever(SheetDrawing& sheet, const SheetField& field, const CalculationResult& r,
               const SchemePosition& position, double text, QStringList* scales)
{
    const PositionForces& f = *position.Forces();
    const PlanPicture v = VelocityPlanOf(r, position);
    // The velocity plan turned by 90° counter-clockwise.
    const auto turned = [](double x, double y) { return std::pair{-y, x}; };
    PlanPicture lever;
    for (const auto& q : v.points) {
        const auto [x, y] = turned(q.x, q.y);
        lever.Add(q.name, x, y);
    }
    lever.segments = v.segments;
    for (auto& s : lever.segments)
        s.arrow = false;
    double largestLoad = std::fabs(f.Resistance);
    for (const Vec2& g : {f.G1, f.G2, f.G3, f.G4, f.G5, f.F1, f.F2, f.F3, f.F4, f.F5})
        largestLoad = std::max(largestLoad, Size(g));
    const auto muV = PlanFactor({&lever}, field.width * 0.6, field.height * 0.6);
    const auto muLoads = ChooseRoundFactor(largestLoad, std::min(field.width, field.height) * 0.2);
    if (muV) {
        const SheetPoint pole = DrawPlan(sheet, Inset(field, text), lever, *muV,
                                         QCoreApplication::translate("Report", "Рычаг Жуковского, ")
                                             + QString::fromStdString(VelocityFactorText(*muV)),
                                         text);
        const auto point = [&](double x, double y) {
            const auto [tx, ty] = turned(x, y);
            return pole + SheetPoint{tx / *muV, ty / *muV};
        };
        // The loads at the points of the plan that stand for their centres: S1 halves pa, S2 is D,
        // S3 halves pb (C is fixed), S4 halves de, the slider is e.
        const auto& a = v.points;
        const SheetPoint s1 = point(a[1].x / 2, a[1].y / 2);
        const SheetPoint d = point(a[3].x, a[3].y);
        const SheetPoint s3 = point(a[2].x / 2, a[2].y / 2);
        const SheetPoint s4 = point((a[3].x + a[4].x) / 2, (a[3].y + a[4].y) / 2);
        const SheetPoint e = point(a[4].x, a[4].y);
        if (muLoads)
            DrawLoads(sheet, {{QStringLiteral("G1"), s1, f.G1}, {QCoreApplication::translate("Report", "Fи1"), s1, f.F1},
                              {QStringLiteral("G2"), d, f.G2}, {QCoreApplication::translate("Report", "Fи2"), d, f.F2},
                              {QStringLiteral("G3"), s3, f.G3}, {QCoreApplication::translate("Report", "Fи3"), s3, f.F3},
                              {QStringLiteral("G4"), s4, f.G4}, {QCoreApplication::translate("Report", "Fи4"), s4, f.F4},
                              {QStringLiteral("G5"), e, f.G5}, {QCoreApplication::translate("Report", "Fи5"), e, f.F5},
                              {QCoreApplication::translate("Report", "Fс"), e, Vec2{0, f.Resistance}}},
                      *muLoads, text);
        if (scales) {
            *scales << QCoreApplication::translate("Report", "рычаг: ") + QString::fromStdString(VelocityFactorText(*muV));
            if (muLoads)
                *scales << QCoreApplication::translate("Report", "рычаг: ") + FactorText(QStringLiteral("F"), *muLoads, QCoreApplication::translate("Report", "Н"));
        }
    }
    sheet.Text({field.x + text, field.Top() - 1.5 * text}, text * 0.8,
               QCoreApplication::translate("Report", "Mб (группы) = ") + Significant(f.MbGroups)
                   + QCoreApplication::translate("Report", " Н·м;  Mб (рычаг) = ") + Significant(f.MbLever)
                   + QCoreApplication::translate("Report", " Н·м"));
}

std::optional<SheetDrawing> ForcesSheet(const CalculationResult& r, const SheetOptions& options)
{
    const ForceResult& forces = r.forces;
    const int n = ChosenPositions(r, options.positions).first;
    const SchemePosition position = SchemePositionOf(r, n);
    if (!forces.computed || !position.HasAccelerations() || !position.Forces())
        return std::nullopt;
    const std::size_t at = position.row;
    const PositionForces& f = *position.Forces();
    const KinematicsResult& k = r.Kinematics();
    const PositionArrays& p = position.solve->positions;
    const AccelerationArrays& acc = position.solve->accelerations;
    const Mechanism& m = k.solved;
    const double text = SheetTextHeight(options.format);
    const SheetField work = SheetWorkArea(options.format);

    SheetDrawing sheet = StartSheet(options.format);
    QStringList scales;
    const double rowH = work.height / 3;
    const SheetField groupsRow{work.x, work.y + 2 * rowH, work.width, rowH};
    const SheetField plansRow{work.x, work.y + rowH, work.width, rowH};
    const SheetField lowerRow{work.x, work.y, work.width - kTitleBlockWidth - text, rowH};

    // The groups at one length scale, their loads at one force scale.
    const double cell = groupsRow.width / 3;
    // The largest of the three pictures' extents at this position.
    const auto i0 = at;
    const double groupWidth = std::max({p.Xa[i0], p.Xb[i0], -m.Loc}) - std::min({p.Xa[i0], p.Xb[i0], -m.Loc});
    const double groupHeight = std::max({p.Ya[i0], p.Yb[i0], 0.0}) - std::min({p.Ya[i0], p.Yb[i0], 0.0});
    const double extent = std::max({groupWidth, groupHeight, m.Lde, m.Loa});
    const auto scale = ChooseDrawingScale(extent, std::min(cell, rowH) * 0.7);
    double largestLoad = 0;
    for (const Vec2& v : {f.G1, f.G2, f.G3, f.G4, f.G5, f.F1, f.F2, f.F3, f.F4, f.F5})
        largestLoad = std::max(largestLoad, Size(v));
    largestLoad = std::max(largestLoad, std::fabs(f.Resistance));
    const auto muLoads = ChooseRoundFactor(largestLoad, std::min(cell, rowH) * 0.3);
    if (scale && muLoads) {
        const double mu = LengthFactor(*scale);
        const auto i = at;
        const SheetPoint A{p.Xa[i], p.Ya[i]}, B{p.Xb[i], p.Yb[i]}, D{p.Xd[i], p.Yd[i]}, E{-m.GuideOffset, p.Ye[i]},
            C{-m.Loc, 0};
        const auto place = [mu](SheetField field, std::vector<SheetPoint> points) {
            double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
            for (const SheetPoint& q : points) {
                minX = std::min(minX, q.x);
                maxX = std::max(maxX, q.x);
                minY = std::min(minY, q.y);
                maxY = std::max(maxY, q.y);
            }
            return SheetMap{field.Centre() - SheetPoint{(minX + maxX) / 2 / mu, (minY + maxY) / 2 / mu}, mu};
        };
        // Group 4-5.
        {
            const SheetField field{groupsRow.x, groupsRow.y, cell, groupsRow.height};
            const SheetMap map = place(field, {D, E});
            const SheetPoint d = map.At(D.x, D.y), e = map.At(E.x, E.y);
            sheet.Line(SheetLayer::Contour, d, e);
            sheet.Rectangle(SheetLayer::Contour, e - SheetPoint{4, 2}, 8, 4);
            sheet.Line(SheetLayer::Axis, e - SheetPoint{0, 6 * text}, e + SheetPoint{0, 6 * text});
            sheet.Circle(SheetLayer::Contour, d, kJointRadius);
            sheet.Text(d + SheetPoint{-text * 1.5, text * 0.3}, text, QStringLiteral("D"));
            sheet.Text(e + SheetPoint{text * 1.2, -text * 1.5}, text, QStringLiteral("E"));
            const SheetPoint s4 = map.At(f.S4.x, f.S4.y);
            DrawLoads(sheet, {{QStringLiteral("G4"), s4, f.G4}, {QCoreApplication::translate("Report", "Fи4"), s4, f.F4},
                              {QStringLiteral("G5"), e, f.G5}, {QCoreApplication::translate("Report", "Fи5"), e, f.F5},
                              {QCoreApplication::translate("Report", "Fс"), e, Vec2{0, f.Resistance}},
                              {QStringLiteral("R24"), d, f.R24}, {QStringLiteral("R05"), e, Vec2{f.N05, 0}}},
                      *muLoads, text);
            DrawMoment(sheet, s4, f.M4, QCoreApplication::translate("Report", "Mи4"), text);
            sheet.Text({field.Centre().x, field.y + 0.5 * text}, text, QCoreApplication::translate("Report", "Группа 4–5"), TextAlign::Centre);
        }
        // Group 2-3.
        {
            const SheetField field{groupsRow.x + cell, groupsRow.y, cell, groupsRow.height};
            const SheetMap map = place(field, {A, B, C});
            const SheetPoint a = map.At(A.x, A.y), b = map.At(B.x, B.y), c = map.At(C.x, C.y), d = map.At(D.x, D.y);
            sheet.Line(SheetLayer::Contour, a, b);
            sheet.Line(SheetLayer::Contour, c, b);
            for (const SheetPoint& q : {a, b, c})
                sheet.Circle(SheetLayer::Contour, q, kJointRadius);
            sheet.Text(a + SheetPoint{text * 0.5, -text * 1.4}, text, QStringLiteral("A"));
            sheet.Text(b + SheetPoint{text * 0.5, text * 0.4}, text, QStringLiteral("B"));
            sheet.Text(c + SheetPoint{-text * 1.4, -text * 1.4}, text, QStringLiteral("C"));
            const SheetPoint s3 = map.At(f.S3.x, f.S3.y);
            DrawLoads(sheet, {{QStringLiteral("G2"), d, f.G2}, {QCoreApplication::translate("Report", "Fи2"), d, f.F2},
                              {QStringLiteral("G3"), s3, f.G3}, {QCoreApplication::translate("Report", "Fи3"), s3, f.F3},
                              {QStringLiteral("R42"), d, Vec2{-f.R24.x, -f.R24.y}},
                              {QStringLiteral("R12"), a, f.R12}, {QStringLiteral("R03"), c, f.R03}},
                      *muLoads, text);
            DrawMoment(sheet, d, f.M2, QCoreApplication::translate("Report", "Mи2"), text);
            DrawMoment(sheet, s3, f.M3, QCoreApplication::translate("Report", "Mи3"), text);
            sheet.Text({field.Centre().x, field.y + 0.5 * text}, text, QCoreApplication::translate("Report", "Группа 2–3"), TextAlign::Centre);
        }
        // The crank.
        {
            const SheetField field{groupsRow.x + 2 * cell, groupsRow.y, cell, groupsRow.height};
            const SheetMap map = place(field, {SheetPoint{0, 0}, A});
            const SheetPoint o = map.At(0, 0), a = map.At(A.x, A.y);
            sheet.Line(SheetLayer::Contour, o, a);
            sheet.Circle(SheetLayer::Contour, o, kJointRadius);
            sheet.Circle(SheetLayer::Contour, a, kJointRadius);
            sheet.Text(o + SheetPoint{-text * 1.4, -text * 1.4}, text, QStringLiteral("O"));
            sheet.Text(a + SheetPoint{text * 0.5, text * 0.4}, text, QStringLiteral("A"));
            const SheetPoint s1 = map.At(f.S1.x, f.S1.y);
            DrawLoads(sheet, {{QStringLiteral("G1"), s1, f.G1}, {QCoreApplication::translate("Report", "Fи1"), s1, f.F1},
                              {QStringLiteral("R21"), a, Vec2{-f.R12.x, -f.R12.y}}, {QStringLiteral("R01"), o, f.R01}},
                      *muLoads, text);
            DrawMoment(sheet, o, f.MbGroups, QCoreApplication::translate("Report", "Mб"), text);
            sheet.Text({field.Centre().x, field.y + 0.5 * text}, text, QCoreApplication::translate("Report", "Кривошип"), TextAlign::Centre);
        }
        const QString lengths = QCoreApplication::translate("Report", "М ") + QString::fromStdString(DrawingScaleText(*scale))
                                + QStringLiteral(", ") + QString::fromStdString(LengthFactorText(mu));
        const QString loads = FactorText(QStringLiteral("F"), *muLoads, QCoreApplication::translate("Report", "Н"));
        scales << lengths << loads;
        sheet.Text({groupsRow.Centre().x, groupsRow.Top() - text}, text,
                   QCoreApplication::translate("Report", "Положение ") + QString::number(n) + QStringLiteral(" (φ = ") + DegreesText(position)
                       + QStringLiteral("°), ") + (f.Working ? QCoreApplication::translate("Report", "рабочий ход") : QCoreApplication::translate("Report", "холостой ход"))
                       + QStringLiteral(";  ") + lengths + QCoreApplication::translate("Report", ";  нагрузки ") + loads,
                   TextAlign::Centre);
    }

    // The force plans at one factor.
    const Vec2 u45 = [&] {
        const double dx = p.Xd[at] - (-m.GuideOffset), dy = p.Yd[at] - p.Ye[at];
        const double l = std::hypot(dx, dy);
        return l > 0 ? Vec2{dx / l, dy / l} : Vec2{0, 1};
    }();
    const Vec2 r24n{u45.x * f.R24n, u45.y * f.R24n};
    const Vec2 r24t{f.R24.x - r24n.x, f.R24.y - r24n.y};
    const std::vector<std::pair<QString, Vec2>> chain45 = {
        {QStringLiteral("R24τ"), r24t}, {QStringLiteral("G4"), f.G4},   {QCoreApplication::translate("Report", "Fи4"), f.F4},
        {QStringLiteral("G5"), f.G5},   {QCoreApplication::translate("Report", "Fи5"), f.F5}, {QCoreApplication::translate("Report", "Fс"), Vec2{0, f.Resistance}},
        {QStringLiteral("R05"), Vec2{f.N05, 0}}, {QStringLiteral("R24n"), r24n},
    };
    const ForcePlan group23 = GroupPlan(f, acc.Theta2[at], acc.Theta3[at]);
    std::vector<std::pair<QString, Vec2>> chain23;
    for (const ForceChainLink& link : group23.chain)
        chain23.push_back({link.name, V(link.force)});
    const std::vector<std::pair<QString, Vec2>> chain1 = {
        {QStringLiteral("G1"), f.G1}, {QCoreApplication::translate("Report", "Fи1"), f.F1}, {QStringLiteral("R21"), Vec2{-f.R12.x, -f.R12.y}},
        {QStringLiteral("R01"), f.R01},
    };
    const PlanPicture plan45 = ChainPicture(chain45, {{QStringLiteral("R24"), 0, 7}});
    const PlanPicture plan23 = ChainPicture(chain23, group23.resultants);
    const PlanPicture plan1 = ChainPicture(chain1, {});
    const double planCell = plansRow.width / 3;
    if (const auto muF = PlanFactor({&plan45, &plan23, &plan1}, planCell - 6 * text, plansRow.height - 5 * text)) {
        const struct {
            const PlanPicture* plan;
            const std::vector<std::pair<QString, Vec2>>* chain;
            const char* caption;
        } plans[] = {{&plan45, &chain45, QT_TRANSLATE_NOOP("Report", "План сил группы 4–5")},
                     {&plan23, &chain23, QT_TRANSLATE_NOOP("Report", "План сил группы 2–3")},
                     {&plan1, &chain1, QT_TRANSLATE_NOOP("Report", "План сил кривошипа")}};
        for (int i = 0; i < 3; ++i) {
            const SheetField field{plansRow.x + i * planCell, plansRow.y, planCell, plansRow.height};
            const SheetPoint pole = DrawPlan(sheet, Inset(field, text), *plans[i].plan, *muF,
                                             QCoreApplication::translate("Report", plans[i].caption), text);
            LetterChain(sheet, pole, *plans[i].plan, *plans[i].chain, *muF, text);
        }
        scales << FactorText(QStringLiteral("F"), *muF, QCoreApplication::translate("Report", "Н")) + QCoreApplication::translate("Report", " (планы)");
        sheet.Text({plansRow.Centre().x, plansRow.Top() - text}, text,
                   QCoreApplication::translate("Report", "Планы сил: ") + FactorText(QStringLiteral("F"), *muF, QCoreApplication::translate("Report", "Н")),
                   TextAlign::Centre);
    }

    {
        const SheetField field{lowerRow.x, lowerRow.y, lowerRow.width * 0.45, lowerRow.height};
        DrawLever(sheet, field, r, position, text, &scales);
    }

    // Mб over the turn by both methods.
    {
        const ForceArrays& d = forces.diagrams;
        PlotCurve groups, lever;
        lever.layer = SheetLayer::Thin;
        const std::size_t count = d.Size();
        for (std::size_t i = 0; i <= count && count > 0; ++i) {
            const double degrees = 360.0 * static_cast<double>(i) / kDiagramPositionCount;
            groups.degrees.push_back(degrees);
            lever.degrees.push_back(degrees);
            groups.values.push_back(d.MbGroups[i % count]);
            lever.values.push_back(d.MbLever[i % count]);
        }
        const SheetField field{lowerRow.x + lowerRow.width * 0.45, lowerRow.y, lowerRow.width * 0.55, lowerRow.height};
        if (const auto mu = DrawDiagram(sheet, Inset(field, text), {groups, lever}, QCoreApplication::translate("Report", "Mб"),
                                        QCoreApplication::translate("Report", "Н·м"), text))
            scales << FactorText(QStringLiteral("M"), *mu, QCoreApplication::translate("Report", "Н·м"));
        sheet.Text({field.Centre().x, field.Top() - text}, text * 0.8,
                   QCoreApplication::translate("Report", "Mб: по группам — основная линия, по рычагу — тонкая"), TextAlign::Centre);
    }
    DrawTitleBlock(sheet, options.format, SheetTitle(r, options, QCoreApplication::translate("Report", "Силовой анализ"), 2, SheetCount(r), scales));
    return sheet;
}
