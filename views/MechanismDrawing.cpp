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
#include <utility>
#include <vector>

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

// Position i of the arrays; none for an index outside them.
std::optional<std::size_t> Position(const PositionArrays& arrays, int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= arrays.Size())
        return std::nullopt;
    return static_cast<std::size_t>(i);
}

Pixel Shifted(const Pixel& p, int dx, int dy)
{
    if (!p)
        return std::nullopt;
    return *p + QPoint(dx, dy);
}

// What a canvas keeps from one drawing to the next: a bitmap's lives in its TImage, a vector
// device's only for the drawing.
struct CanvasState {
    QColor penColour = Qt::black;
    int penWidth = 1;
    QColor fontColour = Qt::black;
    QFont font;
    QColor brushColour = Qt::white;
};

CanvasState StateOf(const TImage& image)
{
    return {image.PenColor, image.PenWidth, image.FontColor, image.Font, image.BrushColor};
}

void Keep(TImage& image, const CanvasState& state)
{
    image.PenColor = state.penColour;
    image.PenWidth = state.penWidth;
    image.FontColor = state.fontColour;
    image.Font = state.font;
    image.BrushColor = state.brushColour;
}

// A painter with the canvas state: pen, brush, font. Coordinates are the drawing's, the origin at
// the picture's centre.
class Canvas {
public:
    Canvas(QPainter& painter, CanvasState& state) : painter_(painter), state_(state)
    {
        painter_.setBrush(state_.brushColour);
        ApplyPen();
        painter_.setFont(state_.font);
    }

    void SetPen(const QColor& colour, int width)
    {
        state_.penColour = colour;
        state_.penWidth = width;
        ApplyPen();
    }

    void SetLabelFont()
    {
        state_.font = LabelFontInUse().font;
        state_.fontColour = kLabelColour;
        painter_.setFont(state_.font);
    }

    // Text with its top-left corner at `corner`, on an opaque box of the brush colour.
    void Label(const Pixel& corner, const QString& text)
    {
        if (!corner)
            return;
        // The screen's metrics wherever it is painted, so a PDF's letters sit where the window's do.
        const QFontMetrics metrics(state_.font);
        painter_.fillRect(QRect(corner->x(), corner->y(), metrics.horizontalAdvance(text), metrics.height()),
                          state_.brushColour);
        const QPen linePen = painter_.pen();
        painter_.setPen(state_.fontColour);
        painter_.drawText(corner->x(), corner->y() + metrics.ascent(), text);
        painter_.setPen(linePen);
    }

    void Line(const Pixel& from, const Pixel& to)
    {
        if (from && to)
            painter_.drawLine(*from, *to);
    }

    // An ellipse in the box of the given radius centred on the point, filled with the brush.
    void Ring(const Pixel& centre, int radius)
    {
        if (centre)
            painter_.drawEllipse(QRect(centre->x() - radius, centre->y() - radius, 2 * radius, 2 * radius));
    }

private:
    void ApplyPen()
    {
        painter_.setPen(QPen(state_.penColour, std::max(1, state_.penWidth), Qt::SolidLine, Qt::RoundCap,
                             Qt::RoundJoin));
    }

    QPainter& painter_;
    CanvasState& state_;
};

// Letters beside their points: each at its usual corner, moved round its point only where it would
// cover a letter placed before it or another joint's ring.
class LabelPlacer {
public:
    explicit LabelPlacer(const QFont& font) : metrics_(font) {}

    void AddRing(const Pixel& centre, int radius)
    {
        if (centre)
            rings_.push_back({*centre, QRect(centre->x() - radius, centre->y() - radius, 2 * radius + 1, 2 * radius + 1)});
    }

    // The corner for `text` naming `point`, `usual` its corner's offset from the point. The
    // usual corner comes first, so a drawing whose letters had room keeps every pixel.
    Pixel Place(const Pixel& point, QPoint usual, const QString& text)
    {
        if (!point)
            return std::nullopt;
        const QSize size(metrics_.horizontalAdvance(text), metrics_.height());
        const int w = size.width();
        const int h = size.height();
        const QPoint offsets[] = {usual, {7, -h + 4}, {7, 7}, {-w - 7, -h + 4}, {-w - 7, 7}, {-w / 2, -h - 7}, {-w / 2, 7}};
        for (int distance = 1; distance <= 3; ++distance) {
            for (const QPoint offset : offsets) {
                const QPoint corner = *point + (offset == usual ? usual : offset * distance);
                const QRect box(corner, size);
                if (Free(box, *point)) {
                    taken_.push_back(box);
                    return corner;
                }
            }
        }
        const QPoint corner = *point + usual;
        taken_.push_back(QRect(corner, size));
        return corner;
    }

private:
    bool Free(const QRect& box, QPoint own) const
    {
        for (const QRect& r : taken_)
            if (r.intersects(box))
                return false;
        for (const auto& [centre, ring] : rings_)
            if (centre != own && ring.intersects(box))
                return false;
        return true;
    }

    QFontMetrics metrics_;
    std::vector<QRect> taken_;
    std::vector<std::pair<QPoint, QRect>> rings_;
};

