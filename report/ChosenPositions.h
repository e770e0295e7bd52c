#pragma once
// The positions the sheets and the report draw: the crank every 30° (position k at φ = 30°·k,
// a row of the diagrams' solve), and the two whose plans are drawn.

#include "kinematics/Calculation.h"

#include <QString>

#include <optional>
#include <utility>

constexpr int kSheetPositionCount = 12;

// The row of the diagrams' solve that holds position k.
int SheetPositionRow(int k);

// The two positions the plans are drawn for: `given` when both are within
// 0 .. kSheetPositionCount-1, else the position of largest slider speed on the working stroke and
// the one on the idle stroke (positions 1 and 2 when the strokes are not known).
std::pair<int, int> ChosenPositions(const CalculationResult& result, const std::optional<std::pair<int, int>>& given);

// "K,L" as two positions; none (with `error` saying why) otherwise.
std::optional<std::pair<int, int>> ParsePositions(const QString& text, QString& error);
