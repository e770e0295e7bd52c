#include "report/SpreadsheetText.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

QString WithoutControlCharacters(const QString& text)
{
    QString clean = text;
    for (QChar& c : clean) {
        if (IsControl(c.unicode()))
            c = QChar(kReplacement);
    }
    return clean;
}

QString SpreadsheetTextCell(const QString& text)
{
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    const QString clean = WithoutControlCharacters(text);
    if (!text.isEmpty() && kFormulaStarts.contains(text.front()))
        return u'\'' + clean;
    return clean;
}
