#include "app/SingleMechanismRun.h"

#include "app/CalculateStatus.h"
#include "app/CommandLine.h"
#include "app/OffscreenPictures.h"
#include "app/SheetCommandLine.h"
#include "app/SolutionOutput.h"
#include "app/VariantCalculation.h"
#include "app/VariantInputs.h"
#include "kinematics/InputRule.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/Pictures.h"
#include "storage/ParameterFile.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// The file's values get the verdicts the window's fields give them once they show them.
// A value an option gives replaces the file's and is judged as an option.
bool JudgeLoadedRecord(const Mechanism& m, const CommandLineOptions& o, QTextStream& err)
{
    const auto say = [&](const char* field, const QString& problem) {
        err << FieldError(field, problem) << QStringLiteral(" (в файле параметров %1)\n").arg(ShownPath(o.params));
    };
    for (int f = 0; f < 5; ++f) {
        if (o.lengths[f])
            continue;
        double value = 0;
        if (const QString problem = ReadLength(f, NumberText(m.*kLengthFields[f]), value); !problem.isEmpty()) {
            say(kLengthFieldNames[f], problem);
            return false;
        }
    }
    std::int32_t n = 0;
    if (o.n)
        return true;
    if (const QString problem = ReadPositionCount(QString::number(m.PositionCount), n); !problem.isEmpty()) {
        say("N", problem);
        return false;
    }
    return true;
}

// The input the options describe; false (after saying why) when they cannot be read.
bool ReadInput(const CommandLineOptions& o, CalculationInput& input, QTextStream& err)
{
    Mechanism& m = input.typed;
    SetDefaultParameters(m);
    if (!o.params.isEmpty()) {
        const QFileInfo info(o.params);
        if (!info.isFile() || !LoadParameterFile(m, o.params)) {
            err << QStringLiteral("Не удалось прочитать параметры из файла %1: нужен существующий файл параметров "
                                  "(68 байт, как его записывает программа).\n")
                       .arg(ShownPath(o.params));
            return false;
        }
        if (!JudgeLoadedRecord(m, o, err))
            return false;
    }
    for (int f = 0; f < 5; ++f) {
        if (!o.lengths[f])
            continue;
        double value = 0;
        if (const QString problem = ReadLength(f, *o.lengths[f], value); !problem.isEmpty()) {
            err << FieldError(kLengthFieldNames[f], problem) << QStringLiteral(" («%1»)\n").arg(*o.lengths[f]);
            return false;
        }
        m.*kLengthFields[f] = value;
    }
    if (o.n) {
        std::int32_t n = 0;
        if (const QString problem = ReadPositionCount(*o.n, n); !problem.isEmpty()) {
            err << FieldError("N", problem) << '\n';
            return false;
        }
        m.PositionCount = n;
    }
    if (const auto refusal = PositionCountRefusal(m.PositionCount)) {
        err << QString::fromStdString(*refusal) << '\n';
        return false;
    }
    if (const QString problem = ApplyCommandLineInputs(o, input); !problem.isEmpty()) {
        err << problem << '\n';
        return false;
    }
    return true;
}

// The output places are checked before the work, so a wrong path costs no waiting.
bool OutputsWritable(const CommandLineOptions& o, QTextStream& err)
{
    for (const QString& path : {o.csv, o.report, o.solutionOut}) {
        if (path.isEmpty())
            continue;
        if (const QString problem = CheckWritableTarget(path); !problem.isEmpty()) {
            err << problem << '\n';
            return false;
        }
    }
    for (const QString& folder : {o.images, o.sheets}) {
        if (folder.isEmpty())
            continue;
        if (const QString problem = CheckWritableFolder(folder); !problem.isEmpty()) {
            err << problem << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace

int RunSingleMechanism(const CommandLineOptions& o, QTextStream& out, QTextStream& err)
{
    int solution = -1;
    if (o.solution) {
        if (const QString problem = ReadSolutionPosition(*o.solution, solution); !problem.isEmpty()) {
            err << problem << '\n';
            return kExitUsage;
        }
    }
    CalculationInput input;
    if (!ReadInput(o, input, err) || !OutputsWritable(o, err))
        return kExitUsage;

    QString error;
    const std::optional<CalculationResult> result = CalculateOrSay(input, error);
    if (!result) {
        err << error << '\n';
        return kExitSomeFailed;
    }
    out << QStringLiteral("Длина коромысла BC выбрана: %1 м\n").arg(NumberText(result->Kinematics().solved.Lbc));
    out << QStringLiteral("Наибольшая скорость ползуна E: %1 м/с\n").arg(NumberText(LargestSliderSpeed(*result)));
    // The list is the 1° scan of the typed rocker; the extremes are those of the mechanism solved.
    out << QStringLiteral("Мёртвые положения (перебор через 1° при Lbc = %1 м), °: %2\n")
               .arg(NumberText(result->Kinematics().scanLbc), DeadDegreesText(*result));
    if (const QString extremes = ExtremePositionsText(result->Kinematics()); !extremes.isEmpty())
        out << extremes << '\n';
    out << DynamicsLine(*result) << '\n';

    int status = kExitSuccess;
    auto report = [&](bool ok, const QString& what) {
        if (ok) {
            err << QStringLiteral("Записано: %1\n").arg(what);
        } else {
            err << error << '\n';
            status = kExitSomeFailed;
        }
    };
    if (o.solution && !WriteSolution(o, *result, solution, out, err))
        status = kExitSomeFailed;
    if (!o.csv.isEmpty())
        report(WriteResultsCsv(*result, o.csv, error), ShownPath(o.csv));
    if (!o.report.isEmpty() || !o.images.isEmpty()) {
        const OffscreenPictures pictures(*result);
        if (!o.report.isEmpty()) {
            ReportInput reportInput = ReportInputOf(*result, pictures, ReportTitleOf(o));
            if (o.solution)
                reportInput.solutionPositions = {solution};
            report(WriteReportPdf(reportInput, o.report, error), ShownPath(o.report));
        }
        if (!o.images.isEmpty())
            report(SavePictureSet(o.images, pictures.Charts(), pictures.Drawings(), error),
                   QStringLiteral("рисунки в папку %1").arg(ShownPath(o.images)));
    }
    if (!o.sheets.isEmpty()) {
        SheetOptions sheets;
        ReadSheetOptions(o, sheets, error);  // read before the work: cannot fail here
        report(WriteSheetsInto(*result, sheets, o.sheets, error), QStringLiteral("листы в папку %1").arg(ShownPath(o.sheets)));
    }
    return status;
}
