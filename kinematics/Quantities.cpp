#include "kinematics/Quantities.h"

#include "kinematics/TextCatalogue.h"
#include "kinematics/Units.h"

#include <algorithm>
#include <cstring>

namespace {

using P = PositionArrays;
using A = AccelerationArrays;
using F = ForceArrays;
using D = DynamicsColumns;
using Q = PositionQuantity;

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

}  // namespace

std::string QuantityHeader(const Quantity& q)
{
    std::string header = q.symbol;
    if (*q.unit)
        header += std::string(", ") + q.unit;
    return header;
}

std::string ShownQuantityHeader(const Quantity& q)
{
    std::string header = Tr(q.symbol);
    if (*q.unit)
        header += ", " + Tr(q.unit);
    return header;
}

std::string QuantityToolTip(const Quantity& q, bool atUnitCrankSpeed)
{
    std::string tip = Tr(q.symbol) + " — " + Tr(q.meaning);
    if (*q.unit)
        tip += ", " + Tr(q.unit);
    if (atUnitCrankSpeed && q.crankSpeedPower == 1)
        tip += Tr(QT_TRANSLATE_NOOP("Kinematics", " (при ω1 = 1 рад/с)"));
    return tip;
}

const Quantity kPositionNumber{"k", "", QT_TRANSLATE_NOOP("Kinematics", "номер положения кривошипа"), 0};
const Quantity kCrankAngleDegrees{"φ", "°", QT_TRANSLATE_NOOP("Kinematics", "угол поворота кривошипа"), 0};

const std::array<ArrayQuantity<PositionArrays>, kTableQuantityCount> kTableQuantities = {{
    {{"Xa", kMetres, QT_TRANSLATE_NOOP("Kinematics", "координата x точки A (конец кривошипа OA)"), 0}, &P::Xa},
    {{"Ya", kMetres, QT_TRANSLATE_NOOP("Kinematics", "координата y точки A (конец кривошипа OA)"), 0}, &P::Ya},
    {{"Vxa", kMetresPerSecond, QT_TRANSLATE_NOOP("Kinematics", "проекция скорости точки A на ось x"), 1}, &P::Vxa},
    {{"Vya", kMetresPerSecond, QT_TRANSLATE_NOOP("Kinematics", "проекция скорости точки A на ось y"), 1}, &P::Vya},
    {{"Xb", kMetres, QT_TRANSLATE_NOOP("Kinematics", "координата x точки B (шарнир шатуна AB и коромысла BC)"), 0}, &P::Xb},
    {{"Yb", kMetres, QT_TRANSLATE_NOOP("Kinematics", "координата y точки B (шарнир шатуна AB и коромысла BC)"), 0}, &P::Yb},
    {{"Vxb", kMetresPerSecond, QT_TRANSLATE_NOOP("Kinematics", "проекция скорости точки B на ось x"), 1}, &P::Vxb},
    {{"Vyb", kMetresPerSecond, QT_TRANSLATE_NOOP("Kinematics", "проекция скорости точки B на ось y"), 1}, &P::Vyb},
    {{"Xd", kMetres, QT_TRANSLATE_NOOP("Kinematics", "координата x точки D (середина шатуна AB)"), 0}, &P::Xd},
    {{"Yd", kMetres, QT_TRANSLATE_NOOP("Kinematics", "координата y точки D (середина шатуна AB)"), 0}, &P::Yd},
    {{"Vxd", kMetresPerSecond, QT_TRANSLATE_NOOP("Kinematics", "проекция скорости точки D на ось x"), 1}, &P::Vxd},
    {{"Vyd", kMetresPerSecond, QT_TRANSLATE_NOOP("Kinematics", "проекция скорости точки D на ось y"), 1}, &P::Vyd},
    {{"Ye", kMetres, QT_TRANSLATE_NOOP("Kinematics", "координата y ползуна E на вертикальной направляющей"), 0}, &P::Ye},
    {{"Ve", kMetresPerSecond, QT_TRANSLATE_NOOP("Kinematics", "скорость ползуна E вдоль направляющей (вверх — плюс)"), 1}, &P::Ve},
}};

