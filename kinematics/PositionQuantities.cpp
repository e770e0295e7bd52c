#include "kinematics/PositionQuantities.h"

#include "kinematics/CheckedReal.h"
#include "kinematics/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using Q = Quantity;

// Letters a student may type for the list's letters: Greek ω and ε and Cyrillic б as the list
// writes them in Latin, Cyrillic capitals and small letters that look like Latin ones, and
// subscript digits. Everything else stays as typed.
constexpr struct {
    const char* typed;
    const char* read;
} kLetterForms[] = {
    {"ω", "w"}, {"Ω", "w"}, {"ε", "e"}, {"ϵ", "e"}, {"б", "b"}, {"Б", "b"},
    {"А", "a"}, {"а", "a"}, {"В", "b"}, {"Е", "e"}, {"е", "e"}, {"М", "m"}, {"м", "m"},
    {"₀", "0"}, {"₁", "1"}, {"₂", "2"}, {"₃", "3"}, {"₄", "4"}, {"₅", "5"},
    {"\xC2\xA0", " "},  // no-break space
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The name in the form names are compared in: forms above replaced, ASCII letters small,
// blanks dropped.
std::string Normalised(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& form : kLetterForms) {
            const std::size_t length = std::strlen(form.typed);
            if (text.compare(i, length, form.typed) == 0) {
                out += form.read;
                i += length;
                replaced = true;
                break;
            }
        }
        if (replaced)
            continue;
        const char c = text[i++];
        if (IsBlank(c))
            continue;
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    out.erase(std::remove(out.begin(), out.end(), ' '), out.end());
    return out;
}

std::vector<std::string> Words(const char* text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char* p = text; *p; ++p) {
        if (*p == ' ') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += *p;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

CheckedReal Length(double x, double y)
{
    const CheckedReal cx = x, cy = y;
    return Sqrt(cx * cx + cy * cy);
}

bool IsForce(Q q) { return q >= Q::R01 && q <= Q::Mb; }

double At(const std::vector<double>& v, std::size_t k) { return v[k]; }

// The value for ω1 = 1 (kinematics) or for the loads' ω1 (forces), and the power of ω1 it
// scales with.
double BaseValue(const SolvedTable& t, Q q, std::size_t k, int& power)
{
    const PositionArrays& p = *t.positions;
    const AccelerationArrays& a = *t.accelerations;
    power = 0;
    switch (q) {
    case Q::VA: power = 1; return At(p.Va, k);
    case Q::VB: power = 1; return Length(p.Vxb[k], p.Vyb[k]).Value();
    case Q::VD: power = 1; return Length(p.Vxd[k], p.Vyd[k]).Value();
    case Q::VE: power = 1; return std::fabs(p.Ve[k]);
    case Q::Omega2: power = 1; return At(a.Omega2, k);
    case Q::Omega3: power = 1; return At(a.Omega3, k);
    case Q::Omega4: power = 1; return At(a.Omega4, k);
    case Q::AA: power = 2; return At(a.Aa, k);
    case Q::AB: power = 2; return At(a.Ab, k);
    case Q::AD: power = 2; return At(a.Ad, k);
    case Q::AE: power = 2; return At(a.AeAbs, k);
    case Q::Eps2: power = 2; return At(a.Eps2, k);
    case Q::Eps3: power = 2; return At(a.Eps3, k);
    case Q::Eps4: power = 2; return At(a.Eps4, k);
    case Q::R01: return At(t.forces->RO, k);
    case Q::R12: return At(t.forces->RA, k);
    case Q::R23: return At(t.forces->RB, k);
    case Q::R03: return At(t.forces->RC, k);
    case Q::R24: return At(t.forces->RD, k);
    case Q::R45: return At(t.forces->RE, k);
    case Q::N05: return At(t.forces->NguideAbs, k);
    case Q::Mb: return At(t.forces->MbGroups, k);
    }
    return 0;
}

}  // namespace

