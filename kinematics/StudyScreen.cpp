#include "kinematics/StudyScreen.h"

#include "kinematics/Errors.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The constants of the bound argued in the header.
constexpr double kSmallestScreenedSine = 0x1p-10;  // sin gamma and q below this: solver's routine
constexpr double kVeBoundFactor = 0x1p-36;
constexpr double kGammaCosineMargin = 0x1p-22;
constexpr double kSmallestScreenedLength = 0x1p-100;
constexpr double kLargestScreenedLength = 0x1p100;
constexpr double kLargestLeverRatio = 0x1p20;
constexpr double kSmallestScreenedDiagonal = 0x1p-300;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

using Kind = StudyRunResult::Kind;

bool InScreenedRange(double length)
{
    const double size = std::fabs(length);
    return size >= kSmallestScreenedLength && size <= kLargestScreenedLength;  // false for NaN
}

bool PositiveInScreenedRange(double length)
{
    return length > 0 && InScreenedRange(length);
}

bool ZeroOrInScreenedRange(double length)
{
    return length == 0 || InScreenedRange(length);
}

// L of the bound: how far an error in D's height moves w, and the rounding under q.
double LeverRatio(const LinkageLengths& l)
{
    return 1 + (std::fabs(l.Loa) + l.Lab + std::fabs(l.GuideOffset)) / l.Lde;
}

bool ScreenApplies(const LinkageLengths& l, const CrankTable& cranks)
{
    return cranks.FirstFaultingPosition() == cranks.PositionCount() && InScreenedRange(l.Loa)
           && PositiveInScreenedRange(l.Lab) && PositiveInScreenedRange(l.Lbc)
           && PositiveInScreenedRange(l.Lde) && PositiveInScreenedRange(l.Lad)
           && ZeroOrInScreenedRange(l.Loc) && ZeroOrInScreenedRange(l.GuideOffset)
           && LeverRatio(l) <= kLargestLeverRatio;
}

}  // namespace

StudyScreen::StudyScreen(int n)
    : n_(std::max(n, 0)), veCeiling_(static_cast<std::size_t>(n_)), cosineAtB_(veCeiling_.size())
{
}

StudyRunResult StudyScreen::Run(const LinkageLengths& lengths, const CrankTable& cranks)
{
    exactPositions_ = 0;
    if (!ScreenApplies(lengths, cranks))
        return Exact(lengths, cranks);
    try {
        return Screened(lengths, cranks);
    } catch (const FloatingPointError&) {
        // A position the screen handed to the solver's routine faulted: so does the plain run,
        // which reaches it (every position before it passed).
        StudyRunResult faulted;
        faulted.kind = Kind::Faulted;
        return faulted;
    }
}

StudyRunResult StudyScreen::Exact(const LinkageLengths& lengths, const CrankTable& cranks)
{
    exactPositions_ = n_;
    veScratch_.resize(static_cast<std::size_t>(n_));
    gammaScratch_.resize(veScratch_.size());
    return RunOneStudyLength(lengths, cranks, veScratch_, gammaScratch_);
}

bool StudyScreen::ExactPosition(const LinkageLengths& lengths, const CrankTable& cranks, int k,
                                double& ve, double& gamma)
{
    ++exactPositions_;
    PositionValues values;
    values.Assign(PositionField::Xa, cranks.Xa(k));
    values.Assign(PositionField::Ya, cranks.Ya(k));
    if (!ComputeLinkage(lengths, cranks.Crank(k), values, PositionDetail::ForExtremes))
        return false;
    ve = values[PositionField::Ve];
    gamma = values[PositionField::Gamma];
    return true;
}

namespace {

// What a run's positions share.
struct RunTerms {
    explicit RunTerms(const LinkageLengths& l)
        : lbc(l.Lbc), lab(l.Lab), lad(l.Lad), guideOffset(l.GuideOffset), inverseLde(1 / l.Lde),
          couplerShare(l.Lad / l.Lab), boundScale(kVeBoundFactor * std::fabs(l.Loa)),
          lever(LeverRatio(l))
    {
    }
    double lbc, lab, lad, guideOffset, inverseLde, couplerShare, boundScale, lever;
};

// The screen at position i for a c that closed the triangle: Ve and its bound, or false where a
// guard sends the position to the solver's routine.
inline bool ScreenPosition(const RunTerms& t, const CrankColumns& crank, std::size_t i, double c,
                           double& ve, double& bound)
{
    // Unit vectors C->B (CA turned by delta) and A->B (C->B turned by gamma).
    const double ac = crank.ac[i];
    const double s = SineOfCosine(c);
    const double c2 = CosineAtC(t.lbc, t.lab, ac);
    const double s2Squared = 1 - c2 * c2;
    const double s2 = std::sqrt(std::max(s2Squared, 0.0));
    const double e3x = (crank.dx[i] * c2 - crank.dy[i] * s2) * crank.inverseAc[i];
    const double e3y = (crank.dy[i] * c2 + crank.dx[i] * s2) * crank.inverseAc[i];
    const double e2x = e3x * c - e3y * s;
    const double e2y = e3x * s + e3y * c;
    // The slider dyad: w = cos theta4, q = sin theta4.
    const double w = (crank.xa[i] + t.lad * e2x + t.guideOffset) * t.inverseLde;
    const double qSquared = 1 - w * w;
    if (!(s >= kSmallestScreenedSine && qSquared >= kSmallestScreenedSine * kSmallestScreenedSine
          && s2Squared >= 0 && ac >= kSmallestScreenedDiagonal))
        return false;

    // One division for both 1/sin gamma and 1/q: the velocities below are taken times sin gamma.
    const double q = std::sqrt(qSquared);
    const double inverseProduct = 1 / (s * q);
    const double inverseSine = q * inverseProduct;
    const double inverseQ = s * inverseProduct;
    // Lad times the coupler's angular velocity, times sin gamma; then Vd times sin gamma.
    const double couplerTurn = (e3x * crank.vxa[i] + e3y * crank.vya[i]) * t.couplerShare;
    const double vxdSine = crank.vxa[i] * s - e2y * couplerTurn;
    const double vydSine = crank.vya[i] * s + e2x * couplerTurn;
    ve = (vydSine * q + w * vxdSine) * inverseProduct;
    bound = t.boundScale * (1 + inverseSine)
            * ((1 + inverseSine) * (1 + inverseQ) + t.lever * inverseQ * inverseQ * inverseQ);
    return std::isfinite(ve + bound);
}

}  // namespace

