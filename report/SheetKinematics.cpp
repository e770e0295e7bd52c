// Sheet 1: the scheme in N positions with the paths, the plans of the two chosen positions, the
// slider's diagrams and the lengths of the plans' segments.

#include "report/SheetParts.h"

#include "kinematics/Angles.h"
#include "kinematics/RoundDecimals.h"
#include "kinematics/ScaleFactors.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace {

constexpr double kJointRadius = 1.2;     // mm on paper
constexpr double kSupportRadius = 1.6;
constexpr double kSliderWidth = 8;
constexpr double kSliderHeight = 4;

struct Extent {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    void Add(double x, double y)
    {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

// A fixed pivot: the ring, the triangle of the stand and the hatched base.
void Support(SheetDrawing& sheet, SheetPoint at, double size)
{
    const double r = kSupportRadius;
    sheet.Circle(SheetLayer::Contour, at, r);
    const SheetPoint left = at + SheetPoint{-size, -size * 1.4};
    const SheetPoint right = at + SheetPoint{size, -size * 1.4};
    sheet.Line(SheetLayer::Contour, at + SheetPoint{-r * 0.6, -r * 0.8}, left);
    sheet.Line(SheetLayer::Contour, at + SheetPoint{r * 0.6, -r * 0.8}, right);
    sheet.Line(SheetLayer::Contour, left + SheetPoint{-size * 0.5, 0}, right + SheetPoint{size * 0.5, 0});
    for (double x = -size * 1.5; x < size * 1.5; x += size * 0.5)
        sheet.Line(SheetLayer::Thin, at + SheetPoint{x, -size * 1.4}, at + SheetPoint{x - size * 0.5, -size * 1.9});
}

struct Joints {
    SheetPoint o, a, b, c, d, e;
};

Joints JointsAt(const SheetMap& map, const PositionArrays& p, const Mechanism& m, int row)
{
    const auto i = static_cast<std::size_t>(row);
    return {map.At(0, 0), map.At(p.Xa[i], p.Ya[i]), map.At(p.Xb[i], p.Yb[i]), map.At(-m.Loc, 0),
            map.At(p.Xd[i], p.Yd[i]), map.At(-m.GuideOffset, p.Ye[i])};
}

void Links(SheetDrawing& sheet, const Joints& j, SheetLayer layer)
{
    sheet.Line(layer, j.o, j.a);
    sheet.Line(layer, j.a, j.b);
    sheet.Line(layer, j.c, j.b);
    sheet.Line(layer, j.d, j.e);
    for (const SheetPoint& p : {j.a, j.b, j.d})
        sheet.Circle(layer, p, kJointRadius);
}

// The scheme; returns its factor's text.
QString DrawScheme(SheetDrawing& sheet, const SheetField& field, const CalculationResult& r, double text)
{
    const KinematicsResult& k = r.Kinematics();
    const PositionArrays& p = k.diagrams.positions;
    const Mechanism& m = k.solved;
    const int rows = k.diagrams.Rows();
    Extent e;
    e.Add(-m.Loc, 0);
    for (int i = 0; i < rows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        e.Add(p.Xa[at], p.Ya[at]);
        e.Add(p.Xb[at], p.Yb[at]);
        e.Add(-m.GuideOffset, p.Ye[at]);
    }
    // Room for the letters, the supports and the stroke's dimension around the links.
    const double margin = 6 * text;
    const auto wide = ChooseDrawingScale(e.maxX - e.minX, field.width - 2 * margin);
    const auto high = ChooseDrawingScale(e.maxY - e.minY, field.height - 2 * margin - 2 * text);
    if (!wide || !high)
        return QString();
    const DrawingScale scale = LengthFactor(*wide) >= LengthFactor(*high) ? *wide : *high;
    const double mu = LengthFactor(scale);
    const SheetPoint middle{(e.minX + e.maxX) / 2 / mu, (e.minY + e.maxY) / 2 / mu};
    const SheetMap map{field.Centre() + SheetPoint{0, text} - middle, mu};

    // The paths: A's circle, D's closed curve, the guide's axis.
    sheet.Circle(SheetLayer::Thin, map.origin, m.Loa / mu);
    std::vector<SheetPoint> pathD;
    for (int i = 0; i < rows; ++i)
        pathD.push_back(map.At(p.Xd[static_cast<std::size_t>(i)], p.Yd[static_cast<std::size_t>(i)]));
    if (pathD.size() > 1)
        sheet.Polyline(SheetLayer::Thin, pathD, true);
    const double guideX = -m.GuideOffset;
    sheet.Line(SheetLayer::Axis, map.At(guideX, e.minY) - SheetPoint{0, 3 * text}, map.At(guideX, e.maxY) + SheetPoint{0, 3 * text});
    sheet.Line(SheetLayer::Axis, map.At(-m.Loc, 0) - SheetPoint{3 * text, 0}, map.origin + SheetPoint{3 * text, 0});

    // The scheme's positions, numbered at A; the extreme positions bold, at their exact angles.
    const MechanismCharacteristics* c = k.TurningCharacteristics();
    const int count = SchemeCount(r);
    for (int n = 0; n < count; ++n) {
        const SchemePosition at = SchemePositionOf(r, n);
        if (!at.Solved())
            continue;
        const Joints j = JointsAt(map, at.solve->positions, m, static_cast<int>(at.row));
        Links(sheet, j, SheetLayer::Thin);
        sheet.Circle(SheetLayer::Thin, j.e, kJointRadius);
        const SheetPoint out = j.a - j.o;
        const double length = std::hypot(out.x, out.y);
        const SheetPoint label = length > 0 ? j.a + out * ((1.6 * text) / length) : j.a;
        sheet.Text(label - SheetPoint{0, text * 0.35}, text * 0.7, QString::number(n), TextAlign::Centre);
    }
    for (int x = 0; c && x < k.extremeRows; ++x) {
        const Joints j = JointsAt(map, k.extremes, m, x);
        Links(sheet, j, SheetLayer::Contour);
        sheet.Rectangle(SheetLayer::Contour, j.e - SheetPoint{kSliderWidth / 2, kSliderHeight / 2}, kSliderWidth,
                        kSliderHeight);
        sheet.Circle(SheetLayer::Contour, j.e, kJointRadius);
        const QString mark = x == 0 ? QStringLiteral("E'") : QStringLiteral("E''");
        sheet.Text(j.e + SheetPoint{-kSliderWidth / 2 - 0.5 * text, -0.35 * text}, text * 0.8, mark, TextAlign::Right);
        sheet.Text(j.a + SheetPoint{0.6 * text, -1.6 * text}, text * 0.7,
                   QCoreApplication::translate("Report", "крайнее (φ = ") + SheetNumber(RoundDecimals(1, Degrees(x == 0 ? c->Extreme1 : c->Extreme2)))
                       + QStringLiteral("°)"));
    }
    // The stand and the letters of the fixed points and of position 0.
    Support(sheet, map.origin, 2.5);
    Support(sheet, map.At(-m.Loc, 0), 2.5);
    sheet.Text(map.origin + SheetPoint{text * 0.6, -text * 1.2}, text, QStringLiteral("O"));
    sheet.Text(map.At(-m.Loc, 0) + SheetPoint{-text * 1.4, -text * 1.2}, text, QStringLiteral("C"));
    if (rows > 0) {
        const Joints j = JointsAt(map, p, m, 0);
        sheet.Text(j.a + SheetPoint{text * 0.5, text * 0.4}, text, QStringLiteral("A"));
        sheet.Text(j.b + SheetPoint{text * 0.5, text * 0.4}, text, QStringLiteral("B"));
        sheet.Text(j.d + SheetPoint{text * 0.5, text * 0.4}, text, QStringLiteral("D"));
        sheet.Text(j.e + SheetPoint{kSliderWidth / 2 + text * 0.4, text * 0.4}, text, QStringLiteral("E"));
    }
    // The slider's stroke H between its extreme positions.
    if (c) {
        const SheetPoint low = map.At(guideX, c->YeMin) + SheetPoint{kSliderWidth + 2 * text, 0};
        const SheetPoint high = map.At(guideX, c->YeMax) + SheetPoint{kSliderWidth + 2 * text, 0};
        sheet.Arrow(SheetLayer::Dimension, (low + high) * 0.5, low, text * 0.6);
        sheet.Arrow(SheetLayer::Dimension, (low + high) * 0.5, high, text * 0.6);
        for (const SheetPoint& end : {low, high})
            sheet.Line(SheetLayer::Dimension, end - SheetPoint{kSliderWidth + 2 * text, 0}, end + SheetPoint{text, 0});
        sheet.Text((low + high) * 0.5 + SheetPoint{-0.4 * text, 0}, text * 0.8,
                   QStringLiteral("H = ") + SheetNumber(RoundDecimals(4, c->Stroke)) + QCoreApplication::translate("Report", " м"),
                   TextAlign::Centre, 90);
    }
    const QString factor = QCoreApplication::translate("Report", "М ") + QString::fromStdString(DrawingScaleText(scale)) + QStringLiteral(", ")
                           + QString::fromStdString(LengthFactorText(mu));
    // "в 12 положениях", "в 21 положении".
    const bool singular = count % 10 == 1 && count % 100 != 11;
    sheet.Text({field.Centre().x, field.y + 0.5 * text}, text,
               (singular ? QCoreApplication::translate("Report", "Схема механизма в %1 положении, ")
                         : QCoreApplication::translate("Report", "Схема механизма в %1 положениях, "))
                       .arg(count) + factor,
               TextAlign::Centre);
    return factor;
}

QString PositionCaption(const SchemePosition& position)
{
    return QCoreApplication::translate("Report", "положение ") + QString::number(position.number) + QStringLiteral(" (φ = ") + DegreesText(position)
           + QStringLiteral("°)");
}

double Length(const PlanPicture& plan, int from, int to)
{
    const auto& a = plan.points[static_cast<std::size_t>(from)];
    const auto& b = plan.points[static_cast<std::size_t>(to)];
    return std::hypot(b.x - a.x, b.y - a.y);
}

void SegmentTable(SheetDrawing& sheet, const SheetField& field, const PlanPicture* velocity[2],
                  const PlanPicture* acceleration[2], double muV, double muA, std::pair<int, int> positions,
                  double text)
{
    struct Row {
        const char* name;
        bool accel;
        int from, to;
    };
    // Point indices as VelocityPlanOf and AccelerationPlanOf add them.
    static const Row kRows[] = {
        {"pa", false, 0, 1}, {"pb", false, 0, 2}, {"pd", false, 0, 3}, {"pe", false, 0, 4},
        {"ab", false, 1, 2}, {"de", false, 3, 4}, {"πa", true, 0, 1},  {"πb", true, 0, 2},
        {"πd", true, 0, 3},  {"πe", true, 0, 4},  {"an1", true, 1, 5}, {"n1b", true, 5, 2},
        {"πn2", true, 0, 6}, {"n2b", true, 6, 2}, {"dn3", true, 3, 7}, {"n3e", true, 7, 4},
    };
    const int lines = static_cast<int>(std::size(kRows)) + 2;
    const double rowHeight = std::min(field.height / lines, 2.2 * text);
    const double h = rowHeight / 2.2;
    const double columns[] = {field.x, field.x + field.width * 0.4, field.x + field.width * 0.7, field.Right()};
    double y = field.Top() - rowHeight;
    sheet.Text({field.x, y + 0.3 * rowHeight}, h, QCoreApplication::translate("Report", "Длины отрезков планов, мм"));
    y -= rowHeight;
    const double tableTop = y + rowHeight;
    const auto cells = [&](const QString& a, const QString& b, const QString& c) {
        sheet.Text({columns[0] + h * 0.5, y + 0.3 * rowHeight}, h, a);
        sheet.Text({columns[2] - h * 0.5, y + 0.3 * rowHeight}, h, b, TextAlign::Right);
        sheet.Text({columns[3] - h * 0.5, y + 0.3 * rowHeight}, h, c, TextAlign::Right);
        sheet.Line(SheetLayer::Thin, {field.x, y}, {field.Right(), y});
        y -= rowHeight;
    };
    cells(QCoreApplication::translate("Report", "Отрезок"), QCoreApplication::translate("Report", "пол. ") + QString::number(positions.first),
          QCoreApplication::translate("Report", "пол. ") + QString::number(positions.second));
    for (const Row& row : kRows) {
        QString values[2];
        for (int i = 0; i < 2; ++i) {
            const PlanPicture* plan = row.accel ? acceleration[i] : velocity[i];
            const double mu = row.accel ? muA : muV;
            values[i] = plan && mu > 0 ? SheetNumber(RoundDecimals(1, Length(*plan, row.from, row.to) / mu)) : QString();
        }
        cells(QString::fromUtf8(row.name), values[0], values[1]);
    }
    const double bottom = y + rowHeight;
    sheet.Rectangle(SheetLayer::Thin, {field.x, bottom}, field.width, tableTop - bottom);
    for (int c = 1; c < 3; ++c)
        sheet.Line(SheetLayer::Thin, {columns[c], bottom}, {columns[c], tableTop});
}

}  // namespace

SheetDrawing KinematicsSheet(const CalculationResult& r, const SheetOptions& options)
{
    const double text = SheetTextHeight(options.format);
    const SheetField work = SheetWorkArea(options.format);
    const bool upright = work.height > work.width;
    // Upright sheets stack the scheme over the plans; landscape ones set them side by side.
    const double lowerHeight = work.height * (upright ? 0.3 : 0.4);
    const SheetField upper{work.x, work.y + lowerHeight, work.width, work.height - lowerHeight};
    const SheetField scheme = upright ? SheetField{upper.x, upper.y + upper.height * 0.5, upper.width, upper.height * 0.5}
                                      : SheetField{upper.x, upper.y, upper.width * 0.5, upper.height};
    const SheetField plans = upright ? SheetField{upper.x, upper.y, upper.width, upper.height * 0.5}
                                     : SheetField{upper.x + upper.width * 0.5, upper.y, upper.width * 0.5, upper.height};
    const SheetField table{work.Right() - kTitleBlockWidth, work.y + kTitleBlockHeight + text,
                           kTitleBlockWidth * (upright ? 0.45 : 0.6), lowerHeight - kTitleBlockHeight - 2 * text};
    const SheetField diagrams{work.x, work.y, (upright ? table.x : work.Right() - kTitleBlockWidth) - work.x - text,
                              lowerHeight};

    SheetDrawing body = StartSheet(options.format);
    QStringList scales;
    const QString schemeFactor = DrawScheme(body, Inset(scheme, text), r, text);
    if (!schemeFactor.isEmpty())
        scales << schemeFactor;

    const std::pair<int, int> chosen = ChosenPositions(r, options.positions);
    const SchemePosition chosenAt[2] = {SchemePositionOf(r, chosen.first), SchemePositionOf(r, chosen.second)};
    std::vector<PlanPicture> velocity, acceleration;
    for (const SchemePosition& at : chosenAt) {
        velocity.push_back(at.Solved() ? VelocityPlanOf(r, at) : PlanPicture{});
        if (at.HasAccelerations())
            acceleration.push_back(AccelerationPlanOf(r, at));
    }
    const double cellW = plans.width / 2;
    const double cellH = plans.height / 2;
    const double room = 3 * text;
    const std::optional<double> muV = PlanFactor({&velocity[0], &velocity[1]}, cellW - 2 * room, cellH - 2 * room);
    std::optional<double> muA;
    if (acceleration.size() == 2)
        muA = PlanFactor({&acceleration[0], &acceleration[1]}, cellW - 2 * room, cellH - 2 * room);
    for (int i = 0; i < 2; ++i) {
        const SheetField top{plans.x + i * cellW, plans.y + cellH, cellW, cellH};
        const SheetField bottom{plans.x + i * cellW, plans.y, cellW, cellH};
        if (muV)
            DrawPlan(body, Inset(top, text), velocity[static_cast<std::size_t>(i)], *muV,
                     QCoreApplication::translate("Report", "План скоростей, ") + PositionCaption(chosenAt[i]), text);
        if (muA)
            DrawPlan(body, Inset(bottom, text), acceleration[static_cast<std::size_t>(i)], *muA,
                     QCoreApplication::translate("Report", "План ускорений, ") + PositionCaption(chosenAt[i]), text);
    }
    if (muV)
        scales << QString::fromStdString(VelocityFactorText(*muV));
    if (muA)
        scales << QString::fromStdString(AccelerationFactorText(*muA));
    if (muV || muA) {
        QString line = muV ? QString::fromStdString(VelocityFactorText(*muV)) : QString();
        if (muA)
            line += (line.isEmpty() ? QString() : QStringLiteral(";  ")) + QString::fromStdString(AccelerationFactorText(*muA));
        body.Text({plans.Centre().x, plans.Top() - text}, text, line, TextAlign::Centre);
    }

    // The slider's diagrams over the turn, s from its lowest position.
    const KinematicsResult& k = r.Kinematics();
    const PositionArrays& p = k.diagrams.positions;
    const AccelerationArrays& a = k.diagrams.accelerations;
    const int rows = k.diagrams.Rows();
    const bool accelerations = k.diagrams.HasAccelerations();
    const MechanismCharacteristics* c = k.TurningCharacteristics();
    const double w = r.input.loads.Omega1;
    PlotCurve s, v, acc;
    for (int i = 0; i <= rows; ++i) {
        const auto at = static_cast<std::size_t>(i % std::max(1, rows));
        if (rows == 0)
            break;
        const double degrees = 360.0 * i / kDiagramPositionCount;
        s.degrees.push_back(degrees);
        v.degrees.push_back(degrees);
        s.values.push_back(p.Ye[at] - (c ? c->YeMin : 0));
        v.values.push_back(p.Ve[at] * w);
        if (accelerations) {
            acc.degrees.push_back(degrees);
            acc.values.push_back(a.Ae[at] * w * w);
        }
    }
    const double third = diagrams.height / 3;
    const struct {
        PlotCurve* curve;
        const char* symbol;
        const char* unit;
    } plots[] = {{&s, "s", QT_TRANSLATE_NOOP("Report", "м")}, {&v, "v", QT_TRANSLATE_NOOP("Report", "м/с")}, {&acc, "a", QT_TRANSLATE_NOOP("Report", "м/с²")}};
    for (int i = 0; i < 3; ++i) {
        const SheetField f{diagrams.x, diagrams.Top() - (i + 1) * third, diagrams.width, third};
        const QString symbol = QString::fromUtf8(plots[i].symbol) + QStringLiteral("E");
        const QString unit = QCoreApplication::translate("Report", plots[i].unit);
        if (const auto mu = DrawDiagram(body, f, {*plots[i].curve}, symbol, unit, text))
            scales << FactorText(symbol, *mu, unit);
    }
    const PlanPicture* vPlans[2] = {&velocity[0], &velocity[1]};
    const PlanPicture* aPlans[2] = {acceleration.size() == 2 ? &acceleration[0] : nullptr,
                                    acceleration.size() == 2 ? &acceleration[1] : nullptr};
    SegmentTable(body, table, vPlans, aPlans, muV.value_or(0), muA.value_or(0), chosen, text);

    DrawTitleBlock(body, options.format, SheetTitle(r, options, QCoreApplication::translate("Report", "Кинематический анализ"), 1,
                                                     SheetCount(r), scales));
    return body;
}
