#include "report/SheetPictures.h"

#include "kinematics/NumberText.h"
#include "kinematics/ScaleFactors.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QCoreApplication>

namespace {

constexpr double kDegreesPerTurn = 360;
constexpr double kTickDegrees = 30;
// Letters are estimated this wide per character, in letter heights.
constexpr double kLetterWidth = 0.7;

struct Box {
    double left, bottom, right, top;
    bool Overlaps(const Box& o) const { return left < o.right && o.left < right && bottom < o.top && o.bottom < top; }
};

QString Number(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

// The paper distances between the value labels of a diagram, mm: the smallest that leaves room
// for the letters. At a round factor each is a round step of the values too.
constexpr double kLabelSpacingsMm[] = {5, 10, 20, 25, 50, 100};

// The values axis's labels: a tick and the value at every step from 0 within bottom .. top (mm of
// paper), at `mu` values per mm, so that a label's height above the φ axis is its value / mu.
void ValueLabels(SheetDrawing& sheet, double left, double zero, double bottom, double top, double mu, double textHeight)
{
    const double letters = textHeight * 0.7;
    double spacing = kLabelSpacingsMm[std::size(kLabelSpacingsMm) - 1];
    for (const double s : kLabelSpacingsMm) {
        if (s >= 2.2 * letters) {
            spacing = s;
            break;
        }
    }
    const double step = spacing * mu;
    const auto below = static_cast<int>(std::floor((zero - bottom) / spacing + 1e-9));
    // The highest label stays under the quantity's name.
    const auto above = static_cast<int>(std::floor((top - textHeight - zero) / spacing + 1e-9));
    for (int i = -below; i <= above; ++i) {
        const double y = zero + i * spacing;
        sheet.Line(SheetLayer::Thin, {left - textHeight * 0.3, y}, {left + textHeight * 0.3, y});
        sheet.Text({left - textHeight * 0.5, y - letters / 2}, letters, Number(i * step), TextAlign::Right);
    }
}

// How far the points spread along one coordinate, the pole (0, 0) included.
double Extent(const std::vector<PlanPicture::Point>& points, double PlanPicture::Point::*coordinate)
{
    double lo = 0, hi = 0;
    for (const PlanPicture::Point& p : points) {
        lo = std::min(lo, p.*coordinate);
        hi = std::max(hi, p.*coordinate);
    }
    return hi - lo;
}

}  // namespace

int PlanPicture::Add(const QString& name, double x, double y)
{
    points.push_back({name, x, y});
    return static_cast<int>(points.size()) - 1;
}

void PlanPicture::Join(int from, int to, bool arrow, SheetLayer layer)
{
    segments.push_back({from, to, arrow, layer});
}

double PlanPicture::Width() const
{
    return Extent(points, &Point::x);
}

double PlanPicture::Height() const
{
    return Extent(points, &Point::y);
}

double PlanPicture::LargestReach() const
{
    double reach = 0;
    for (const Point& p : points)
        reach = std::max(reach, std::hypot(p.x, p.y));
    return reach;
}

std::optional<double> PlanFactor(const std::vector<const PlanPicture*>& plans, double widthMm, double heightMm)
{
    std::optional<double> mu;
    for (const PlanPicture* plan : plans) {
        for (const auto& [extent, room] : {std::pair{plan->Width(), widthMm}, std::pair{plan->Height(), heightMm}}) {
            if (!(extent > 0))
                continue;
            const std::optional<double> fits = ChooseRoundFactor(extent, room);
            if (fits && (!mu || *fits > *mu))
                mu = fits;
        }
    }
    return mu;
}

SheetPoint DrawPlan(SheetDrawing& sheet, const SheetField& field, const PlanPicture& plan, double mu,
                    const QString& caption, double textHeight)
{
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const PlanPicture::Point& p : plan.points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    // The plan's extent in the middle of the field, above the caption's line.
    const SheetPoint centre = field.Centre() + SheetPoint{0, textHeight};
    const SheetPoint pole = centre - SheetPoint{(minX + maxX) / 2 / mu, (minY + maxY) / 2 / mu};
    std::vector<SheetPoint> at;
    for (const PlanPicture::Point& p : plan.points)
        at.push_back(pole + SheetPoint{p.x / mu, p.y / mu});

    for (const PlanPicture::Segment& s : plan.segments) {
        const SheetPoint from = at[static_cast<std::size_t>(s.from)];
        const SheetPoint to = at[static_cast<std::size_t>(s.to)];
        if (s.arrow)
            sheet.Arrow(s.layer, from, to, textHeight * 0.6);
        else
            sheet.Line(s.layer, from, to);
    }
    // Letters beside their points, away from the plan's middle, never over one placed before.
    SheetPoint middle{0, 0};
    for (const SheetPoint& p : at)
        middle = middle + p;
    middle = at.empty() ? centre : middle * (1.0 / static_cast<double>(at.size()));
    std::vector<Box> placed;
    for (std::size_t i = 0; i < at.size(); ++i) {
        const QString& name = plan.points[i].name;
        if (name.isEmpty())
            continue;
        const double w = kLetterWidth * textHeight * static_cast<double>(name.size());
        const double h = textHeight;
        SheetPoint away = at[i] - middle;
        const double length = std::hypot(away.x, away.y);
        const double start = length > 0 ? std::atan2(away.y, away.x) : M_PI / 4;
        Box chosen{};
        bool found = false;
        for (int ring = 1; ring <= 3 && !found; ++ring) {
            for (int step = 0; step < 8 && !found; ++step) {
                const double angle = start + (step % 2 == 0 ? 1 : -1) * ((step + 1) / 2) * M_PI / 4;
                const double gap = 0.6 * h * ring;
                const SheetPoint c = at[i] + SheetPoint{std::cos(angle) * (gap + w / 2), std::sin(angle) * (gap + h / 2)};
                const Box box{c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
                const bool free = std::none_of(placed.begin(), placed.end(), [&box](const Box& b) { return b.Overlaps(box); });
                if (free || (ring == 3 && step == 7)) {
                    chosen = box;
                    found = true;
                }
            }
        }
        placed.push_back(chosen);
        sheet.Text({chosen.left, chosen.bottom}, h * 0.8, name);
    }
    sheet.Text({field.Centre().x, field.y + 0.5 * textHeight}, textHeight, caption, TextAlign::Centre);
    return pole;
}

QString FactorText(const QString& symbol, double mu, const QString& unit)
{
    return QStringLiteral("μ") + symbol + QStringLiteral(" = ") + Number(mu) + u' ' + unit + QCoreApplication::translate("Report", "/мм");
}

SheetField Inset(const SheetField& field, double margin)
{
    return {field.x + margin, field.y + margin, std::max(0.0, field.width - 2 * margin),
            std::max(0.0, field.height - 2 * margin)};
}

std::optional<double> DrawDiagram(SheetDrawing& sheet, const SheetField& field, const std::vector<PlotCurve>& curves,
                                  const QString& symbol, const QString& unit, double textHeight)
{
    // Room at the left for the name, below for the ticks' numbers and the factors.
    const double left = field.x + 4 * textHeight;
    const double room = field.Right() - left - 2 * textHeight;
    const double bottom = field.y + 3.5 * textHeight;
    const double top = field.Top() - 1.5 * textHeight;
    if (!(room > 0) || !(top > bottom))
        return std::nullopt;
    // A round factor for the angle too: the axis is as long as 360° at it.
    const double muPhi = ChooseRoundFactor(kDegreesPerTurn, room).value_or(kDegreesPerTurn / room);
    const double axisLength = kDegreesPerTurn / muPhi;

    double largest = 0, lo = 0, hi = 0;
    for (const PlotCurve& c : curves)
        for (const double v : c.values)
            if (std::isfinite(v)) {
                largest = std::max(largest, std::fabs(v));
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
    // The φ axis where the values are 0, the room above and below it as the values need.
    const double span = hi - lo;
    std::optional<double> mu = ChooseRoundFactor(span > 0 ? span : largest, top - bottom);
    const double zero = mu ? std::clamp(bottom + (-lo) / *mu, bottom, top) : (bottom + top) / 2;

    sheet.Arrow(SheetLayer::Thin, {left, zero}, {left + axisLength + textHeight, zero}, textHeight * 0.6);
    sheet.Arrow(SheetLayer::Thin, {left, bottom}, {left, top + textHeight}, textHeight * 0.6);
    sheet.Text({left + axisLength + textHeight, zero - 1.4 * textHeight}, textHeight, QStringLiteral("φ, °"),
               TextAlign::Right);
    sheet.Text({left - 0.5 * textHeight, top + 0.2 * textHeight}, textHeight, symbol + QStringLiteral(", ") + unit,
               TextAlign::Right);
    for (double d = 0; d <= kDegreesPerTurn; d += kTickDegrees) {
        const double x = left + d / muPhi;
        sheet.Line(SheetLayer::Thin, {x, zero - textHeight * 0.3}, {x, zero + textHeight * 0.3});
        if (d > 0 && d < kDegreesPerTurn)
            sheet.Text({x, zero - 1.3 * textHeight}, textHeight * 0.7, Number(d), TextAlign::Centre);
    }
    if (mu) {
        ValueLabels(sheet, left, zero, bottom, top, *mu, textHeight);
        for (const PlotCurve& c : curves) {
            std::vector<SheetPoint> points;
            const std::size_t n = std::min(c.degrees.size(), c.values.size());
            for (std::size_t i = 0; i < n; ++i)
                if (std::isfinite(c.values[i]) && std::isfinite(c.degrees[i]))
                    points.push_back({left + c.degrees[i] / muPhi, zero + c.values[i] / *mu});
            if (points.size() > 1)
                sheet.Polyline(c.layer, points);
        }
    }
    QString factors = FactorText(QStringLiteral("φ"), muPhi, QStringLiteral("°"));
    if (mu)
        factors += QStringLiteral(";  ") + FactorText(symbol, *mu, unit);
    sheet.Text({left, field.y + 0.5 * textHeight}, textHeight * 0.8, factors);
    return mu;
}
