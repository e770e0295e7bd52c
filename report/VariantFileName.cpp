#include "report/VariantFileName.h"

#include <QList>
#include <QStringView>

namespace {

bool Refused(char32_t c)
{
    if (c < 0x80)
        return c < 0x20 || c == 0x7F || QStringView(u"/\\:*?\"<>|").contains(QChar(static_cast<char16_t>(c)));
    return c <= 0x9F || c == 0xFFFD;
}

QString TrimmedOfDotsAndBlanks(QString safe)
{
    // Blanks and dots may alternate (" . x"): until neither end has one.
    for (QString before; before != safe;) {
        before = safe;
        safe = safe.trimmed();
        while (safe.startsWith(u'.'))
            safe.remove(0, 1);
        while (safe.endsWith(u'.'))
            safe.chop(1);
    }
    return safe;
}

}  // namespace

QString SafeFileName(const QString& name, int row)
{
    // By code points, so a pair of surrogates (an emoji) stays whole or goes whole.
    QString safe;
    qsizetype bytes = 0;
    for (const char32_t c : name.toUcs4()) {
        const char32_t kept = Refused(c) ? U'_' : c;
        const qsizetype size = kept < 0x80 ? 1 : kept < 0x800 ? 2 : kept < 0x10000 ? 3 : 4;
        if (bytes + size > kLongestFileNameBytes)
            break;
        bytes += size;
        safe += QString::fromUcs4(&kept, 1);
    }
    safe = TrimmedOfDotsAndBlanks(safe);
    if (safe.isEmpty())
        safe = QStringLiteral("Вариант_%1").arg(row);
    return safe;
}
