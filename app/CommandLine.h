#pragma once
// The program without its window: `orvek --help`, `--version`, one mechanism from a parameter
// file or from lengths given as options (SingleMechanismRun), and a batch of variants for a whole
// group (BatchRun). Outputs are the CSV table, the PDF report and the pictures, written as the
// window writes them. The options are read by CommandLineOptions.

#include <QStringList>

class QTextStream;

// Exit statuses.
constexpr int kExitSuccess = 0;
constexpr int kExitSomeFailed = 1;   // a calculation or a write failed
constexpr int kExitUsage = 2;        // a usage error or an unreadable input

// Whether the program runs without its window: it does whenever it is given any argument at all,
// so a word it does not know gets the usage text, with a display or without one.
bool IsCommandLineMode(int argc, char** argv);

// The command line never talks to a display, whether there is one or not: its application uses
// the offscreen platform, so its pictures are the same everywhere and no window can open. Call
// before the QApplication is created.
void UseOffscreenPlatform();

// Runs the command line; `arguments` without the program name. Returns the exit status.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
