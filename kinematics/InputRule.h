#pragma once
// The one verdict on a number typed by the user, whoever typed it: a parameter field of the window,
// a field of an analysis tab, an option of the command line or a cell of a batch row. The same
// text under the same rule gets the same value and the same messages everywhere.
//
// The verdict follows the parameter fields' exit handlers: the text is converted (a point reads
// as the comma); after a conversion error the previous value stands in; the sign and zero tests
// run on whatever value that leaves, and then the range test. Each broken test adds its message,
// in that order, so "-0,3" in the Lbc field gets the negative message and then the range message.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class InputMessage { NotANumber, Negative, Zero, OutOfRange };

// The text the user reads for a message ("Ошибка ввода данных!", ...), held only here, in Russian;
// ShownInputMessageText gives it in the interface's language.
const char* InputMessageText(InputMessage message);
std::string ShownInputMessageText(InputMessage message);
// Every input message comes with the system beep but the range message.
bool InputMessageBeeps(InputMessage message);

// Values above `above` and at most `atMost` (below it when the top is not included).
struct ValueRange {
    double above = 0;
    double atMost = 0;
    bool topIncluded = true;
};

struct InputRule {
    bool integer = false;       // a whole number (32 bits) rather than a decimal one
    bool zeroAllowed = false;
    std::optional<ValueRange> range;
    bool fraction = false;      // a decimal may also be typed as a quotient of two ("1/25")
};

// The rules of the program's fields.
extern const InputRule kLengthRule;         // Loa, Lab, Lde, Loc: above zero
extern const InputRule kRockerLengthRule;   // Lbc: above zero and within (0,51; 0,9]
extern const InputRule kPositionCountRule;  // N: a whole number above zero
extern const InputRule kPositiveRule;       // ω1 and the plan scales: above zero
extern const InputRule kLoadRule;           // q, m5, Fс: zero or above
extern const InputRule kSwitchRule;         // a check box given as a number: 0 or 1
extern const InputRule kDeltaRule;          // δ: above zero and below 1, also as a fraction

struct InputVerdict {
    double value = 0;  // the value read, or the previous one after a conversion error
    std::vector<InputMessage> messages;  // in the order they are shown; empty: accepted

    bool Accepted() const { return messages.empty(); }
    // A whole number's value (an integer rule's values are always 32-bit integers).
    std::int32_t Integer() const;
};

InputVerdict JudgeInput(const std::string& text, const InputRule& rule, double previous);

// A decimal ("0,04", "0.04") or a quotient of two decimals ("1/25", " 1 / 25 "); none for any
// other text, a zero denominator or a quotient out of range.
std::optional<double> ParseFraction(const std::string& text);

// Why a Calculate of `positionCount` positions is refused ("Слишком большое количество положений
// механизма (не более 100000)"); none when the count is acceptable.
std::optional<std::string> PositionCountRefusal(std::int32_t positionCount);
