#pragma once
// The program without its window: `orvek --help`, one mechanism from a parameter file or from
// lengths given as options, and a batch of variants for a whole group. Outputs are the CSV table,
// the PDF report and the pictures, written as the window writes them.

#include <QStringList>

class QTextStream;

// Exit statuses.
constexpr int kExitSuccess = 0;
constexpr int kExitSomeFailed = 1;   // a calculation or a write failed
constexpr int kExitUsage = 2;        // a usage error or an unreadable input

// Whether the arguments ask for the command line rather than the window: any "--" option, "-h".
bool IsCommandLineMode(int argc, char** argv);

// Without a display the offscreen platform is used; call before the QApplication is created.
void UseOffscreenPlatformWithoutDisplay();

// Runs the command line; `arguments` without the program name. Returns the exit status.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// A variant name made safe as a file name: no folder separators, no characters that file systems
// refuse, no leading or trailing blanks and dots, not empty.
QString SafeFileName(const QString& name, int row);
