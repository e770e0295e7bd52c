#pragma once
// The drawings of the drawing tab: the velocity plan of one crank position, the mechanism in that
// position, the path dots of the joints, and the blanking of a picture. Each Draw routine draws
// straight onto the persistent bitmap of a TImage and never blanks by itself; each Paint routine
// paints the same drawing through any painter (a PDF, an SVG, a printer), so vectors stay vectors.
//
// Coordinates are relative to the centre of the image, x to the right and y downwards.
//   plan point (PX, PY)   -> ([s*PX], -[s*PY])          s = plan scale, pixels per m/s
//   world point (X, Y)    -> (100 + [s*X], -[s*Y])      s = position scale, pixels per metre
// where [v] rounds to the nearest integer, ties to even.

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"

#include <QPoint>
#include <QRect>

#include <QString>

#include <optional>
#include <vector>

class QPainter;
class TImage;

// The drawing tab's two pictures (the velocity plan, the mechanism) and their scales at start-up;
// the pictures made without the window have the same sizes and scales.
constexpr int kVelocityPlanWidth = 335;
constexpr int kMechanismPictureWidth = 356;
constexpr int kDrawingHeight = 368;
constexpr int kDefaultPlanScale = 500;      // pixels per m/s
constexpr int kDefaultPositionScale = 250;  // pixels per metre

// Products beyond this many pixels are held at it: far off the picture, yet safe as integers.
constexpr int kPixelLimit = 100000;
// The world origin O lies this many pixels right of the image centre.
constexpr int kMechanismShiftX = 100;

// [v], held within +-kPixelLimit; NaN gives no pixel.
std::optional<int> RoundPixel(double v);
// Pixel of a velocity plan point; no pixel when a product is NaN.
std::optional<QPoint> PlanMapping(double px, double py, double planScale);
// Pixel of a world point of the mechanism; no pixel when a product is NaN.
std::optional<QPoint> PositionMapping(double x, double y, double positionScale);

// Blanks the whole picture with the white brush; the outline keeps the canvas's current pen, so
// a border of the last pen width stays.
void ClearImage(TImage& image);

// The velocity plan of position i: labels p,o,c / a / b / d / e, then the six segments in black.
// An index outside the arrays draws nothing.
void DrawVelocityPlan(TImage& image, const PositionArrays& arrays, int i, double planScale);

// The mechanism in position i: labels, links and guide in blue, the two supports, and the joint
// rings at E, A, B, D. An index outside the arrays draws nothing.
void DrawMechanism(TImage& image, const PositionArrays& arrays, int i, const Mechanism& m,
                   double positionScale);

// Four black pixels, the places of E, A, B and D in position k. An index outside the arrays
// sets none.
void PlotPathPoints(TImage& image, const PositionArrays& arrays, int k, const Mechanism& m,
                    double positionScale);

// A letter of the mechanism's drawing: what it names and where its box fell. Each letter sits at
// its usual corner beside its joint unless that would cover a letter placed before it or another
// joint's ring; then it moves round its joint.
struct MechanismLetter {
    QString text;
    QPoint joint;
    QRect box;
};
std::vector<MechanismLetter> MechanismLetters(const PositionArrays& arrays, int i, const Mechanism& m,
                                              double positionScale);

// The same drawings through `painter`, whose origin the caller has put at the picture's centre;
// the painter is left as it was. The path dots are the first `rows` positions' within `bounds`.
void PaintVelocityPlan(QPainter& painter, const PositionArrays& arrays, int i, double planScale);
void PaintMechanism(QPainter& painter, const PositionArrays& arrays, int i, const Mechanism& m,
                    double positionScale);
void PaintPathPoints(QPainter& painter, const PositionArrays& arrays, int rows, const Mechanism& m,
                     double positionScale, const QRect& bounds);
