#pragma once
// Pieces shared by the vector plans of the analysis tabs (accelerations, forces): a vector in plan
// units, the pixel mapping that keeps a whole plan centred in its picture, arrows, letters placed
// so that they do not overlap, and the scale bar.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QImage;
class QPainter;

struct PlanVector {
    double x = 0;
    double y = 0;
};

inline PlanVector operator+(PlanVector a, PlanVector b) { return {a.x + b.x, a.y + b.y}; }

// Plan units -> picture pixels: x to the right, y upwards on paper (downwards in pixels), `scale`
// pixels per unit, and a shift that puts the middle of the plan's extent at the picture's middle.
class PlanFrame {
public:
    // The frame in which `points` (with the pole) fill the middle of a picture of `size`.
    PlanFrame(const std::vector<PlanVector>& points, double scale, QSize size);
    // The pixel of a plan point; none when it is not a finite number.
    std::optional<QPoint> Pixel(PlanVector p) const;
    double Scale() const { return scale_; }

private:
    double scale_;
    QPoint shift_;
};

// A letter to place: the point it names and its text.
struct PlanLabel {
    QPoint anchor;
    QString text;
};

// Boxes for the letters, each next to its point: the first free place among eight directions at
// growing distance, starting with the side away from `away` (the pole). A box never overlaps a
// box placed before it nor covers a lettered point; it stays within `bounds` where that leaves
// room.
std::vector<QRect> PlaceLabels(const std::vector<PlanLabel>& labels, const QFont& font, QPoint away,
                               const QRect& bounds);

// The pixels per unit at which every plan of `plans` (each point relative to its pole, the pole
// included) fits `area` less `margin` pixels on every side, centred as PlanFrame centres it: one
// over the smallest round factor (1, 2, 2,5, 4 or 5 times a power of ten units per pixel) that
// fits them all. 0 when no plan has an extent (nothing moves).
double FittingPlanScale(const std::vector<std::vector<PlanVector>>& plans, QSize area, int margin);
double FittingPlanScale(const std::vector<PlanVector>& points, QSize area, int margin);

// The part of a picture of `size` left for the plan: all but the band of the scale bar.
QRect PlanArea(QSize size);

// The font of plan letters and captions.
QFont PlanFont();

// What was drawn, for checking the picture: the letters and their boxes.
struct DrawnPlan {
    std::vector<PlanLabel> labels;
    std::vector<QRect> boxes;
};

// Blanks `picture` white and runs `paint` with a painter on it that draws without antialiasing.
DrawnPlan PaintOnBlank(QImage& picture, const std::function<DrawnPlan(QPainter&, QSize)>& paint);
// A line from `from` to `to` with an arrowhead at `to` (no head on a line shorter than the head).
void DrawArrow(QPainter& painter, QPoint from, QPoint to, const QColor& colour, int width,
               Qt::PenStyle style = Qt::SolidLine);
// Letters in red on white boxes at the places PlaceLabels gave.
void DrawLabels(QPainter& painter, const std::vector<PlanLabel>& labels, const std::vector<QRect>& boxes);

// The scale bar in the lower-left corner: a bar of kScaleBarPixels with the caption
// "μ<symbol> = <units per pixel> <unit>/пикс" (units per pixel = 1 / pixels per unit).
constexpr int kScaleBarPixels = 50;
void DrawScaleBar(QPainter& painter, QSize size, const QString& symbol, double pixelsPerUnit, const QString& unit);
// The caption of the scale bar, in the program's number text.
QString ScaleBarText(const QString& symbol, double pixelsPerUnit, const QString& unit);
