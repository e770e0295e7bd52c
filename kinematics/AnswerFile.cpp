#include "kinematics/AnswerFile.h"

#include "kinematics/NumberText.h"
#include "kinematics/TrimmedText.h"

namespace {

constexpr char kSeparator = ';';
constexpr std::size_t kFields = 3;
const char kByteOrderMark[] = "\xEF\xBB\xBF";

// True for well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IsUtf8(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t more = 0;
        unsigned long code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= s.size())
            return false;
        for (std::size_t j = 1; j <= more; ++j) {
            const auto next = static_cast<unsigned char>(s[i + j]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const unsigned long smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// A field's blanks: spaces and tabs.
std::string Trimmed(const std::string& s) { return TrimmedText(s, " \t"); }

// A field without its blanks and, when it is quoted, without the quotes ("" reads ").
std::string FieldText(const std::string& raw)
{
    std::string s = Trimmed(raw);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') {
        std::string inner;
        for (std::size_t i = 1; i + 1 < s.size(); ++i) {
            inner += s[i];
            if (s[i] == '"' && s[i + 1] == '"')
                ++i;
        }
        s = Trimmed(inner);
    }
    return s;
}

// The fields of a line; empty fields at the end (a trailing ";") are dropped.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    for (char c : line) {
        if (c == kSeparator) {
            fields.push_back(FieldText(field));
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(FieldText(field));
    while (!fields.empty() && fields.back().empty())
        fields.pop_back();
    return fields;
}

std::string LineError(int line, const std::string& text)
{
    return "строка " + WholeNumberText(line) + ": " + text;
}

bool IsHeader(const std::vector<std::string>& fields)
{
    return fields.size() == kFields && fields[0] + ";" + fields[1] + ";" + fields[2] == kAnswersHeader;
}

}  // namespace

ParsedAnswers ParseAnswersText(const std::string& bytes)
{
    ParsedAnswers parsed;
    std::string text = bytes;
    if (text.compare(0, 3, kByteOrderMark) == 0)
        text.erase(0, 3);
    if (!IsUtf8(text)) {
        parsed.errors.push_back("файл не в кодировке UTF-8: сохраните его как «CSV (UTF-8)»");
        return parsed;
    }

    const std::vector<std::string> lines = SplitLines(text);
    bool firstLine = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::vector<std::string> fields = Fields(lines[i]);
        if (fields.empty())
            continue;
        if (firstLine) {
            firstLine = false;
            if (IsHeader(fields))
                continue;
            if (!ParseInteger(fields[0])) {
                parsed.errors.push_back(LineError(number, "ожидался заголовок «" + std::string(kAnswersHeader) + "»"));
                continue;
            }
        }
        if (fields.size() != kFields) {
            parsed.errors.push_back(LineError(number, "нужно три поля через «;» (положение, величина, значение), а их "
                                                          + WholeNumberText(static_cast<long long>(fields.size()))));
            continue;
        }
        const std::optional<std::int32_t> position = ParseInteger(fields[0]);
        if (!position) {
            parsed.errors.push_back(LineError(number, "положение «" + fields[0] + "» — не целое число"));
            continue;
        }
        if (fields[1].empty()) {
            parsed.errors.push_back(LineError(number, "не указана величина"));
            continue;
        }
        const std::optional<double> value = ParseDecimal(fields[2]);
        if (!value) {
            parsed.errors.push_back(LineError(number, "значение «" + fields[2] + "» — не число"));
            continue;
        }
        parsed.answers.push_back({number, *position, fields[1], *value});
    }
    if (parsed.answers.empty() && parsed.errors.empty())
        parsed.errors.push_back("в файле нет ни одного ответа");
    return parsed;
}