bool ScreenedVe(const LinkageLengths& lengths, const CrankTable& cranks, int k, double& ve,
                double& bound)
{
    if (!ScreenApplies(lengths, cranks) || k < 0 || k >= cranks.PositionCount())
        return false;
    const double c = CosineAtB(lengths.Lbc, lengths.Lab, cranks.Columns().ac[static_cast<std::size_t>(k)]);
    if (!(c <= 1 && c >= -1))
        return false;
    return ScreenPosition(RunTerms(lengths), cranks.Columns(), static_cast<std::size_t>(k), c, ve, bound);
}

StudyRunResult StudyScreen::Screened(const LinkageLengths& l, const CrankTable& cranks)
{
    StudyRunResult result;
    if (AssemblyFails(l)) {
        result.kind = Kind::AssemblyFailed;
        return result;
    }

    const CrankColumns& crank = cranks.Columns();
    const RunTerms terms(l);
    exactKnown_.clear();
    double lowestMaxVe = -kInfinity;
    double smallestCosine = kInfinity, largestCosine = -kInfinity;
    for (int k = 0; k < n_; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double c = CosineAtB(terms.lbc, terms.lab, crank.ac[i]);
        if (!(c <= 1 && c >= -1)) {
            if (std::isnan(c))
                return Exact(l, cranks);
            result.kind = Kind::TriangleFailed;
            result.stoppedAt = k;
            return result;
        }
        cosineAtB_[i] = c;
        smallestCosine = std::min(smallestCosine, c);
        largestCosine = std::max(largestCosine, c);

        double ve = 0, bound = 0;
        if (ScreenPosition(terms, crank, i, c, ve, bound)) {
            veCeiling_[i] = ve + bound;
            lowestMaxVe = std::max(lowestMaxVe, ve - bound);
            continue;
        }
        double gamma = 0;
        if (!ExactPosition(l, cranks, k, ve, gamma)) {
            result.kind = Kind::TriangleFailed;
            result.stoppedAt = k;
            return result;
        }
        if (std::isnan(ve) || std::isnan(gamma))
            return Exact(l, cranks);  // the plain run's comparisons decide what happens
        exactKnown_.push_back(k);
        veCeiling_[i] = ve;  // as it is: adding a zero bound would turn -0 into +0
        lowestMaxVe = std::max(lowestMaxVe, ve);
    }

    result.extremes = ExtremesOfCandidates(l, cranks, lowestMaxVe, smallestCosine, largestCosine);
    result.kind = Kind::Complete;
    result.stoppedAt = n_;
    return result;
}

Extremes StudyScreen::ExtremesOfCandidates(const LinkageLengths& l, const CrankTable& cranks,
                                           double lowestMaxVe, double smallestCosine,
                                           double largestCosine)
{
    // In position order, with the solver's strict comparisons: the first position holding an
    // extreme wins, as in FindExtremes.
    Extremes e;
    bool haveVe = false, haveMaxGamma = false, haveMinGamma = false;
    const double maxGammaCosine = smallestCosine + kGammaCosineMargin;
    const double minGammaCosine = largestCosine - kGammaCosineMargin;
    std::size_t nextKnown = 0;
    for (int k = 0; k < n_; ++k) {
        const auto i = static_cast<std::size_t>(k);
        double ve = veCeiling_[i];
        bool veCandidate = true;
        if (nextKnown < exactKnown_.size() && exactKnown_[nextKnown] == k) {
            ++nextKnown;  // veCeiling_ holds its exact Ve
        } else if (veCeiling_[i] >= lowestMaxVe) {
            double gamma = 0;
            ExactPosition(l, cranks, k, ve, gamma);
        } else {
            veCandidate = false;
        }
        if (veCandidate && (!haveVe || ve > e.maxVe)) {
            e.maxVe = ve;
            haveVe = true;
        }

        const double c = cosineAtB_[i];
        if (c <= maxGammaCosine || c >= minGammaCosine) {
            const double gamma = AngleOfCosine(c).Value();
            if (c <= maxGammaCosine && (!haveMaxGamma || gamma > e.maxGamma)) {
                e.maxGamma = gamma;
                haveMaxGamma = true;
            }
            if (c >= minGammaCosine && (!haveMinGamma || gamma < e.minGamma)) {
                e.minGamma = gamma;
                haveMinGamma = true;
            }
        }
    }
    return e;
}
