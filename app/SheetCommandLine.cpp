#include "app/SheetCommandLine.h"

#include <QDir>

bool ReadSheetOptions(const CommandLineOptions& o, SheetOptions& options, QString& error)
{
    options.people = {o.student, o.group, o.teacher};
    options.date = QDate::currentDate();
    if (!o.sheetFormat.isEmpty()) {
        const auto format = SheetFormatNamed(o.sheetFormat);
        if (!format) {
            error = QStringLiteral("Формат листов «%1» не годится: нужен A1, A2, A3 или A4.").arg(o.sheetFormat);
            return false;
        }
        options.format = *format;
    }
    if (!o.schemePositions.isEmpty()) {
        const auto count = ParseSchemeCount(o.schemePositions, error);
        if (!count)
            return false;
        options.schemePositions = *count;
    }
    if (!o.positions.isEmpty()) {
        options.positions = ParsePositions(o.positions, error, options.schemePositions);
        if (!options.positions)
            return false;
    }
    return true;
}

bool AnySheetDetail(const CommandLineOptions& o)
{
    return !o.sheetFormat.isEmpty() || !o.positions.isEmpty() || !o.schemePositions.isEmpty();
}

ReportTitle ReportTitleOf(const CommandLineOptions& o, const QString& variant)
{
    ReportTitle title;
    title.student = o.student;
    title.group = o.group;
    title.teacher = o.teacher;
    title.variant = variant;
    return title;
}

bool WriteSheetsInto(const CalculationResult& result, const SheetOptions& options, const QString& dir, QString& error,
                     QStringList* written)
{
    if (!QDir().mkpath(dir)) {
        error = QStringLiteral("Не удалось создать папку %1.").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    if (result.scheme.count != options.schemePositions)
        return WriteSheets(WithSchemePositions(result, options.schemePositions), options, dir, error, written);
    return WriteSheets(result, options, dir, error, written);
}
