#pragma once
// The acceleration plan of one crank position, drawn as a student draws it by hand: from the pole
// π the accelerations of A, B, D and E to scale, and the construction of b and e from the
// normal and tangential parts of the relative accelerations:
//   πb = πa + a_BA^n + a_BA^τ = a_BC^n + a_BC^τ   (C is fixed)
//   πd: d halves ab                               (D is the middle of AB)
//   πe = πd + a_ED^n + a_ED^τ, vertical           (E runs on the vertical guide)
// The end of each normal part is the point n1, n2, n3. The whole plan is centred in the picture.

#include "kinematics/Accelerations.h"
#include "views/PlanCanvas.h"

#include <QRect>

#include <cstddef>
#include <vector>

class QImage;
class QPainter;

// Plan vectors in m/s² (x to the right, y upwards).
struct AccelerationPlan {
    PlanVector a, b, d, e;
    PlanVector nBA, tBA, nBC, tBC, nED, tED;
};

// The plan of position k of `a` (computed for ω1 = 1) at the crank speed `omega1`: every vector
// times ω1². Checked: an overflow raises FloatingPointError.
AccelerationPlan AccelerationPlanAt(const AccelerationArrays& a, std::size_t k, double omega1);

// Blanks `picture` and draws the plan at `scale` pixels per m/s², with the scale bar.
DrawnPlan DrawAccelerationPlan(QImage& picture, const AccelerationPlan& plan, double scale);
// The same plan through any painter onto a picture of `size`, without blanking it.
DrawnPlan PaintAccelerationPlan(QPainter& painter, QSize size, const AccelerationPlan& plan, double scale);
