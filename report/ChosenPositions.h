#pragma once
// The positions the sheets and the report draw: the scheme's N positions (position k at
// φ = (360°/N)·k, a row of the diagrams' solve where N divides it, else of the scheme's own solve),
// and the two whose plans are drawn.

#include "kinematics/Calculation.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

// Where position k of the scheme is found: the solve that holds it, its row there, its forces.
struct SchemePosition {
    int number = 0;
    double degrees = 0;  // (360/N)·k
    const SolvedPositions* solve = nullptr;
    const std::vector<PositionForces>* forces = nullptr;  // null where the forces were not computed
    std::size_t row = 0;

    bool Solved() const { return solve && row < static_cast<std::size_t>(solve->Rows()); }
    bool HasAccelerations() const { return Solved() && solve->HasAccelerations() && row < solve->accelerations.Size(); }
    // The forces of this position; null where there are none.
    const PositionForces* Forces() const { return forces && row < forces->size() ? &(*forces)[row] : nullptr; }
};

// Its φ in degrees as the sheets write it: "30", "51,43".
QString DegreesText(const SchemePosition& position);

// How many positions the scheme of `result` has.
int SchemeCount(const CalculationResult& result);
SchemePosition SchemePositionOf(const CalculationResult& result, int k);

// The two positions the plans are drawn for: `given` when both are within 0 .. N-1, else the
// position of largest slider speed on the working stroke and the one on the idle stroke
// (positions 1 and 2, or 0 and 0 for a scheme of one position, when the strokes are not known).
std::pair<int, int> ChosenPositions(const CalculationResult& result, const std::optional<std::pair<int, int>>& given);

// "K,L" as two positions of a scheme of `count`; none (with `error` saying why) otherwise.
std::optional<std::pair<int, int>> ParsePositions(const QString& text, QString& error,
                                                  int count = kDefaultSchemePositions);
// The scheme's count as typed: 1 .. kMostSchemePositions; none (with `error`) otherwise.
std::optional<int> ParseSchemeCount(const QString& text, QString& error);
