#include "report/VariantFileName.h"

#include <QList>
#include <QStringView>

namespace {

bool Refused(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFD || QStringView(u"/\\:*?\"<>|").contains(QChar(c));
}

QString TrimmedOfDotsAndBlanks(QString safe)
{
    safe = safe.trimmed();
    while (!safe.isEmpty() && (safe.startsWith(u'.') || safe.endsWith(u'.') || safe.endsWith(u' ')))
        safe = safe.startsWith(u'.') ? safe.mid(1) : safe.left(safe.size() - 1);
    return safe.trimmed();
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
