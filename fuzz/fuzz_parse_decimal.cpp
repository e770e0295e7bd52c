// Any text typed into a field: reading it never crashes, and what it yields is finite.

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "FuzzInput.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto value = ParseDecimal(text); value && !std::isfinite(*value))
        std::abort();
    (void)ParseInteger(text);
    try {
        (void)StrToInt(text);
    } catch (const ConvertError&) {
    }
    return 0;
}
