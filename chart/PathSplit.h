#pragma once
// A closed path drawn as two lines whose points each ascend in X: cut at its leftmost and at its
// rightmost point into the two branches between them.

#include <vector>

// Index of the first smallest value among xd[0 .. count-1] (0 when count < 1). Only a strictly
// smaller value moves the index, so the first of equal minima wins.
int LeftmostIndex(const std::vector<double>& xd, int count);
// Index of the first largest value among xd[0 .. count-1] (0 when count < 1).
int RightmostIndex(const std::vector<double>& xd, int count);

// The two branches of the closed path xd[0 .. count-1] (position count-1 joins position 0), as
// position indices in ascending X for a path that is single-valued in X on each branch. Both
// hold the leftmost and the rightmost position; together they hold every position.
struct PathBranches {
    std::vector<int> forward;   // traced from the leftmost to the rightmost point
    std::vector<int> backward;  // traced from the rightmost back to the leftmost, listed reversed
};
PathBranches SplitClosedPath(const std::vector<double>& xd, int count);
