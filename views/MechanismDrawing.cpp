#include "views/MechanismDrawing.h"

#include "chart/ChartGeometry.h"

#include "views/TImage.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr int kLabelFontHeight = 24;   // cell height of the label font, pixels
constexpr int kPlanPenWidth = 3;
constexpr int kLinkPenWidth = 4;
constexpr int kSupportPenWidth = 2;
constexpr int kRingRadius = 5;
constexpr int kGuideBelowE = 80;       // the guide runs from 80 px below E ...
constexpr int kGuideAboveE = 30;       // ... to 30 px above it
constexpr int kSupportDepth = 10;      // base line of a support, below its pivot
constexpr int kSupportHalfBase = 10;
constexpr int kSupportLegFoot = 8;
constexpr int kSupportLegTop = 5;

const QColor kLabelColour = Qt::red;
const QColor kPlanColour = Qt::black;
const QColor kLinkColour = Qt::blue;
const QColor kSupportColour = Qt::black;
constexpr QRgb kPathDotColour = 0xFF000000u;

using Pixel = std::optional<QPoint>;

// The canvas's default typeface at the largest pixel size whose line is at most 24 px high.
struct LabelFont {
    QFont font;
    int ascent = 0;
};

const LabelFont& LabelFontInUse()
{
    static const LabelFont labelFont = [] {
        LabelFont made;
        int size = kLabelFontHeight;
        for (; size > 1; --size) {
            made.font.setPixelSize(size);
            if (QFontMetrics(made.font).height() <= kLabelFontHeight)
                break;
        }
        made.font.setPixelSize(size);
        made.ascent = QFontMetrics(made.font).ascent();
        return made;
    }();
    return labelFont;
}

// Position i of the arrays, with the picture's origin moved to its centre for drawing it; none
// (and nothing moved) for an index outside the arrays.
std::optional<std::size_t> StartDrawing(TImage& image, const PositionArrays& arrays, int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= arrays.Size())
        return std::nullopt;
    image.MoveOriginToCentre();
    return static_cast<std::size_t>(i);
}

Pixel Shifted(const Pixel& p, int dx, int dy)
{
    if (!p)
        return std::nullopt;
    return *p + QPoint(dx, dy);
}

// A painter on the image's bitmap with the canvas state: origin, pen, brush, font.
class CanvasPainter : public QPainter {
public:
    explicit CanvasPainter(TImage& image) : QPainter(&image.Picture()), image_(image)
    {
        setRenderHint(QPainter::Antialiasing, false);
        translate(image.Origin);
        setBrush(image.BrushColor);
        ApplyPen();
        setFont(image.Font);
    }
    ~CanvasPainter() { image_.Changed(); }
    CanvasPainter(const CanvasPainter&) = delete;
    CanvasPainter& operator=(const CanvasPainter&) = delete;

    void SetPen(const QColor& colour, int width)
    {
        image_.PenColor = colour;
        image_.PenWidth = width;
        ApplyPen();
    }

    void SetLabelFont()
    {
        image_.Font = LabelFontInUse().font;
        image_.FontColor = kLabelColour;
        setFont(image_.Font);
    }

    // Text with its top-left corner at `corner`, on an opaque box of the brush colour.
    void Label(const Pixel& corner, const QString& text)
    {
        if (!corner)
            return;
        const QFontMetrics metrics = fontMetrics();
        fillRect(QRect(corner->x(), corner->y(), metrics.horizontalAdvance(text), metrics.height()),
                 image_.BrushColor);
        const QPen linePen = pen();
        QPainter::setPen(image_.FontColor);
        drawText(corner->x(), corner->y() + metrics.ascent(), text);
        QPainter::setPen(linePen);
    }

    void Line(const Pixel& from, const Pixel& to)
    {
        if (from && to)
            drawLine(*from, *to);
    }

    // An ellipse in the box of the given radius centred on the point, filled with the brush.
    void Ring(const Pixel& centre, int radius)
    {
        if (centre)
            drawEllipse(QRect(centre->x() - radius, centre->y() - radius, 2 * radius, 2 * radius));
    }

private:
    void ApplyPen()
    {
        QPainter::setPen(QPen(image_.PenColor, std::max(1, image_.PenWidth), Qt::SolidLine,
                              Qt::RoundCap, Qt::RoundJoin));
    }

    TImage& image_;
};

}  // namespace

std::optional<int> RoundPixel(double v)
{
    if (std::isnan(v))
        return std::nullopt;
    // The chart's pixel rounding: held within the limit, halves to even.
    return RoundClamped(v, kPixelLimit);
}

std::optional<QPoint> PlanMapping(double px, double py, double planScale)
{
    const auto x = RoundPixel(planScale * px);
    const auto y = RoundPixel(planScale * py);
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, -*y);
}

std::optional<QPoint> PositionMapping(double x, double y, double positionScale)
{
    const auto px = RoundPixel(positionScale * x);
    const auto py = RoundPixel(positionScale * y);
    if (!px || !py)
        return std::nullopt;
    return QPoint(kMechanismShiftX + *px, -*py);
}

void ClearImage(TImage& image)
{
    // The rectangle (0, 0)-(Width, Height) in bitmap pixels: outline of the pen's width inside
    // the edges, the rest the brush.
    QImage& picture = image.Picture();
    const int border = std::max(1, image.PenWidth);
    picture.fill(image.PenColor);
    const QRect inside = picture.rect().adjusted(border, border, -border, -border);
    if (inside.isValid()) {
        QPainter painter(&picture);
        painter.fillRect(inside, image.BrushColor);
    }
    image.Changed();
}

