#pragma once
// A closed path drawn as two lines whose points each ascend in X: cut at its leftmost point.

#include <vector>

// Index of the first smallest value among xd[0 .. count-1] (0 when count < 1). Only a strictly
// smaller value moves the index, so the first of equal minima wins.
int LeftmostIndex(const std::vector<double>& xd, int count);
