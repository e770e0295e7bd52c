#pragma once
// Shared pieces of the drawing tests: the default mechanism in position 0 and 2 of an 8-position
// solve, images of the drawing tab's sizes, and pixel helpers in drawing coordinates.

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "views/TImage.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <memory>

constexpr int kPlanWidth = 335;
constexpr int kMechanismWidth = 356;
constexpr int kImageHeight = 368;

inline std::unique_ptr<TImage> MakeImage(int width, int height)
{
    auto image = std::make_unique<TImage>();
    image->resize(width, height);
    return image;
}

inline Mechanism DefaultMechanism()
{
    Mechanism m;
    SetDefaultParameters(m);  // 0,1; 0,6; 0,6; 0,5; 1, N = 8, Lad 0,3, GuideOffset 0,5
    return m;
}

// One position's values, as the solver leaves them (rounded to six places).
struct PositionValues {
    double xa, ya, xb, yb, xd, yd, ye;
    double planXa, planYa, planXb, planYb, planXe, planYe;
};

inline void Put(PositionArrays& a, std::size_t k, const PositionValues& v)
{
    a.Xa[k] = v.xa; a.Ya[k] = v.ya; a.Xb[k] = v.xb; a.Yb[k] = v.yb;
    a.Xd[k] = v.xd; a.Yd[k] = v.yd; a.Ye[k] = v.ye;
    a.PlanXa[k] = v.planXa; a.PlanYa[k] = v.planYa; a.PlanXb[k] = v.planXb; a.PlanYb[k] = v.planYb;
    a.PlanXd[k] = (v.planXa + v.planXb) / 2; a.PlanYd[k] = (v.planYa + v.planYb) / 2;
    a.PlanXe[k] = v.planXe; a.PlanYe[k] = v.planYe;
}

inline void ResizeAll(PositionArrays& a, std::size_t n)
{
    for (auto* v : {&a.Xa, &a.Ya, &a.Xb, &a.Yb, &a.Xd, &a.Yd, &a.Ye, &a.Vxa, &a.Vya, &a.Vxb, &a.Vyb,
                    &a.Vxd, &a.Vyd, &a.Ve, &a.Va, &a.PlanXa, &a.PlanYa, &a.PlanXb, &a.PlanYb,
                    &a.PlanXd, &a.PlanYd, &a.PlanXe, &a.PlanYe, &a.Gamma})
        v->resize(n, 0.0);
}

// Positions 0 (phi = 0) and 1 (phi = pi/2) of the defaults; position 1 of the arrays holds what
// the solver gives for position 2 of 8.
inline PositionArrays DefaultArrays()
{
    PositionArrays a;
    ResizeAll(a, 2);
    Put(a, 0, {0.1, 0, -0.45, 0.239792, -0.175, 0.119896, -0.260071,
               0, 0.1, -0.021799, 0.05, 0, 0.065677});
    Put(a, 1, {0, 0.1, -0.532624, 0.376245, -0.266312, 0.238122, -0.203907,
               -0.1, 0, -0.060817, 0.075548, 0, -0.004736});
    return a;
}

// Pixel of the picture at drawing coordinates (relative to the image centre).
inline QColor At(const TImage& image, int x, int y)
{
    const QPoint centre(image.width() / 2, image.height() / 2);
    return QColor(image.Picture().pixel(centre + QPoint(x, y)));
}

inline bool IsWhite(const QColor& c) { return c == QColor(Qt::white); }
inline bool IsBlack(const QColor& c) { return c == QColor(Qt::black); }
inline bool IsBlue(const QColor& c) { return c == QColor(Qt::blue); }
inline bool IsReddish(const QColor& c) { return c.red() > 150 && c.green() < 120 && c.blue() < 120; }
