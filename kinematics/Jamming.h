#pragma once
// The jammed-mechanism rule of the study. The transmission angle gamma (the solver's angle ABC)
// depends on the crank only through the diagonal AC and grows with it; over a continuous turn AC
// runs between |Loa - Loc| (phi = pi) and |Loa + Loc| (phi = 0), so gamma's extremes over the turn
// are its values there, whatever N samples of the turn a solve takes. A rocker length at which
// gamma comes within 1 degree of 0 or of 180 degrees anywhere on the turn gives a linkage that
// locks (coupler and rocker in one line): the study passes it over.
//
// The band is compared in degrees, as the program shows the angle (radians * (180/pi)), and it is
// closed: an extreme of exactly 1 or 179 degrees counts as jammed. Where triangle ABC does not
// close at an end of the range (|c| > 1), gamma reaches 0 or 180 degrees before the triangle opens,
// so that length is jammed too: with an even N its run never completes there, but an odd N steps
// over phi = pi.

constexpr double kJamBandDegrees = 1;

// Smallest and largest gamma over a continuous turn, in radians (0 and pi where the triangle does
// not close); NaN where the lengths give no cosine.
struct TransmissionRange {
    double minGamma = 0, maxGamma = 0;
};
TransmissionRange TransmissionRangeOverTheTurn(double loa, double lab, double lbc, double loc);

// Gamma within kJamBandDegrees of 0 or 180 degrees somewhere on the turn. False where the range
// is NaN: such lengths never complete a run.
bool JammedOverTheTurn(double loa, double lab, double lbc, double loc);
