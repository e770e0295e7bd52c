#pragma once
// Helpers shared by the kinematics tests.

#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "tests/support/DefaultMechanisms.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Same bits (so a NaN equals the same NaN, and 0 differs from -0).
inline bool SameBits(double a, double b)
{
    std::uint64_t x = 0, y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

inline bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameBits(a[i], b[i]))
            return false;
    }
    return true;
}

// Every array element set to `value`, so a test can tell which ones a run wrote.
inline void FillArrays(PositionArrays& arrays, std::size_t n, double value)
{
    arrays.Resize(n);
    for (auto* array : {&arrays.Xa, &arrays.Ya, &arrays.Xb, &arrays.Yb, &arrays.Xd, &arrays.Yd,
                        &arrays.Ye, &arrays.Vxa, &arrays.Vya, &arrays.Vxb, &arrays.Vyb,
                        &arrays.Vxd, &arrays.Vyd, &arrays.Ve, &arrays.Va, &arrays.PlanXa,
                        &arrays.PlanYa, &arrays.PlanXb, &arrays.PlanYb, &arrays.PlanXd,
                        &arrays.PlanYd, &arrays.PlanXe, &arrays.PlanYe, &arrays.Gamma})
        array->assign(n, value);
}

// Data rows (tab-separated) of a reference file, without comment and header lines.
inline std::vector<std::vector<std::string>> ReadReferenceRows(const std::string& name,
                                                               bool hasHeader)
{
    std::ifstream in(std::string(ORVEK_SOURCE_DIR) + "/tests/kinematics/data/" + name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool headerSkipped = !hasHeader;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (!headerSkipped) {
            headerSkipped = true;
            continue;
        }
        std::vector<std::string> cells;
        std::istringstream fields(line);
        std::string cell;
        while (std::getline(fields, cell, '\t'))
            cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}
