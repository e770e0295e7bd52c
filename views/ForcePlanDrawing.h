#pragma once
// The force plan of a structural group: its forces laid head to tail to scale, as a student
// draws the vector equation of the group's equilibrium. The chain closes when the group is in
// equilibrium. Reactions split into parts are joined by their resultants, drawn dashed.

#include "kinematics/ForceAnalysis.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/PlanCanvas.h"

#include <QString>

#include <vector>

class QImage;
class QPainter;

struct ForceChainLink {
    QString name;        // "G2", "Fи2", "R12τ", ...
    PlanVector force;    // N
    bool reaction = false;
};

// A resultant from the start of chain link `from` to the end of chain link `to`.
struct ForceResultant {
    QString name;
    int from = 0;
    int to = 0;
};

struct ForcePlan {
    std::vector<ForceChainLink> chain;
    std::vector<ForceResultant> resultants;
};

// The equilibrium of links 2 and 3 as a student lays it out: the tangential part of R12 first,
// the known loads, then R03 in its two parts and the normal part of R12 closing the chain; the
// full reactions R12 and R03 as resultants. theta2, theta3: the directions A->B and C->B.
ForcePlan GroupPlan(const PositionForces& f, double theta2, double theta3);

// The points of the chain: the start, then the end of every link in turn.
std::vector<PlanVector> ChainPoints(const ForcePlan& plan);

// Blanks `picture` and draws the plan at `scale` pixels per newton, with the scale bar. Links
// shorter than a pixel get neither arrow nor letter.
DrawnPlan DrawForcePlan(QImage& picture, const ForcePlan& plan, double scale);
// The same plan through any painter onto a picture of `size`, without blanking it.
DrawnPlan PaintForcePlan(QPainter& painter, QSize size, const ForcePlan& plan, double scale);
