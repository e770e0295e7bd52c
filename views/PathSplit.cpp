#include "views/PathSplit.h"

#include <algorithm>

int LeftmostIndex(const std::vector<double>& xd, int count)
{
    count = std::min(count, static_cast<int>(xd.size()));
    if (count < 1)
        return 0;
    int m = 0;
    double leftmost = xd[0];
    for (int j = 0; j < count; ++j) {
        if (xd[static_cast<std::size_t>(j)] < leftmost) {
            leftmost = xd[static_cast<std::size_t>(j)];
            m = j;
        }
    }
    return m;
}
