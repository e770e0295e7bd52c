#pragma once
// Checking a student's hand solution against the program's exact values.
//
// Each answer names a table position k, a quantity of PositionQuantities.h and a value. The
// relative error |given − exact| / |exact| is judged against the tolerance in percent; a value
// on the boundary counts as within. When the exact value is zero (to one part in 10⁹ of the
// quantity's largest magnitude over the table) the relative error is not defined: the answer
// is then within when |given − exact| is at most the tolerance of that largest magnitude, the
// size the student's plans were drawn at.

#include "kinematics/PositionQuantities.h"

#include <optional>
#include <string>
#include <vector>

constexpr double kDefaultTolerancePercent = 5;  // the usual accuracy of a graphical solution
constexpr double kZeroShare = 1e-9;

// One answer as typed in the window or read from an answers file.
struct StudentAnswer {
    int line = 0;           // the answers file's line (1 the first); 0 when typed in the window
    long long position = 0;
    std::string quantity;   // the name as typed
    double value = 0;
};

struct AnswerVerdict {
    StudentAnswer answer;
    bool checked = false;   // false: `error` says why (unknown name, position outside the table,
                            // forces not computed)
    std::string error;
    PositionQuantity quantity = PositionQuantity::VA;
    double exact = 0;
    double absoluteError = 0;                    // |given − exact|, in the quantity's unit
    std::optional<double> relativeErrorPercent;  // none when the exact value is zero
    double zeroScale = 0;   // exact zero: the largest magnitude the tolerance is taken of
    bool withinTolerance = false;
};

// The verdict of one answer. A negative or non-finite tolerance is taken as 0.
AnswerVerdict CheckAnswer(const SolvedTable& table, const StudentAnswer& answer,
                          double tolerancePercent = kDefaultTolerancePercent);

std::vector<AnswerVerdict> CheckAnswers(const SolvedTable& table,
                                        const std::vector<StudentAnswer>& answers,
                                        double tolerancePercent = kDefaultTolerancePercent);

struct AnswerSummary {
    int checked = 0;    // answers with a verdict
    int within = 0;     // of them, within the tolerance
    int unchecked = 0;  // answers that could not be checked
};
AnswerSummary Summarise(const std::vector<AnswerVerdict>& verdicts);

// The numbers of a verdict as its texts write them: values to 6 significant digits, the relative
// error in percent to 3 (below 1E-9 %, the rounding of a 15-digit text, it reads 0).
std::string AnswerNumberText(double x);
std::string ErrorPercentText(double percent);

// "9 из 10 в пределах 5 %", and "; не проверено: 1" when some could not be checked.
std::string SummaryText(const AnswerSummary& summary, double tolerancePercent);

// One verdict in words: "строка 4: ω2 в положении 2: дано -0,0205, точно -0,0205761;
// ошибка 7,61E-5 рад/с (0,37 %) — в пределах 5 %", or the reason it was not checked.
std::string VerdictText(const AnswerVerdict& verdict, double tolerancePercent);
