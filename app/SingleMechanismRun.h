#pragma once
// One mechanism without the window: from a parameter file and/or lengths given as options,
// computed as Calculate computes it, and the requested files written as the window writes them.

#include "app/CommandLineOptions.h"

class QTextStream;

// Returns the exit status (CommandLine.h); `out` gets the results, `err` what was written and
// every problem.
int RunSingleMechanism(const CommandLineOptions& options, QTextStream& out, QTextStream& err);
