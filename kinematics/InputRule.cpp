#include "kinematics/InputRule.h"

#include "kinematics/Dynamics.h"
#include "kinematics/Mechanism.h"
#include "kinematics/NumberText.h"

#include "kinematics/TextCatalogue.h"
#include <cmath>
#include <limits>

namespace {

const char* const kTooManyPositionsText =
    QT_TRANSLATE_NOOP("Kinematics", "Слишком большое количество положений механизма (не более 100000)");

}  // namespace

const InputRule kLengthRule{false, false, std::nullopt};
const InputRule kRockerLengthRule{false, false, ValueRange{kMinRockerLength, kMaxRockerLength}};
const InputRule kPositionCountRule{true, false, std::nullopt};
const InputRule kPositiveRule{false, false, std::nullopt};
const InputRule kLoadRule{false, true, std::nullopt};
const InputRule kSwitchRule{true, true, ValueRange{-1, 1}};
// Only the top is a range: the sign and zero tests already say what is wrong below it.
const InputRule kDeltaRule{false, false, ValueRange{std::numeric_limits<double>::lowest(), kLargestDelta, false},
                           true};

const char* InputMessageText(InputMessage message)
{
    switch (message) {
    case InputMessage::Negative:
        return QT_TRANSLATE_NOOP("Kinematics", "Параметр не может быть отрицательным!");
    case InputMessage::Zero:
        return QT_TRANSLATE_NOOP("Kinematics", "Ноль недопустим!");
    case InputMessage::OutOfRange:
        return QT_TRANSLATE_NOOP("Kinematics", "Вибране значення поза діапазоном");
    case InputMessage::NotANumber:
        break;
    }
    return QT_TRANSLATE_NOOP("Kinematics", "Ошибка ввода данных!");
}

std::string ShownInputMessageText(InputMessage message) { return Tr(InputMessageText(message)); }

bool InputMessageBeeps(InputMessage message)
{
    return message != InputMessage::OutOfRange;
}

std::int32_t InputVerdict::Integer() const
{
    // Integer rules only ever hold values read as 32-bit integers or given as such before.
    if (!(value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()))
        return 0;
    return static_cast<std::int32_t>(value);
}

InputVerdict JudgeInput(const std::string& text, const InputRule& rule, double previous)
{
    InputVerdict verdict;
    verdict.value = previous;
    std::optional<double> parsed;
    if (rule.integer) {
        if (const auto whole = ParseInteger(text))
            parsed = *whole;
    } else {
        parsed = rule.fraction ? ParseFraction(text) : ParseDecimal(text);
    }
    if (parsed)
        verdict.value = *parsed;
    else
        verdict.messages.push_back(InputMessage::NotANumber);
    if (verdict.value < 0)
        verdict.messages.push_back(InputMessage::Negative);
    if (verdict.value == 0 && !rule.zeroAllowed)
        verdict.messages.push_back(InputMessage::Zero);
    // Written as the window's test, so a NaN kept from a file gets no range message.
    if (rule.range) {
        const ValueRange& r = *rule.range;
        const bool aboveTop = r.topIncluded ? verdict.value > r.atMost : verdict.value >= r.atMost;
        if (verdict.value <= r.above || aboveTop)
            verdict.messages.push_back(InputMessage::OutOfRange);
    }
    return verdict;
}

std::optional<double> ParseFraction(const std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return ParseDecimal(text);
    if (text.find('/', slash + 1) != std::string::npos)
        return std::nullopt;
    const std::optional<double> numerator = ParseDecimal(text.substr(0, slash));
    const std::optional<double> denominator = ParseDecimal(text.substr(slash + 1));
    if (!numerator || !denominator || *denominator == 0)
        return std::nullopt;
    const double value = *numerator / *denominator;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::string> PositionCountRefusal(std::int32_t positionCount)
{
    if (positionCount > kMaxPositionCount)
        return Tr(kTooManyPositionsText);
    return std::nullopt;
}
