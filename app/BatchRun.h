#pragma once
// The batch of a whole group: every row of a table of variants (report/VariantTable) computed as
// Calculate computes it, its CSV and its PDF report written into one folder, and summary.csv with
// one line per variant (the adopted Lbc, the largest slider speed, the dead positions, the
// characteristics, the largest balancing torque, or for a bad row only the error).

#include "app/CommandLineOptions.h"
#include "kinematics/Mechanism.h"
#include "report/VariantTable.h"

#include <QString>

class QTextStream;

// Returns the exit status (CommandLine.h); `err` gets one progress line per variant.
int RunBatch(const CommandLineOptions& options, QTextStream& err);

// A variant name made safe as a file name: no folder separators, no characters that file systems
// refuse, no leading or trailing blanks and dots, not empty.
QString SafeFileName(const QString& name, int row);

// The table of the file named by --batch, with its columns (Вариант, Loa … Loc, N) found; false
// after saying why.
bool ReadVariantsFile(const QString& path, VariantTable& table, int (&column)[7], QTextStream& err);

// A row's record as the window's fields read it; empty when accepted, else the first field's error.
QString ReadVariantRecord(const QStringList& fields, const int (&column)[7], Mechanism& m);
