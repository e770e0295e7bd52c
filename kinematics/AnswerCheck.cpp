#include "kinematics/AnswerCheck.h"

#include "kinematics/NumberText.h"

#include <cmath>

namespace {

constexpr double kPercent = 100;
// A typed value exactly on the boundary (0,105 for 0,1 at 5 %) differs from it by a rounding
// of the binary arithmetic; it counts as on the boundary.
constexpr double kBoundarySlack = 1e-9;
constexpr int kValueDigits = 6;
constexpr int kPercentDigits = 3;
constexpr double kTextRoundingPercent = 1e-9;

double Tolerance(double percent) { return std::isfinite(percent) && percent > 0 ? percent : 0; }

std::string Value(double x) { return FormatSignificant(x, kValueDigits); }

std::string LinePrefix(const StudentAnswer& a)
{
    return a.line > 0 ? "строка " + WholeNumberText(a.line) + ": " : "";
}

}  // namespace

AnswerVerdict CheckAnswer(const SolvedTable& table, const StudentAnswer& answer,
                          double tolerancePercent)
{
    AnswerVerdict v;
    v.answer = answer;
    const std::optional<PositionQuantity> q = FindQuantity(answer.quantity);
    if (!q) {
        v.error = UnknownQuantityText(answer.quantity);
        return v;
    }
    v.quantity = *q;
    const int rows = table.Rows();
    if (answer.position < 0 || answer.position >= rows) {
        v.error = PositionOutsideTableText(answer.position, rows);
        return v;
    }
    const int k = static_cast<int>(answer.position);
    const std::optional<double> exact = ExactValue(table, *q, k);
    if (!exact) {
        v.error = std::string("силы в положении ") + WholeNumberText(k)
                  + " не рассчитаны, величину " + InfoOf(*q).name + " не с чем сравнить";
        return v;
    }
    if (!std::isfinite(answer.value)) {
        v.error = "значение должно быть конечным числом";
        return v;
    }

    v.checked = true;
    v.exact = *exact;
    v.absoluteError = std::fabs(answer.value - v.exact);
    const double share = Tolerance(tolerancePercent) / kPercent;
    const double scale = LargestMagnitude(table, *q);
    if (std::fabs(v.exact) > kZeroShare * scale && v.exact != 0) {
        v.relativeErrorPercent = v.absoluteError / std::fabs(v.exact) * kPercent;
        v.withinTolerance = v.absoluteError <= share * std::fabs(v.exact) * (1 + kBoundarySlack);
    } else {
        v.zeroScale = scale;
        v.withinTolerance = v.absoluteError <= share * scale * (1 + kBoundarySlack);
    }
    return v;
}

std::vector<AnswerVerdict> CheckAnswers(const SolvedTable& table,
                                        const std::vector<StudentAnswer>& answers,
                                        double tolerancePercent)
{
    std::vector<AnswerVerdict> verdicts;
    verdicts.reserve(answers.size());
    for (const StudentAnswer& a : answers)
        verdicts.push_back(CheckAnswer(table, a, tolerancePercent));
    return verdicts;
}

std::string AnswerNumberText(double x) { return Value(x); }

std::string ErrorPercentText(double percent)
{
    // A value typed as the program writes it (15 significant digits) is off by the rounding of
    // its text alone; that is no error a student made.
    return FormatSignificant(std::fabs(percent) < kTextRoundingPercent ? 0 : percent, kPercentDigits);
}

AnswerSummary Summarise(const std::vector<AnswerVerdict>& verdicts)
{
    AnswerSummary s;
    for (const AnswerVerdict& v : verdicts) {
        if (!v.checked) {
            ++s.unchecked;
            continue;
        }
        ++s.checked;
        if (v.withinTolerance)
            ++s.within;
    }
    return s;
}

std::string SummaryText(const AnswerSummary& s, double tolerancePercent)
{
    std::string text = WholeNumberText(s.within) + " из " + WholeNumberText(s.checked)
                       + " в пределах " + FormatGeneral(Tolerance(tolerancePercent)) + " %";
    if (s.unchecked > 0)
        text += "; не проверено: " + WholeNumberText(s.unchecked);
    return text;
}

std::string VerdictText(const AnswerVerdict& v, double tolerancePercent)
{
    const std::string prefix = LinePrefix(v.answer);
    if (!v.checked)
        return prefix + v.error;
    const QuantityInfo& info = InfoOf(v.quantity);
    const std::string tolerance = FormatGeneral(Tolerance(tolerancePercent)) + " %";
    std::string text = prefix + info.name + " в положении " + WholeNumberText(v.answer.position)
                       + ": дано " + FormatGeneral(v.answer.value) + ", точно " + Value(v.exact)
                       + "; ошибка " + Value(v.absoluteError) + " " + info.unit;
    if (v.relativeErrorPercent)
        text += " (" + ErrorPercentText(*v.relativeErrorPercent) + " %)";
    else
        text += " (точное значение равно нулю; допуск " + tolerance + " от наибольшего модуля "
                + Value(v.zeroScale) + " " + info.unit + ")";
    text += v.withinTolerance ? " — в пределах " + tolerance : " — вне допуска " + tolerance;
    return text;
}