const std::vector<QuantityInfo>& PositionQuantityList()
{
    static const std::vector<QuantityInfo> kList = {
        {Q::VA, "vA", "vA", "м/с", false, "скорость точки A", ""},
        {Q::VB, "vB", "vB", "м/с", false, "скорость точки B", ""},
        {Q::VD, "vD", "vD", "м/с", false, "скорость точки D", ""},
        {Q::VE, "vE", "vE", "м/с", false, "скорость ползуна E", ""},
        {Q::Omega2, "ω2", "w2", "рад/с", true, "угловая скорость шатуна AB", ""},
        {Q::Omega3, "ω3", "w3", "рад/с", true, "угловая скорость коромысла BC", ""},
        {Q::Omega4, "ω4", "w4", "рад/с", true, "угловая скорость шатуна DE", ""},
        {Q::AA, "aA", "aA", "м/с²", false, "ускорение точки A", ""},
        {Q::AB, "aB", "aB", "м/с²", false, "ускорение точки B", ""},
        {Q::AD, "aD", "aD", "м/с²", false, "ускорение точки D", ""},
        {Q::AE, "aE", "aE", "м/с²", false, "ускорение ползуна E", ""},
        {Q::Eps2, "ε2", "e2", "рад/с²", true, "угловое ускорение шатуна AB", ""},
        {Q::Eps3, "ε3", "e3", "рад/с²", true, "угловое ускорение коромысла BC", ""},
        {Q::Eps4, "ε4", "e4", "рад/с²", true, "угловое ускорение шатуна DE", ""},
        {Q::R01, "R01", "R01", "Н", false, "реакция стойки на кривошип в шарнире O", "R10"},
        {Q::R12, "R12", "R12", "Н", false, "реакция в шарнире A", "R21"},
        {Q::R23, "R23", "R23", "Н", false, "реакция в шарнире B", "R32"},
        {Q::R03, "R03", "R03", "Н", false, "реакция стойки на коромысло в шарнире C", "R30"},
        {Q::R24, "R24", "R24", "Н", false, "реакция в шарнире D", "R42"},
        {Q::R45, "R45", "R45", "Н", false, "реакция в шарнире E", "R54"},
        {Q::N05, "N05", "N05", "Н", false, "реакция направляющей на ползун", "N50 R05 R50"},
        {Q::Mb, "Mб", "Mb", "Н·м", true, "уравновешивающий момент на кривошипе", ""},
    };
    return kList;
}

const QuantityInfo& InfoOf(Quantity q) { return PositionQuantityList()[static_cast<std::size_t>(q)]; }

std::optional<Quantity> FindQuantity(const std::string& typed)
{
    const std::string wanted = Normalised(typed);
    if (wanted.empty())
        return std::nullopt;
    for (const QuantityInfo& info : PositionQuantityList()) {
        std::vector<std::string> names = Words(info.alsoNamed);
        names.push_back(info.name);
        names.push_back(info.latin);
        for (const std::string& name : names) {
            if (Normalised(name) == wanted)
                return info.id;
        }
    }
    return std::nullopt;
}

std::string UnknownQuantityText(const std::string& typed)
{
    std::string known;
    for (const QuantityInfo& info : PositionQuantityList())
        known += (known.empty() ? "" : ", ") + std::string(info.name);
    return "неизвестная величина «" + typed + "»; можно: " + known;
}

std::string PositionOutsideTableText(long long k, int rows)
{
    if (rows <= 0)
        return "положение " + WholeNumberText(k) + " вне таблицы: таблица пуста";
    return "положение " + WholeNumberText(k) + " вне таблицы: в ней положения от 0 до "
           + WholeNumberText(rows - 1);
}

int SolvedTable::Rows() const
{
    if (!positions || !accelerations)
        return 0;
    return static_cast<int>(std::min(positions->Size(), accelerations->Size()));
}

std::optional<double> ExactValue(const SolvedTable& t, Quantity q, int k)
{
    if (k < 0 || k >= t.Rows())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(k);
    if (IsForce(q) && (!t.forces || index >= t.forces->Size()))
        return std::nullopt;
    int power = 0;
    const CheckedReal value = BaseValue(t, q, index, power);
    const CheckedReal omega1 = InfoOf(q).isSigned ? t.omega1 : std::fabs(t.omega1);
    if (power == 1)
        return (value * omega1).Value();
    if (power == 2)
        return (value * (omega1 * omega1)).Value();
    return value.Value();
}

double LargestMagnitude(const SolvedTable& t, Quantity q)
{
    double largest = 0;
    for (int k = 0; k < t.Rows(); ++k) {
        if (const std::optional<double> v = ExactValue(t, q, k))
            largest = std::max(largest, std::fabs(*v));
    }
    return largest;
}
