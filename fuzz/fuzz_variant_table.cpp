// The batch's table of variants (report/VariantTable) on any bytes: it never crashes or reads
// out of bounds, its records stand in file order on lines the file has, and a table written back
// with every field quoted reads as the same table (when the separator found is the same).

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
