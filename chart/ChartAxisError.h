#pragma once
// An invalid value given to an axis property; the property keeps its old value.

#include <stdexcept>

class TChartAxisError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kAxisIncrementError = "Axis increment must be >= 0";
inline constexpr const char* kAxisMinimumError = "Axis Minimum Value must be <= Maximum";
inline constexpr const char* kAxisMaximumError = "Axis Maximum Value must be >= Minimum";
inline constexpr const char* kLabelsSeparationError = "Labels Separation % must be greater than 0";
