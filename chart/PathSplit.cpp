#include "chart/PathSplit.h"

#include <algorithm>

namespace {

template <typename Further>
int ExtremeIndex(const std::vector<double>& xd, int count, Further further)
{
    count = std::min(count, static_cast<int>(xd.size()));
    if (count < 1)
        return 0;
    int m = 0;
    for (int j = 1; j < count; ++j)
        if (further(xd[static_cast<std::size_t>(j)], xd[static_cast<std::size_t>(m)]))
            m = j;
    return m;
}

}  // namespace

int LeftmostIndex(const std::vector<double>& xd, int count)
{
    return ExtremeIndex(xd, count, [](double a, double b) { return a < b; });
}

int RightmostIndex(const std::vector<double>& xd, int count)
{
    return ExtremeIndex(xd, count, [](double a, double b) { return a > b; });
}

PathBranches SplitClosedPath(const std::vector<double>& xd, int count)
{
    PathBranches branches;
    count = std::min(count, static_cast<int>(xd.size()));
    if (count < 1)
        return branches;
    const int left = LeftmostIndex(xd, count);
    const int right = RightmostIndex(xd, count);
    // Walk the closed path once in tracing order from each extreme to the other.
    for (int j = left;; j = (j + 1) % count) {
        branches.forward.push_back(j);
        if (j == right)
            break;
    }
    for (int j = right;; j = (j + 1) % count) {
        branches.backward.push_back(j);
        if (j == left)
            break;
    }
    std::reverse(branches.backward.begin(), branches.backward.end());
    return branches;
}