void DrawVelocityPlan(TImage& image, const PositionArrays& arrays, int i, double planScale)
{
    const std::optional<std::size_t> at = StartDrawing(image, arrays, i);
    if (!at)
        return;
    CanvasPainter canvas(image);
    canvas.SetLabelFont();

    const Pixel p = QPoint(0, 0);
    const Pixel a = PlanMapping(arrays.PlanXa[*at], arrays.PlanYa[*at], planScale);
    const Pixel b = PlanMapping(arrays.PlanXb[*at], arrays.PlanYb[*at], planScale);
    const Pixel d = PlanMapping(arrays.PlanXd[*at], arrays.PlanYd[*at], planScale);
    const Pixel e = PlanMapping(arrays.PlanXe[*at], arrays.PlanYe[*at], planScale);

    canvas.Label(QPoint(3, 3), QStringLiteral("p,o,c"));
    canvas.Label(a, QStringLiteral("a"));
    canvas.Label(b, QStringLiteral("b"));
    canvas.Label(d, QStringLiteral("d"));
    canvas.Label(e, QStringLiteral("e"));

    canvas.SetPen(kPlanColour, kPlanPenWidth);
    canvas.Line(p, a);
    canvas.Line(a, b);
    canvas.Line(b, p);
    canvas.Line(d, p);
    canvas.Line(d, e);
    canvas.Line(e, p);
}

namespace {

// The pixels of the moving joints E, A, B and D in position `at`.
struct JointPixels {
    Pixel e, a, b, d;
};

JointPixels JointsAt(const PositionArrays& arrays, std::size_t at, const Mechanism& m, double positionScale)
{
    return {PositionMapping(-m.GuideOffset, arrays.Ye[at], positionScale),
            PositionMapping(arrays.Xa[at], arrays.Ya[at], positionScale),
            PositionMapping(arrays.Xb[at], arrays.Yb[at], positionScale),
            PositionMapping(arrays.Xd[at], arrays.Yd[at], positionScale)};
}

}  // namespace

void DrawMechanism(TImage& image, const PositionArrays& arrays, int i, const Mechanism& m,
                   double positionScale)
{
    const std::optional<std::size_t> at = StartDrawing(image, arrays, i);
    if (!at)
        return;
    CanvasPainter canvas(image);
    canvas.SetLabelFont();

    const Pixel o = PositionMapping(0, 0, positionScale);
    const Pixel c = PositionMapping(-m.Loc, 0, positionScale);
    const auto [e, a, b, d] = JointsAt(arrays, *at, m, positionScale);

    canvas.Label(Shifted(o, 0, 7), QStringLiteral("O"));
    canvas.Label(Shifted(c, -7, 7), QStringLiteral("C"));
    canvas.Label(Shifted(e, -17, 7), QStringLiteral("E"));
    canvas.Label(Shifted(a, 7, -7), QStringLiteral("A"));
    canvas.Label(Shifted(b, 7, -20), QStringLiteral("B"));
    canvas.Label(Shifted(d, 7, -20), QStringLiteral("D"));

    canvas.SetPen(kLinkColour, kLinkPenWidth);
    canvas.Line(c, o);
    canvas.Line(o, a);
    canvas.Line(Shifted(e, 0, kGuideBelowE), Shifted(e, 0, -kGuideAboveE));
    canvas.Line(c, b);
    canvas.Line(b, a);
    canvas.Line(d, e);

    canvas.SetPen(kSupportColour, kSupportPenWidth);
    canvas.Line(Shifted(o, -kSupportHalfBase, kSupportDepth), Shifted(o, kSupportHalfBase, kSupportDepth));
    canvas.Line(Shifted(o, -kSupportLegFoot, kSupportDepth), Shifted(o, -kSupportLegTop, 0));
    canvas.Line(Shifted(o, kSupportLegFoot, kSupportDepth), Shifted(o, kSupportLegTop, 0));
    canvas.Ring(o, kRingRadius);

    // The support under C stands on the frame line y = 0.
    const Pixel cBase = c ? Pixel(QPoint(c->x(), 0)) : std::nullopt;
    canvas.Line(Shifted(cBase, kSupportHalfBase, kSupportDepth), Shifted(cBase, -kSupportHalfBase, kSupportDepth));
    canvas.Line(Shifted(cBase, kSupportLegFoot, kSupportDepth), Shifted(cBase, kSupportLegTop, 0));
    canvas.Line(Shifted(cBase, -kSupportLegFoot, kSupportDepth), Shifted(cBase, -kSupportLegTop, 0));
    canvas.Ring(c, kRingRadius);

    canvas.Ring(e, kRingRadius);
    canvas.Ring(a, kRingRadius);
    canvas.Ring(b, kRingRadius);
    canvas.Ring(d, kRingRadius);
}

void PlotPathPoints(TImage& image, const PositionArrays& arrays, int k, const Mechanism& m,
                    double positionScale)
{
    const std::optional<std::size_t> at = StartDrawing(image, arrays, k);
    if (!at)
        return;
    QImage& picture = image.Picture();
    const JointPixels joints = JointsAt(arrays, *at, m, positionScale);
    const Pixel dots[] = {joints.e, joints.a, joints.b, joints.d};
    for (const Pixel& dot : dots) {
        if (!dot)
            continue;
        const QPoint onBitmap = *dot + image.Origin;
        if (picture.rect().contains(onBitmap))
            picture.setPixel(onBitmap, kPathDotColour);
    }
    image.Changed();
}
