#pragma once
// The mechanism's input parameters: the five link lengths, the number of crank positions and
// three auxiliary fields. Its byte image (68 bytes, packed, little-endian) is the parameter file.

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct Mechanism {
    double Loa = 0;          // crank OA, m
    double Lab = 0;          // coupler AB, m
    double Lbc = 0;          // rocker BC, m
    double Lde = 0;          // link DE, m
    double Loc = 0;          // distance between the fixed pivots O and C, m
    double Lad = 0;          // AD = Lab / 2, set by every solve
    double Reserved = 0;     // no meaning; kept byte for byte through a load and a save
    double GuideOffset = 0;  // Loc / 2: the slider guide is the line x = -GuideOffset
    std::int32_t PositionCount = 0;  // N, the number of crank positions
};
#pragma pack(pop)

static_assert(sizeof(Mechanism) == 68, "the parameter record is 68 bytes");
static_assert(offsetof(Mechanism, Loa) == 0);
static_assert(offsetof(Mechanism, Lab) == 8);
static_assert(offsetof(Mechanism, Lbc) == 16);
static_assert(offsetof(Mechanism, Lde) == 24);
static_assert(offsetof(Mechanism, Loc) == 32);
static_assert(offsetof(Mechanism, Lad) == 40);
static_assert(offsetof(Mechanism, Reserved) == 48);
static_assert(offsetof(Mechanism, GuideOffset) == 56);
static_assert(offsetof(Mechanism, PositionCount) == 64);

// Valid ranges that the input fields warn about (values outside are still stored).
constexpr double kMinRockerLength = 0.51;   // Lbc must be above this
constexpr double kMaxRockerLength = 0.9;    // ... and at most this
// Above this the Calculate command refuses: the window would freeze for minutes.
constexpr std::int32_t kMaxPositionCount = 100000;

// The built-in defaults: 0.1, 0.6, 0.6, 0.5, 1.0 and N = 8; Lad and GuideOffset follow from
// Lab and Loc. Reserved keeps its value.
void SetDefaultParameters(Mechanism& m);

// The two lengths that follow from the others, as every solve sets them: D is the midpoint of
// the coupler (Lad = Lab / 2) and the guide stands half-way between O and C (GuideOffset = Loc / 2).
inline void SetDerivedLengths(Mechanism& m)
{
    m.Lad = m.Lab / 2;
    m.GuideOffset = m.Loc / 2;
}
