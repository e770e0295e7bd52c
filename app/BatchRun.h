#pragma once
// The batch of a whole group: every row of a table of variants (report/VariantTable) computed as
// Calculate computes it (with the loads, speed and Lbc choice of its optional columns, else of the
// options), its CSV and its PDF report written together into one folder, and summary.csv with one
// line per variant (the adopted Lbc, the largest slider speed, the dead positions, the
// characteristics, the largest balancing torque, the loads used; for a bad row its inputs as
// typed and the error). The summary is replaced after every row, so it always lists what is on
// disk.

#include "app/CommandLineOptions.h"
#include "report/VariantFileName.h"

#include <QString>

class QTextStream;

// Returns the exit status (CommandLine.h); `err` gets one progress line per variant.
int RunBatch(const CommandLineOptions& options, QTextStream& err);
