#pragma once
// The batch of a whole group: every row of a table of variants (report/VariantTable) computed as
// Calculate computes it (with the loads, speed and Lbc choice of its optional columns, else of the
// options), its CSV and its PDF report written together into one folder, and summary.csv with one
// line per variant (the adopted Lbc, the largest slider speed, the dead positions, the
// characteristics, the largest balancing torque, the loads used; for a bad row its inputs as
// typed and the error). The summary is replaced after every row, so it always lists what is on
// disk.

#include "app/CommandLineOptions.h"
#include "app/VariantInputs.h"
#include "kinematics/Calculation.h"
#include "report/VariantFileName.h"
#include "report/VariantTable.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// Returns the exit status (CommandLine.h); `err` gets one progress line per variant.
int RunBatch(const CommandLineOptions& options, QTextStream& err);

constexpr int kRequiredColumns = 7;

// Where the table holds each column: Вариант, Loa … Loc, N, then kVariantInputs' (-1: none).
struct VariantColumns {
    int required[kRequiredColumns];
    int inputs[kVariantInputs.size()];
};

// The table of the file named by --batch, with its columns found; false after saying why.
bool ReadVariantsFile(const QString& path, VariantTable& table, VariantColumns& columns, QTextStream& err);

// Says `problem` on `err`, a line of its own, when there is one; true then.
bool SaidProblem(const QString& problem, QTextStream& err);

// What both batch commands start from: `base`, the defaults under the options' inputs, and the
// table of --batch with its columns.
struct BatchInputs {
    CalculationInput base;
    VariantTable table;
    VariantColumns columns;
};
// The batch's inputs; none after saying what is wrong.
std::optional<BatchInputs> ReadBatchInputs(const CommandLineOptions& o, QTextStream& err);

// A row's input: `input` as given (the batch's defaults), then the row's lengths, N and optional
// columns as the window's fields read them; empty when accepted, else the first refusal.
QString ReadVariantRow(const QStringList& fields, const VariantColumns& columns, CalculationInput& input);
