#pragma once
// A drawing sheet as a list of primitives in millimetres of paper, x to the right and y upwards
// from the sheet's lower-left corner, each on one layer by its kind of line. The same list is
// painted through QPainter (PDF, SVG) and written as DXF, so the three files show one drawing.

#include <QString>

#include <variant>
#include <vector>

// One layer per kind of line, as a drawing standard names them.
enum class SheetLayer { Contour, Thin, Axis, Text, Dimension };

// "contour", "thin", "axis", "text", "dimension".
const char* LayerName(SheetLayer layer);
// Line width in mm on paper.
double LayerLineWidth(SheetLayer layer);

struct SheetPoint {
    double x = 0;
    double y = 0;
};

inline SheetPoint operator+(SheetPoint a, SheetPoint b) { return {a.x + b.x, a.y + b.y}; }
inline SheetPoint operator-(SheetPoint a, SheetPoint b) { return {a.x - b.x, a.y - b.y}; }
inline SheetPoint operator*(SheetPoint a, double k) { return {a.x * k, a.y * k}; }

struct SheetLine {
    SheetLayer layer;
    SheetPoint from, to;
};

struct SheetCircle {
    SheetLayer layer;
    SheetPoint centre;
    double radius = 0;
    bool filled = false;
};

// Counter-clockwise from `startDegrees` to `endDegrees`.
struct SheetArc {
    SheetLayer layer;
    SheetPoint centre;
    double radius = 0;
    double startDegrees = 0;
    double endDegrees = 0;
};

enum class TextAlign { Left, Centre, Right };

// `at` is the baseline's left end, middle or right end; `height` the capital height in mm.
struct SheetText {
    SheetPoint at;
    double height = 3.5;
    QString text;
    TextAlign align = TextAlign::Left;
    double angleDegrees = 0;
};

struct SheetPolyline {
    SheetLayer layer;
    std::vector<SheetPoint> points;
    bool closed = false;
    bool filled = false;
};

using SheetItem = std::variant<SheetLine, SheetCircle, SheetArc, SheetText, SheetPolyline>;

class SheetDrawing {
public:
    SheetDrawing(double widthMm, double heightMm) : width_(widthMm), height_(heightMm) {}

    double Width() const { return width_; }
    double Height() const { return height_; }
    const std::vector<SheetItem>& Items() const { return items_; }

    void Line(SheetLayer layer, SheetPoint from, SheetPoint to) { items_.push_back(SheetLine{layer, from, to}); }
    void Circle(SheetLayer layer, SheetPoint centre, double radius, bool filled = false)
    {
        items_.push_back(SheetCircle{layer, centre, radius, filled});
    }
    void Arc(SheetLayer layer, SheetPoint centre, double radius, double startDegrees, double endDegrees)
    {
        items_.push_back(SheetArc{layer, centre, radius, startDegrees, endDegrees});
    }
    void Text(SheetPoint at, double height, const QString& text, TextAlign align = TextAlign::Left,
              double angleDegrees = 0)
    {
        items_.push_back(SheetText{at, height, text, align, angleDegrees});
    }
    void Polyline(SheetLayer layer, std::vector<SheetPoint> points, bool closed = false, bool filled = false)
    {
        items_.push_back(SheetPolyline{layer, std::move(points), closed, filled});
    }
    void Rectangle(SheetLayer layer, SheetPoint lowerLeft, double width, double height)
    {
        Polyline(layer, {lowerLeft, lowerLeft + SheetPoint{width, 0}, lowerLeft + SheetPoint{width, height},
                         lowerLeft + SheetPoint{0, height}},
                 true);
    }
    // A vector from `from` to `to` with a filled head of `headMm` at `to` (none when shorter).
    void Arrow(SheetLayer layer, SheetPoint from, SheetPoint to, double headMm = 3);

private:
    double width_;
    double height_;
    std::vector<SheetItem> items_;
};
