#include "kinematics/ReducedQuantities.h"

#include "kinematics/CheckedReal.h"

namespace {

struct V {
    CheckedReal x, y;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y}; }
V operator*(CheckedReal k, V a) { return {k * a.x, k * a.y}; }
CheckedReal Dot(V a, V b) { return a.x * b.x + a.y * b.y; }
V In(Vec2 a) { return {a.x, a.y}; }

// The motion of the points with velocities vA, vB, vD, vE and the accelerations `a`.
PointMotion WithAccelerations(Vec2 vA, Vec2 vB, Vec2 vD, double vE, const PositionAcceleration& a)
{
    return {vA, vB, vD, vE, {a.Axa, a.Aya}, {a.Axb, a.Ayb}, {a.Axd, a.Ayd}, a.Ae,
            a.Omega2, a.Omega3, a.Omega4, a.Eps2, a.Eps3, a.Eps4};
}

}  // namespace

ReducedModel MakeReducedModel(const Mechanism& m, const MechanismCharacteristics& c,
                              const ForceParameters& loads)
{
    ReducedModel model;
    Mechanism solved = m;
    SetDerivedLengths(solved);
    model.lengths = LengthsOf(solved);
    model.loads = loads;
    model.characteristics = c;
    model.workingDirection = c.WorkStart == c.LowestAngle ? 1 : -1;
    return model;
}

std::optional<PointMotion> MotionAt(const LinkageLengths& lengths, double phi)
{
    PositionValues values;
    CrankPosition crank;
    ComputeCrank(lengths, phi, crank, values);
    if (!ComputeLinkage(lengths, crank, values, PositionDetail::Full))
        return std::nullopt;
    using F = PositionField;
    const PositionAcceleration a =
        AccelerationAt(lengths, phi, values[F::Xa], values[F::Ya], values[F::Xb], values[F::Yb],
                       values[F::Xd], values[F::Yd], values[F::Ye]);
    return WithAccelerations({values[F::Vxa], values[F::Vya]}, {values[F::Vxb], values[F::Vyb]},
                             {values[F::Vxd], values[F::Vyd]}, values[F::Ve], a);
}

PointMotion MotionOfPosition(const PositionArrays& p, const AccelerationArrays& a, std::size_t k)
{
    return WithAccelerations({p.Vxa[k], p.Vya[k]}, {p.Vxb[k], p.Vyb[k]}, {p.Vxd[k], p.Vyd[k]}, p.Ve[k], a.At(k));
}

int ResistanceDirectionAt(const ReducedModel& model, double phi, double vE)
{
    // As the force analysis: nothing off the working stroke or while the slider stands still.
    if (!OnWorkingStroke(model.characteristics, phi) || vE == 0)
        return 0;
    return vE > 0 ? 1 : -1;
}

ReducedPoint Reduce(const ReducedModel& model, const PointMotion& motion, int resistanceDirection)
{
    const LinkageLengths& l = model.lengths;
    const ForceParameters& f = model.loads;
    const CheckedReal q = f.LinearMass, m5 = f.SliderMass;
    const CheckedReal g = f.Gravity ? kGravity : 0.0;
    const CheckedReal Loa = l.Loa, Lab = l.Lab, Lbc = l.Lbc, Lde = l.Lde;
    const CheckedReal m1 = q * Loa, m2 = q * Lab, m3 = q * Lbc, m4 = q * Lde;
    const CheckedReal J1 = m1 * Loa * Loa / 12, J2 = m2 * Lab * Lab / 12;
    const CheckedReal J3 = m3 * Lbc * Lbc / 12, J4 = m4 * Lde * Lde / 12;
    const CheckedReal half = 0.5;

    // Centres of mass: S1 mid-crank, S2 = D, S3 mid-rocker (C is fixed), S4 mid-DE, S5 = E.
    const V vE{0.0, motion.vE}, aE{0.0, motion.aE};
    const V vS1 = half * In(motion.vA), vS2 = In(motion.vD), vS3 = half * In(motion.vB);
    const V vS4 = half * (In(motion.vD) + vE);
    const V aS1 = half * In(motion.aA), aS2 = In(motion.aD), aS3 = half * In(motion.aB);
    const V aS4 = half * (In(motion.aD) + aE);
    const CheckedReal w2 = motion.omega2, w3 = motion.omega3, w4 = motion.omega4;
    const CheckedReal e2 = motion.eps2, e3 = motion.eps3, e4 = motion.eps4;
    const CheckedReal ve = motion.vE, ae = motion.aE;

    const CheckedReal J = m1 * Dot(vS1, vS1) + J1 + m2 * Dot(vS2, vS2) + J2 * (w2 * w2)
                          + m3 * Dot(vS3, vS3) + J3 * (w3 * w3) + m4 * Dot(vS4, vS4)
                          + J4 * (w4 * w4) + m5 * (ve * ve);
    const CheckedReal dJ = 2 * (m1 * Dot(vS1, aS1) + m2 * Dot(vS2, aS2) + J2 * (w2 * e2)
                                + m3 * Dot(vS3, aS3) + J3 * (w3 * e3) + m4 * Dot(vS4, aS4)
                                + J4 * (w4 * e4) + m5 * (ve * ae));

    const CheckedReal liftRate = m1 * vS1.y + m2 * vS2.y + m3 * vS3.y + m4 * vS4.y + m5 * ve;
    const CheckedReal liftAcceleration =
        m1 * aS1.y + m2 * aS2.y + m3 * aS3.y + m4 * aS4.y + m5 * ae;
    const CheckedReal resistance = CheckedReal(f.Resistance) * resistanceDirection;
    const CheckedReal M = -(g * liftRate) - resistance * ve;
    const CheckedReal dM = -(g * liftAcceleration) - resistance * ae;
    return {J.Value(), dJ.Value(), M.Value(), dM.Value()};
}

std::optional<ReducedPoint> ReducedAt(const ReducedModel& model, double phi)
{
    const std::optional<PointMotion> motion = MotionAt(model.lengths, phi);
    if (!motion)
        return std::nullopt;
    return Reduce(model, *motion, ResistanceDirectionAt(model, phi, motion->vE));
}
