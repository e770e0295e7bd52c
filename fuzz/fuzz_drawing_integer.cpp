// The integer fields of the drawing tab (position, animation interval, the two scales): any
// text either gives a 32-bit value or the ConvertError with its exact message, in step with the
// parameter fields' integer reader; the value shown again reads back to itself, and the
// position's degrees (2 per position) are computed without overflow.

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> parsed = ParseInteger(text);
    std::int32_t value = 0;
    try {
        value = StrToInt(text);
    } catch (const ConvertError& e) {
        // what() is a C string: a NUL typed into the text ends the message there.
        const std::string expected = "'" + text + "' is not a valid integer value";
        if (parsed || std::string(e.what()) != std::string(expected.c_str()))
            std::abort();
        return 0;
    }
    if (!parsed || *parsed != value)
        std::abort();
    if (StrToInt(std::to_string(value)) != value)
        std::abort();
    // The form's degrees: 2 * position in 64 bits, always exact.
    const long long degrees = 2LL * value;
    if (degrees / 2 != value || (degrees > 0) != (value > 0))
        std::abort();
    // Only decimal digits with an optional sign and spaces around them were taken.
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == ' '))
            std::abort();
    }
    return 0;
}
