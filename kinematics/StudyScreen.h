#pragma once
// One study run over a rocker length, screened. Of a run the study needs only how it ends (the
// assembly test, the first position at which triangle ABC opens, a fault) and its three extremes.
// The screen finds them without trigonometry and hands to the solver's own position routine
// (ComputeLinkage) only the positions that may decide them, so the result is the plain run's to
// the last bit.
//
// Shared bits. The crank (Xa, Ya, AC, the velocity of A) comes from the crank table, and the
// screen forms c, sin g = sqrt(1 - c^2), c2 and 1 - c2^2 with the solver's own formulas
// (CosineAtB, CosineAtC, SineOfCosine): these are the solver's bits, so the position at which the
// triangle opens (|c| > 1) is found exactly.
//
// Gamma = atan2(sqrt(1 - c^2), c). As |fl(c*c) - c^2| <= 2^-53, the root is within 2^-26 of the
// true sqrt(1 - c^2), and atan2 adds an ulp: each computed gamma lies within eta = 1.01 * 2^-26 of
// arccos c, and arccos falls at least as fast as c rises. A position whose c exceeds the run's
// smallest c by more than 2^-22 > 2 eta therefore has a smaller gamma than the position of the
// smallest c: only positions with c <= cmin + 2^-22 can hold MaxGamma (and c >= cmax - 2^-22 for
// MinGamma); the screen computes gamma for them with the solver's formula.
//
// Ve. From the shared bits the solver (through psi, delta, gamma, their sums and sin/cos, each
// within a few ulps) and the screen (rotating CA/AC by the cosine and sine of delta, then of
// gamma; no angle) both form the unit vectors C->B and A->B, sin gamma, and Xd within
// eps <= 2^-46 of the same real values (for Xd relative to the lengths). With
//   Ve = Vyd + w Vxd / q,  q = sqrt(1 - w^2),  w = (Xd + GuideOffset) / Lde,
//   Vd = Va + (Lad w2) n(A->B),  w2 = (e(C->B) . Va) / (Lab sin gamma),
// S = 1/sin gamma, Q = 1/q and L = 1 + (|Loa| + Lab + |GuideOffset|) / Lde, differentiating gives
//   |Ve(screen) - Ve(solver)| <= 3 eps |Loa| (1 + S) ((1 + S)(1 + Q) + L Q^3).
// The screen's bound puts 2^-36 for 3 eps: over 300 times as large, which also covers the
// second-order terms and the rounding of the bound. With M the largest Ve - bound of the run, a
// position whose Ve + bound < M lies below MaxVe; every other position is computed by the
// solver's routine, and the largest of them, taken in position order with the solver's strict
// comparison, is MaxVe (positions that equal it are among them, so a signed zero stays too).
//
// Guards. The screen answers only for lengths within 2^-100 .. 2^100 (no overflow, no underflow)
// with L <= 2^20 and a crank that computed without a fault; any other run is made by the solver's
// routine position by position (RunOneStudyLength). A position with sin gamma < 2^-10, q < 2^-10,
// 1 - c2^2 < 0 or AC < 2^-300 is computed by the solver's routine at once, in position order, and
// a fault there ends the run as faulted. At every other position none of the solver's operations
// can fault: sqrt(1 - c2^2) has a non-negative argument (shared bits), sin(theta2 - theta3) >=
// 2^-10 - eps keeps w2's divisor clear of zero and the position clear of the velocity plan, and
// the solver's w^2 <= 1 - 2^-20 + 2^-24 keeps both of the slider's square roots real.

#include "kinematics/StudyRuns.h"

#include <vector>

// The screen's Ve at position k of a run and its bound; false where the screen leaves the
// position (or the whole run) to the solver's routine. For checking the bound.
bool ScreenedVe(const LinkageLengths& lengths, const CrankTable& cranks, int k, double& ve,
                double& bound);

class StudyScreen {
public:
    explicit StudyScreen(int n);

    // The run with `lengths` over `cranks`: the same result as RunOneStudyLength, bit for bit.
    StudyRunResult Run(const LinkageLengths& lengths, const CrankTable& cranks);

    // Positions of the last run computed by the solver's routine (all of them when the screen
    // did not apply).
    int ExactPositionsOfLastRun() const { return exactPositions_; }

private:
    StudyRunResult Screened(const LinkageLengths& lengths, const CrankTable& cranks);
    StudyRunResult Exact(const LinkageLengths& lengths, const CrankTable& cranks);
    // Ve and gamma of position k from the solver's routine; false when the triangle opens there.
    bool ExactPosition(const LinkageLengths& lengths, const CrankTable& cranks, int k, double& ve,
                       double& gamma);
    Extremes ExtremesOfCandidates(const LinkageLengths& lengths, const CrankTable& cranks,
                                  double lowestMaxVe, double smallestCosine, double largestCosine);

    int n_;
    int exactPositions_ = 0;
    std::vector<double> veCeiling_;   // screened Ve + bound; the exact Ve where known
    std::vector<double> cosineAtB_;   // c of every position, the solver's bits
    std::vector<int> exactKnown_;     // positions whose exact Ve is in veCeiling_, ascending
    std::vector<double> veScratch_, gammaScratch_;  // for runs the screen does not apply to
};