const std::array<ArrayQuantity<AccelerationArrays>, 7> kPointAccelerationQuantities = {{
    {{"Axa", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "проекция ускорения точки A на ось x"), 2}, &A::Axa},
    {{"Aya", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "проекция ускорения точки A на ось y"), 2}, &A::Aya},
    {{"Axb", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "проекция ускорения точки B на ось x"), 2}, &A::Axb},
    {{"Ayb", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "проекция ускорения точки B на ось y"), 2}, &A::Ayb},
    {{"Axd", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "проекция ускорения точки D на ось x"), 2}, &A::Axd},
    {{"Ayd", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "проекция ускорения точки D на ось y"), 2}, &A::Ayd},
    {{"Ae", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "ускорение ползуна E вдоль направляющей (вверх — плюс)"), 2}, &A::Ae},
}};

const std::array<ArrayQuantity<AccelerationArrays>, 6> kLinkAngularQuantities = {{
    {{"ω2", kAngularVelocity, QT_TRANSLATE_NOOP("Kinematics", "угловая скорость шатуна AB"), 1}, &A::Omega2},
    {{"ω3", kAngularVelocity, QT_TRANSLATE_NOOP("Kinematics", "угловая скорость коромысла BC"), 1}, &A::Omega3},
    {{"ω4", kAngularVelocity, QT_TRANSLATE_NOOP("Kinematics", "угловая скорость звена DE"), 1}, &A::Omega4},
    {{"ε2", kAngularAcceleration, QT_TRANSLATE_NOOP("Kinematics", "угловое ускорение шатуна AB"), 2}, &A::Eps2},
    {{"ε3", kAngularAcceleration, QT_TRANSLATE_NOOP("Kinematics", "угловое ускорение коромысла BC"), 2}, &A::Eps3},
    {{"ε4", kAngularAcceleration, QT_TRANSLATE_NOOP("Kinematics", "угловое ускорение звена DE"), 2}, &A::Eps4},
}};

const std::array<ArrayQuantity<AccelerationArrays>, 11> kLinkMotionQuantities = {{
    kLinkAngularQuantities[0],
    kLinkAngularQuantities[1],
    kLinkAngularQuantities[2],
    kLinkAngularQuantities[3],
    kLinkAngularQuantities[4],
    kLinkAngularQuantities[5],
    {{"|aA|", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "полное ускорение точки A"), 2}, &A::Aa},
    {{"|aB|", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "полное ускорение точки B"), 2}, &A::Ab},
    {{"|aD|", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "полное ускорение точки D"), 2}, &A::Ad},
    {{"|aE|", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "полное ускорение ползуна E"), 2}, &A::AeAbs},
    {{"aE", kAcceleration, QT_TRANSLATE_NOOP("Kinematics", "ускорение ползуна E вдоль направляющей (вверх — плюс)"), 2}, &A::Ae},
}};