// Runs `paint` on a painter of the image's bitmap with its canvas state, origin at the centre.
template <typename Paint>
void OnBitmap(TImage& image, Paint paint)
{
    image.MoveOriginToCentre();
    CanvasState state = StateOf(image);
    {
        QPainter painter(&image.Picture());
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(image.Origin);
        Canvas canvas(painter, state);
        paint(canvas);
    }
    Keep(image, state);
    image.Changed();
}

// Runs `paint` on any painter, leaving the painter as it was.
template <typename Paint>
void OnPainter(QPainter& painter, Paint paint)
{
    painter.save();
    CanvasState state;
    {
        Canvas canvas(painter, state);
        paint(canvas);
    }
    painter.restore();
}

void PaintPlan(Canvas& canvas, const PositionArrays& arrays, std::size_t at, double planScale)
{
    canvas.SetLabelFont();

    const Pixel p = QPoint(0, 0);
    const Pixel a = PlanMapping(arrays.PlanXa[at], arrays.PlanYa[at], planScale);
    const Pixel b = PlanMapping(arrays.PlanXb[at], arrays.PlanYb[at], planScale);
    const Pixel d = PlanMapping(arrays.PlanXd[at], arrays.PlanYd[at], planScale);
    const Pixel e = PlanMapping(arrays.PlanXe[at], arrays.PlanYe[at], planScale);

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

// The six letters: each at its usual corner, moved only where it would cover a letter placed
// before it or another joint's ring.
std::vector<MechanismLetter> PlaceLetters(const Pixel& o, const Pixel& c, const JointPixels& j)
{
    LabelPlacer placer(LabelFontInUse().font);
    for (const Pixel& ring : {o, c, j.e, j.a, j.b, j.d})
        placer.AddRing(ring, kRingRadius);
    const struct {
        const Pixel& point;
        QPoint usual;
        const char* text;
    } labels[] = {
        {o, {0, 7}, "O"}, {c, {-7, 7}, "C"}, {j.e, {-17, 7}, "E"}, {j.a, {7, -7}, "A"}, {j.b, {7, -20}, "B"}, {j.d, {7, -20}, "D"},
    };
    const QFontMetrics metrics(LabelFontInUse().font);
    std::vector<MechanismLetter> letters;
    for (const auto& label : labels) {
        const QString text = QString::fromLatin1(label.text);
        if (const Pixel corner = placer.Place(label.point, label.usual, text))
            letters.push_back({text, *label.point, QRect(*corner, QSize(metrics.horizontalAdvance(text), metrics.height()))});
    }
    return letters;
}

void PaintLinks(Canvas& canvas, const PositionArrays& arrays, std::size_t at, const Mechanism& m,
                double positionScale)
{
    canvas.SetLabelFont();

    const Pixel o = PositionMapping(0, 0, positionScale);
    const Pixel c = PositionMapping(-m.Loc, 0, positionScale);
    const auto [e, a, b, d] = JointsAt(arrays, at, m, positionScale);

    for (const MechanismLetter& letter : PlaceLetters(o, c, {e, a, b, d}))
        canvas.Label(letter.box.topLeft(), letter.text);

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
    if (const auto at = Position(arrays, i))
        OnBitmap(image, [&](Canvas& canvas) { PaintPlan(canvas, arrays, *at, planScale); });
}

void PaintVelocityPlan(QPainter& painter, const PositionArrays& arrays, int i, double planScale)
{
    if (const auto at = Position(arrays, i))
        OnPainter(painter, [&](Canvas& canvas) { PaintPlan(canvas, arrays, *at, planScale); });
}

void DrawMechanism(TImage& image, const PositionArrays& arrays, int i, const Mechanism& m,
                   double positionScale)
{
    if (const auto at = Position(arrays, i))
        OnBitmap(image, [&](Canvas& canvas) { PaintLinks(canvas, arrays, *at, m, positionScale); });
}

void PaintMechanism(QPainter& painter, const PositionArrays& arrays, int i, const Mechanism& m,
                    double positionScale)
{
    if (const auto at = Position(arrays, i))
        OnPainter(painter, [&](Canvas& canvas) { PaintLinks(canvas, arrays, *at, m, positionScale); });
}

std::vector<MechanismLetter> MechanismLetters(const PositionArrays& arrays, int i, const Mechanism& m,
                                              double positionScale)
{
    const auto at = Position(arrays, i);
    if (!at)
        return {};
    return PlaceLetters(PositionMapping(0, 0, positionScale), PositionMapping(-m.Loc, 0, positionScale),
                        JointsAt(arrays, *at, m, positionScale));
}

void PlotPathPoints(TImage& image, const PositionArrays& arrays, int k, const Mechanism& m,
                    double positionScale)
{
    const std::optional<std::size_t> at = Position(arrays, k);
    if (!at)
        return;
    image.MoveOriginToCentre();
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

void PaintPathPoints(QPainter& painter, const PositionArrays& arrays, int rows, const Mechanism& m,
                     double positionScale, const QRect& bounds)
{
    const int count = std::min(rows, static_cast<int>(arrays.Size()));
    for (int k = 0; k < count; ++k) {
        const JointPixels joints = JointsAt(arrays, static_cast<std::size_t>(k), m, positionScale);
        for (const Pixel& dot : {joints.e, joints.a, joints.b, joints.d})
            if (dot && bounds.contains(*dot))
                painter.fillRect(QRect(*dot, QSize(1, 1)), QColor::fromRgb(kPathDotColour));
    }
}
