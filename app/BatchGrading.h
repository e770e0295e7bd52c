#pragma once
// The teacher's check of a whole group: every variant of the table computed as Calculate
// computes it, its student's answers file <Вариант>.csv from the answers folder checked against
// it, and grading.csv in the results folder with one line per variant and answer (variant,
// position, quantity, given, exact, error %, verdict) and a total line per variant. A variant
// that cannot be computed, and a missing or unreadable answers file, is a line with its reason;
// the run goes on.

#include "app/CommandLineOptions.h"

class QTextStream;

inline constexpr const char* kGradingFileName = "grading.csv";
inline constexpr const char* kGradingHeader = "Вариант;Положение;Величина;Дано;Точно;Ошибка, %;Итог";

// Returns the exit status (CommandLine.h): 1 when some line has a reason instead of a verdict.
int RunGrading(const CommandLineOptions& options, QTextStream& err);