const std::array<ArrayQuantity<ForceArrays>, 9> kForceQuantities = {{
    {{QT_TRANSLATE_NOOP("Kinematics", "Mб (группы Ассура)"), kNewtonMetres, QT_TRANSLATE_NOOP("Kinematics", "уравновешивающий момент на кривошипе по группам Ассура"), 0},
     &F::MbGroups},
    {{QT_TRANSLATE_NOOP("Kinematics", "Mб (рычаг Жуковского)"), kNewtonMetres, QT_TRANSLATE_NOOP("Kinematics", "уравновешивающий момент на кривошипе по рычагу Жуковского"), 0},
     &F::MbLever},
    {{QT_TRANSLATE_NOOP("Kinematics", "|R| в O"), kNewtons, QT_TRANSLATE_NOOP("Kinematics", "реакция стойки на кривошип в шарнире O"), 0}, &F::RO},
    {{QT_TRANSLATE_NOOP("Kinematics", "|R| в A"), kNewtons, QT_TRANSLATE_NOOP("Kinematics", "реакция кривошипа на шатун в шарнире A"), 0}, &F::RA},
    {{QT_TRANSLATE_NOOP("Kinematics", "|R| в B"), kNewtons, QT_TRANSLATE_NOOP("Kinematics", "реакция шатуна на коромысло в шарнире B"), 0}, &F::RB},
    {{QT_TRANSLATE_NOOP("Kinematics", "|R| в C"), kNewtons, QT_TRANSLATE_NOOP("Kinematics", "реакция стойки на коромысло в шарнире C"), 0}, &F::RC},
    {{QT_TRANSLATE_NOOP("Kinematics", "|R| в D"), kNewtons, QT_TRANSLATE_NOOP("Kinematics", "реакция шатуна на звено DE в шарнире D"), 0}, &F::RD},
    {{QT_TRANSLATE_NOOP("Kinematics", "|R| в E"), kNewtons, QT_TRANSLATE_NOOP("Kinematics", "реакция звена DE на ползун в шарнире E"), 0}, &F::RE},
    {{QT_TRANSLATE_NOOP("Kinematics", "|N| направляющей"), kNewtons, QT_TRANSLATE_NOOP("Kinematics", "сила, с которой направляющая давит на ползун"), 0}, &F::NguideAbs},
}};

const char* const kReactionConvention =
    QT_TRANSLATE_NOOP("Kinematics", "Rij — сила, с которой звено i действует на звено j (0 — стойка, 1 — OA, 2 — AB, 3 — BC, 4 — DE, 5 — ползун), "
                                    "x и y — её проекции на оси");

