#include "app/CommandLine.h"

#include "app/BatchGrading.h"
#include "app/BatchRun.h"
#include "app/CommandLineOptions.h"
#include "app/SheetCommandLine.h"
#include "app/SingleMechanismRun.h"

#include <QTextStream>

#include <cstdlib>

namespace {

int UsageError(const QString& text, QTextStream& err)
{
    err << text << "\n\n" << UsageText();
    return kExitUsage;
}

}  // namespace

bool IsCommandLineMode(int argc, char**)
{
    return argc > 1;
}

void UseOffscreenPlatform()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error, err);
    const CommandLineOptions& o = parsed.options;
    if (o.help) {
        out << UsageText();
        return kExitSuccess;
    }
    if (o.version) {
        out << VersionText() << '\n';
        return kExitSuccess;
    }
    if (!o.batch.isEmpty() || !o.sheets.isEmpty()) {
        SheetOptions sheets;
        QString problem;
        if (!ReadSheetOptions(o, sheets, problem))
            return UsageError(problem, err);
    }
    if (!o.batch.isEmpty()) {
        if (o.AnySingleMechanismOption())
            return UsageError(QStringLiteral("--batch работает только вместе с --out."), err);
        if (o.solution || !o.solutionOut.isEmpty())
            return UsageError(QStringLiteral("--solution работает только для одного механизма, не с --batch."), err);
        if (!o.answers.isEmpty())
            return RunGrading(o, err);
        if (o.tolerance)
            return UsageError(QStringLiteral("--tolerance нужен только вместе с --answers."), err);
        return RunBatch(o, err);
    }
    if (!o.out.isEmpty())
        return UsageError(QStringLiteral("--out нужен только вместе с --batch."), err);
    if (!o.answers.isEmpty() || o.tolerance)
        return UsageError(QStringLiteral("--answers и --tolerance работают только вместе с --batch и --out."), err);
    if (!o.solutionOut.isEmpty() && !o.solution)
        return UsageError(QStringLiteral("--solution-out нужен только вместе с --solution."), err);
    if (o.sheets.isEmpty() && AnySheetDetail(o))
        return UsageError(QStringLiteral("--sheet-format и --positions нужны только вместе с --sheets."), err);
    if (o.params.isEmpty() && !o.AnyLength())
        return UsageError(QStringLiteral("Укажите файл параметров (--params) или длины звеньев (--loa … --loc)."), err);
    return RunSingleMechanism(o, out, err);
}
