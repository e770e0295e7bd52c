#pragma once
// Errors that end an event handler and reach the application's error box. Each carries the exact
// text the user reads.

#include <stdexcept>
#include <string>

class OrvekError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A floating-point fault of a computation: invalid operation, division by zero or overflow.
class FloatingPointError : public OrvekError {
public:
    using OrvekError::OrvekError;
};

inline constexpr const char* kInvalidOperationText = "Invalid floating point operation";
inline constexpr const char* kDivisionByZeroText = "Floating point division by zero";
inline constexpr const char* kOverflowText = "Floating point overflow";

// A field of the drawing tab that does not hold an integer: "'abc' is not a valid integer value".
class ConvertError : public OrvekError {
public:
    using OrvekError::OrvekError;
};