const std::array<ArrayQuantity<ForceArrays>, 13> kReactionComponentQuantities = {{
    {{"R01x", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на x реакции стойки на кривошип в шарнире O"), 0}, &F::RxO},
    {{"R01y", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на y реакции стойки на кривошип в шарнире O"), 0}, &F::RyO},
    {{"R12x", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на x реакции кривошипа на шатун в шарнире A"), 0}, &F::RxA},
    {{"R12y", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на y реакции кривошипа на шатун в шарнире A"), 0}, &F::RyA},
    {{"R23x", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на x реакции шатуна на коромысло в шарнире B"), 0}, &F::RxB},
    {{"R23y", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на y реакции шатуна на коромысло в шарнире B"), 0}, &F::RyB},
    {{"R03x", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на x реакции стойки на коромысло в шарнире C"), 0}, &F::RxC},
    {{"R03y", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на y реакции стойки на коромысло в шарнире C"), 0}, &F::RyC},
    {{"R24x", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на x реакции шатуна на звено DE в шарнире D"), 0}, &F::RxD},
    {{"R24y", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на y реакции шатуна на звено DE в шарнире D"), 0}, &F::RyD},
    {{"R45x", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на x реакции звена DE на ползун в шарнире E"), 0}, &F::RxE},
    {{"R45y", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на y реакции звена DE на ползун в шарнире E"), 0}, &F::RyE},
    {{"R05x", kNewtons, QT_TRANSLATE_NOOP("Kinematics", "проекция на x силы направляющей на ползун"), 0}, &F::Nguide},
}};

const std::array<ArrayQuantity<DynamicsColumns>, 5> kDynamicsQuantities = {{
    {{QT_TRANSLATE_NOOP("Kinematics", "Jпр"), kInertia, QT_TRANSLATE_NOOP("Kinematics", "приведённый к кривошипу момент инерции механизма"), 0}, &D::Jpr},
    {{QT_TRANSLATE_NOOP("Kinematics", "Mпр"), kNewtonMetres, QT_TRANSLATE_NOOP("Kinematics", "приведённый к кривошипу момент сил тяжести и сопротивления"), 0}, &D::Mpr},
    {{"ΔT", kJoules, QT_TRANSLATE_NOOP("Kinematics", "изменение кинетической энергии машины от φ = 0"), 0}, &D::DeltaT},
    {{"ω1", kAngularVelocity, QT_TRANSLATE_NOOP("Kinematics", "угловая скорость кривошипа с маховиком (установившееся движение)"), 0}, &D::Omega},
    {{"ε1", kAngularAcceleration, QT_TRANSLATE_NOOP("Kinematics", "угловое ускорение кривошипа с маховиком"), 0}, &D::Epsilon},
}};

const std::vector<QuantityInfo>& PositionQuantityList()
{
    static const std::vector<QuantityInfo> kList = {
        {Q::VA, "vA", "vA", kMetresPerSecond, false, QT_TRANSLATE_NOOP("Kinematics", "скорость точки A"), ""},
        {Q::VB, "vB", "vB", kMetresPerSecond, false, QT_TRANSLATE_NOOP("Kinematics", "скорость точки B"), ""},
        {Q::VD, "vD", "vD", kMetresPerSecond, false, QT_TRANSLATE_NOOP("Kinematics", "скорость точки D"), ""},
        {Q::VE, "vE", "vE", kMetresPerSecond, false, QT_TRANSLATE_NOOP("Kinematics", "скорость ползуна E"), ""},
        {Q::Omega2, "ω2", "w2", kAngularVelocity, true, kLinkMotionQuantities[0].quantity.meaning, ""},
        {Q::Omega3, "ω3", "w3", kAngularVelocity, true, kLinkMotionQuantities[1].quantity.meaning, ""},
        {Q::Omega4, "ω4", "w4", kAngularVelocity, true, kLinkMotionQuantities[2].quantity.meaning, ""},
        {Q::AA, "aA", "aA", kAcceleration, false, QT_TRANSLATE_NOOP("Kinematics", "ускорение точки A"), ""},
        {Q::AB, "aB", "aB", kAcceleration, false, QT_TRANSLATE_NOOP("Kinematics", "ускорение точки B"), ""},
        {Q::AD, "aD", "aD", kAcceleration, false, QT_TRANSLATE_NOOP("Kinematics", "ускорение точки D"), ""},
        {Q::AE, "aE", "aE", kAcceleration, false, QT_TRANSLATE_NOOP("Kinematics", "ускорение ползуна E"), ""},
        {Q::Eps2, "ε2", "e2", kAngularAcceleration, true, kLinkMotionQuantities[3].quantity.meaning, ""},
        {Q::Eps3, "ε3", "e3", kAngularAcceleration, true, kLinkMotionQuantities[4].quantity.meaning, ""},
        {Q::Eps4, "ε4", "e4", kAngularAcceleration, true, kLinkMotionQuantities[5].quantity.meaning, ""},
        {Q::R01, "R01", "R01", kNewtons, false, kForceQuantities[2].quantity.meaning, "R10"},
        {Q::R12, "R12", "R12", kNewtons, false, kForceQuantities[3].quantity.meaning, "R21"},
        {Q::R23, "R23", "R23", kNewtons, false, kForceQuantities[4].quantity.meaning, "R32"},
        {Q::R03, "R03", "R03", kNewtons, false, kForceQuantities[5].quantity.meaning, "R30"},
        {Q::R24, "R24", "R24", kNewtons, false, kForceQuantities[6].quantity.meaning, "R42"},
        {Q::R45, "R45", "R45", kNewtons, false, kForceQuantities[7].quantity.meaning, "R54"},
        {Q::N05, "N05", "N05", kNewtons, false, kForceQuantities[8].quantity.meaning, "N50 R05 R50"},
        {Q::Mb, "Mб", "Mb", kNewtonMetres, true, kForceQuantities[0].quantity.meaning, ""},
    };
    return kList;
}

const QuantityInfo& InfoOf(PositionQuantity q) { return PositionQuantityList()[static_cast<std::size_t>(q)]; }

std::optional<PositionQuantity> FindQuantity(const std::string& typed)
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
    return Fill(Tr(QT_TRANSLATE_NOOP("Kinematics", "неизвестная величина «%1»; можно: %2")), {typed, known});
}
