#include "PrintedFormula.h"

#include "kinematics/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kCoarsestDigits = 4;  // the worked solution's plan segments
constexpr double kRadiansPerDegree = M_PI / 180;

Range Add(Range a, Range b) { return {a.lo + b.lo, a.hi + b.hi}; }
Range Negate(Range a) { return {-a.hi, -a.lo}; }
Range Subtract(Range a, Range b) { return Add(a, Negate(b)); }

Range Multiply(Range a, Range b)
{
    const double p[] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    return {*std::min_element(p, p + 4), *std::max_element(p, p + 4)};
}

Range Divide(Range a, Range b)
{
    if (b.lo <= 0 && b.hi >= 0)
        return {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    return Multiply(a, {1 / b.hi, 1 / b.lo});
}

Range Square(Range a)
{
    const double l = a.lo * a.lo, h = a.hi * a.hi;
    if (a.lo <= 0 && a.hi >= 0)
        return {0, std::max(l, h)};
    return {std::min(l, h), std::max(l, h)};
}

// A function that changes by at most |Δx| per |Δx| (sine and cosine of an angle in radians).
Range Lipschitz(Range degrees, double (*f)(double))
{
    const double mid = f(degrees.Mid() * kRadiansPerDegree);
    const double spread = degrees.HalfWidth() * kRadiansPerDegree;
    return {mid - spread, mid + spread};
}

class Parser {
public:
    explicit Parser(const std::string& text) : t_(text) {}

    std::optional<Range> Parse()
    {
        std::optional<Range> r = Expression();
        Blanks();
        if (!r || pos_ != t_.size())
            return std::nullopt;
        return r;
    }

private:
    void Blanks()
    {
        while (pos_ < t_.size() && t_[pos_] == ' ')
            ++pos_;
    }
    bool Take(const char* token)
    {
        Blanks();
        const std::string s(token);
        if (t_.compare(pos_, s.size(), s) != 0)
            return false;
        pos_ += s.size();
        return true;
    }
    void Degrees() { Take("°"); }

    // One operator of a level of the grammar: its sign and what it does to the two ranges.
    struct Operator {
        const char* sign;
        Range (*apply)(Range, Range);
    };

    // `operand`s joined by either operator of their level, from left to right.
    std::optional<Range> Chain(std::optional<Range> (Parser::*operand)(), Operator first, Operator second)
    {
        std::optional<Range> r = (this->*operand)();
        while (r) {
            const Operator* op = Take(first.sign) ? &first : Take(second.sign) ? &second : nullptr;
            if (!op)
                break;
            const std::optional<Range> b = (this->*operand)();
            r = b ? std::optional<Range>(op->apply(*r, *b)) : std::nullopt;
        }
        return r;
    }

    std::optional<Range> Expression() { return Chain(&Parser::Term, {"+", Add}, {"−", Subtract}); }
    std::optional<Range> Term() { return Chain(&Parser::Unary, {"·", Multiply}, {"/", Divide}); }

    std::optional<Range> Unary()
    {
        if (Take("−")) {
            const std::optional<Range> r = Unary();
            return r ? std::optional<Range>(Negate(*r)) : std::nullopt;
        }
        std::optional<Range> r = Primary();
        while (r && Take("²"))
            r = Square(*r);
        return r;
    }

    std::optional<Range> Primary()
    {
        Blanks();
        if (Take("(")) {
            std::optional<Range> r = Expression();
            if (!r || !Take(")"))
                return std::nullopt;
            Degrees();
            return r;
        }
        if (Take("√")) {
            const std::optional<Range> r = Primary();
            if (!r || r->lo < -1e-300)
                return std::nullopt;
            return Range{std::sqrt(std::max(0.0, r->lo)), std::sqrt(r->hi)};
        }
        if (Take("arccos")) {
            const std::optional<Range> r = Primary();
            if (!r)
                return std::nullopt;
            const double lo = std::clamp(r->lo, -1.0, 1.0), hi = std::clamp(r->hi, -1.0, 1.0);
            return Range{std::acos(hi) / kRadiansPerDegree, std::acos(lo) / kRadiansPerDegree};
        }
        if (Take("arctg")) {
            const std::optional<Range> r = Primary();
            if (!r)
                return std::nullopt;
            return Range{std::atan(r->lo) / kRadiansPerDegree, std::atan(r->hi) / kRadiansPerDegree};
        }
        if (Take("sin")) {
            const std::optional<Range> r = Primary();
            return r ? std::optional<Range>(Lipschitz(*r, [](double x) { return std::sin(x); })) : std::nullopt;
        }
        if (Take("cos")) {
            const std::optional<Range> r = Primary();
            return r ? std::optional<Range>(Lipschitz(*r, [](double x) { return std::cos(x); })) : std::nullopt;
        }
        const std::optional<PrintedNumber> n = LeadingNumber(t_.substr(pos_));
        if (!n)
            return std::nullopt;
        pos_ += n->length;
        Degrees();
        const double halfLast = 0.5 * std::pow(10.0, n->lastDigitExponent);
        const double uncertainty = std::min(halfLast, HalfUnit(n->value, kCoarsestDigits));
        return Range{n->value - uncertainty, n->value + uncertainty};
    }

    const std::string& t_;
    std::size_t pos_ = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<PrintedNumber> LeadingNumber(const std::string& text)
{
    std::size_t i = 0;
    std::string plain;
    if (i < text.size() && text[i] == '-') {
        plain += '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    int fractionDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
        plain += text[i++];
    if (i == digitsStart)
        return std::nullopt;
    if (i + 1 < text.size() && text[i] == ',' && IsDigit(text[i + 1])) {
        plain += ',';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++fractionDigits;
        }
    }
    int exponent = 0;
    if (i < text.size() && text[i] == 'E') {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && text[j] == '-') {
            negative = true;
            ++j;
        }
        const std::size_t start = j;
        while (j < text.size() && IsDigit(text[j]))
            exponent = exponent * 10 + (text[j++] - '0');
        if (j > start) {
            if (negative)
                exponent = -exponent;
            plain += text.substr(i, j - i);
            i = j;
        } else {
            exponent = 0;
        }
    }
    const std::optional<double> value = ParseDecimal(plain);  // the program's own reader
    if (!value)
        return std::nullopt;
    PrintedNumber n;
    n.value = *value;
    n.length = i;
    n.lastDigitExponent = exponent - fractionDigits;
    return n;
}

double HalfUnit(double x, int digits)
{
    if (x == 0)
        return 0;
    const double exponent = std::floor(std::log10(std::fabs(x)));
    return 0.5 * std::pow(10.0, exponent - (digits - 1));
}

std::optional<Range> EvaluatePrinted(const std::string& formula) { return Parser(formula).Parse(); }
