// The batch's table of variants (report/VariantTable) on any bytes, in any encoding it reads: it
// never crashes or reads out of bounds, its records stand in file order on lines the file has,
// and a table written back with every field quoted reads as the same table (when the separator
// found is the same). Every field, taken as a variant's name, gives a file name the file system
// takes and a spreadsheet cell and a terminal line without control characters or formulas.

#include "report/SpreadsheetText.h"
#include "report/VariantFileName.h"
#include "report/VariantTable.h"

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray Quoted(const VariantRecord& record, QChar separator)
{
    QString line;
    for (int f = 0; f < record.fields.size(); ++f) {
        if (f > 0)
            line += separator;
        QString field = record.fields[f];
        field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        line += u'"' + field + u'"';
    }
    return line.toUtf8() + "\n";
}

bool HasControl(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            return true;
    }
    return false;
}

void CheckName(const QString& name, int row)
{
    const QString safe = SafeFileName(name, row);
    const QByteArray bytes = safe.toUtf8();
    if (safe.isEmpty() || bytes.size() > kLongestFileNameBytes || HasControl(safe) || safe.startsWith(u'.')
        || safe.endsWith(u'.') || safe.endsWith(u' ') || QString::fromUtf8(bytes) != safe)
        std::abort();
    for (const QChar c : QStringLiteral("/\\:*?\"<>|")) {
        if (safe.contains(c))
            std::abort();
    }
    // Whole characters only: no surrogate left without its pair.
    for (qsizetype i = 0; i < safe.size(); ++i) {
        if (safe[i].isHighSurrogate() ? !(i + 1 < safe.size() && safe[++i].isLowSurrogate()) : safe[i].isLowSurrogate())
            std::abort();
    }
    if (SafeFileName(safe, row) != safe)
        std::abort();
    const QString cell = SpreadsheetTextCell(name);
    if (HasControl(cell) || (!cell.isEmpty() && QStringLiteral("=+-@").contains(cell.front())))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    VariantTable table;
    if (!ParseVariantTable(bytes, table))
        return 0;
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r');
    if (table.header.line < 1 || table.header.line > lineEnds + 1 || table.records.size() > lineEnds)
        std::abort();
    // Every record ends at a line break, so the next one starts on a later line.
    int previous = table.header.line;
    for (const VariantRecord& record : table.records) {
        if (record.line <= previous || record.fields.isEmpty())
            std::abort();
        previous = record.line;
        for (const QString& field : record.fields)
            CheckName(field, record.line);
    }

    QByteArray written = Quoted(table.header, table.separator);
    for (const VariantRecord& record : table.records)
        written += Quoted(record, table.separator);
    VariantTable again;
    if (!ParseVariantTable(written, again))
        std::abort();
    if (again.separator != table.separator)
        return 0;  // a quoted header may hold a stronger separator than its first line did
    if (again.header.fields != table.header.fields || again.records.size() != table.records.size())
        std::abort();
    for (qsizetype r = 0; r < table.records.size(); ++r) {
        if (again.records[r].fields != table.records[r].fields)
            std::abort();
    }
    return 0;
}
