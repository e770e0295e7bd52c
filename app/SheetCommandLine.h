#pragma once
// The sheets' options of the command line (--sheets, --sheet-format, --positions, --scheme-positions, --student,
// --group, --teacher) read into the options of the sheets and the report's title page.

#include "app/CommandLineOptions.h"
#include "report/ReportDocument.h"
#include "report/Sheets.h"

#include <QString>

// False, with the reason in `error`, when the format or the positions cannot be read.
bool ReadSheetOptions(const CommandLineOptions& o, SheetOptions& options, QString& error);

// True when any of the sheets' options but --sheets itself was given.
bool AnySheetDetail(const CommandLineOptions& o);

// The report's title page from the same options.
ReportTitle ReportTitleOf(const CommandLineOptions& o, const QString& variant = QString());

// Writes the sheets of `result` into `dir` (created when missing), its scheme in the options' count
// of positions; false with the reason. `written` receives the paths.
bool WriteSheetsInto(const CalculationResult& result, const SheetOptions& options, const QString& dir, QString& error,
                     QStringList* written = nullptr);
