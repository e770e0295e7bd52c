// The whole input path of a parameter field: a typed text, its reading, and the checks of the
// field's exit handler (sign, zero, and for the rocker Lbc its range). First byte: which field
// and what the record held before. The rest: the text.
//
// Checked: the record takes either the value read or, after a conversion error, keeps the old
// one; a value that passes without a message is finite and above zero (and for Lbc inside
// (0.51, 0.9]); the text the form shows for an accepted value is read again without a
// conversion error, to a value of the same sign class, so leaving the field untouched never
// brings a message it did not bring before -- except at the Lbc bounds, where 15 digits can
// round an accepted 0.5100000000000001 to the rejected "0,51" (kept as the form has it).
//
// The rules are the exit handlers' of the form, restated over the pure functions they call.

#include "kinematics/Errors.h"
#include "kinematics/Mechanism.h"
#include "kinematics/NumberText.h"
#include "FuzzInput.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>

namespace {

struct Verdict {
    double value = 0;
    bool conversionError = false;
    bool negative = false;
    bool zero = false;
    bool outOfRange = false;
    bool Accepted() const { return !conversionError && !negative && !zero && !outOfRange; }
};

Verdict CheckRealField(const std::string& text, double previous, bool rocker)
{
    Verdict v;
    v.value = previous;
    if (const auto parsed = ParseDecimal(text))
        v.value = *parsed;
    else
        v.conversionError = true;
    v.negative = v.value < 0;
    v.zero = v.value == 0;
    if (rocker)
        v.outOfRange = v.value <= kMinRockerLength || v.value > kMaxRockerLength;
    return v;
}

Verdict CheckIntegerField(const std::string& text, std::int32_t previous)
{
    Verdict v;
    std::int32_t value = previous;
    if (const auto parsed = ParseInteger(text))
        value = *parsed;
    else
        v.conversionError = true;
    v.value = value;
    v.negative = value < 0;
    v.zero = value == 0;
    return v;
}

// What a record may hold before the field is left: defaults, odd values from a file.
double PreviousValue(std::uint8_t selector)
{
    const double kPrevious[] = {0.6, 0.1, 0.0, -0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity(), 1e-320};
    return kPrevious[selector % std::size(kPrevious)];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    std::uint8_t selector = 0;
    if (!input.Take(selector))
        return 0;
    const std::string text = input.Rest();
    const int field = selector % 3;  // 0: a length, 1: the rocker Lbc, 2: the position count N
    const double previous = PreviousValue(static_cast<std::uint8_t>(selector / 3));

    if (field == 2) {
        const auto previousCount = static_cast<std::int32_t>(selector) - 100;
        const Verdict v = CheckIntegerField(text, previousCount);
        if (v.conversionError && v.value != previousCount)
            std::abort();
        if (v.Accepted()) {
            // Edit10Exit shows the count again through the integer text; it must read back.
            const auto count = static_cast<std::int32_t>(v.value);
            const Verdict again = CheckIntegerField(std::to_string(count), count);
            if (!again.Accepted() || again.value != v.value)
                std::abort();
        }
        return 0;
    }

    const bool rocker = field == 1;
    const Verdict v = CheckRealField(text, previous, rocker);
    if (v.conversionError) {
        // The record keeps exactly what it had, NaN included.
        if (std::memcmp(&v.value, &previous, sizeof previous) != 0)
            std::abort();
        return 0;
    }
    if (!std::isfinite(v.value))
        std::abort();
    if (!v.Accepted())
        return 0;
    if (!(v.value > 0) || (rocker && !(v.value > kMinRockerLength && v.value <= kMaxRockerLength)))
        std::abort();

    // The form shows the value again (after N's exit handler, after a load): that text must be
    // read back without a conversion error, positive and non-zero.
    const std::string shown = FormatGeneral(v.value);
    const Verdict again = CheckRealField(shown, -7.0, rocker);
    if (again.conversionError || again.negative || again.zero)
        std::abort();
    if (!rocker && !again.Accepted())
        std::abort();
    // Shown again, it reads back to the same 15 significant digits.
    if (FormatGeneral(again.value) != shown)
        std::abort();
    return 0;
}
