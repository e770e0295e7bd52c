#pragma once
// The worked solution of one table position on the command line (--solution K): its text to
// standard output, or with --solution-out into a file (UTF-8, LF line ends).

#include "app/CommandLineOptions.h"
#include "kinematics/Calculation.h"

#include <QString>

class QTextStream;

// K of --solution as typed: empty when it is a whole number (then `k` holds it), else the message.
QString ReadSolutionPosition(const QString& typed, int& k);

// Writes the solution of position k of `result` where the options say; false after saying why.
bool WriteSolution(const CommandLineOptions& options, const CalculationResult& result, int k, QTextStream& out,
                   QTextStream& err);
