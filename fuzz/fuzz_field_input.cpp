// The whole input path of a typed number through the one input rule (kinematics/InputRule), as
// every field, option and batch cell reads it. First byte: which rule and what the value held
// before. The rest: the text.
//
// Checked: after a conversion error the value is exactly the previous one (NaN included); the
// messages come in the fields' order (conversion, sign, zero, range), each at most once; an
// accepted value is finite, zero only where the rule allows it, never negative, within the range,
// and whole for a whole-number rule; the text the program shows for an accepted value is read
// back to the same 15 significant digits without a conversion error, so leaving a field untouched
// never brings a message it did not bring before -- except at the Lbc bounds, where 15 digits can
// round an accepted 0.5100000000000001 to the refused "0,51" (kept as the window has it).

#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "FuzzInput.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>

namespace {

const InputRule* const kRules[] = {&kLengthRule, &kRockerLengthRule, &kPositionCountRule, &kPositiveRule, &kLoadRule};

// What a field may hold before it is left: defaults, odd values from a file.
double PreviousValue(std::uint8_t selector, bool integer)
{
    const double kPrevious[] = {0.6, 0.1, 0.0, -0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity(), 1e-320};
    if (integer)
        return static_cast<double>(selector) - 100;
    return kPrevious[selector % std::size(kPrevious)];
}

bool InOrder(const std::vector<InputMessage>& messages)
{
    return std::is_sorted(messages.begin(), messages.end())
        && std::adjacent_find(messages.begin(), messages.end()) == messages.end();
}

bool Has(const InputVerdict& v, InputMessage m)
{
    return std::find(v.messages.begin(), v.messages.end(), m) != v.messages.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    std::uint8_t selector = 0;
    if (!input.Take(selector))
        return 0;
    const std::string text = input.Rest();
    const InputRule& rule = *kRules[selector % std::size(kRules)];
    const double previous = PreviousValue(static_cast<std::uint8_t>(selector / std::size(kRules)), rule.integer);

    const InputVerdict v = JudgeInput(text, rule, previous);
    if (!InOrder(v.messages))
        std::abort();
    if (Has(v, InputMessage::NotANumber)) {
        if (std::memcmp(&v.value, &previous, sizeof previous) != 0)
            std::abort();
        return 0;
    }
    if (!std::isfinite(v.value))
        std::abort();
    if (Has(v, InputMessage::Negative) != (v.value < 0))
        std::abort();
    if (!v.Accepted())
        return 0;
    if (v.value < 0 || (v.value == 0 && !rule.zeroAllowed))
        std::abort();
    if (rule.range && !(v.value > rule.range->above && v.value <= rule.range->atMost))
        std::abort();
    if (rule.integer && static_cast<double>(v.Integer()) != v.value)
        std::abort();

    // The value shown again (after N's exit handler, after a load) reads back as it was shown.
    const std::string shown = rule.integer ? WholeNumberText(v.Integer()) : FormatGeneral(v.value);
    const InputVerdict again = JudgeInput(shown, rule, -7.0);
    if (Has(again, InputMessage::NotANumber) || Has(again, InputMessage::Negative))
        std::abort();
    if (!rule.range && !again.Accepted())
        std::abort();
    if (FormatGeneral(again.value) != FormatGeneral(v.value))
        std::abort();
    return 0;
}
