#include "app/SingleMechanismRun.h"

#include "app/CommandLine.h"
#include "app/OffscreenPictures.h"
#include "app/VariantCalculation.h"
#include "kinematics/InputRule.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/Pictures.h"
#include "storage/ParameterFile.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// The record the options describe; false (after saying why) when they cannot be read.
bool ReadRecord(const CommandLineOptions& o, Mechanism& m, QTextStream& err)
{
    SetDefaultParameters(m);
    if (!o.params.isEmpty()) {
        const QFileInfo info(o.params);
        if (!info.isFile() || !LoadParameterFile(m, o.params)) {
            err << QStringLiteral("Не удалось прочитать параметры из файла %1: нужен существующий файл параметров "
                                  "(68 байт, как его записывает программа).\n")
                       .arg(ShownPath(o.params));
            return false;
        }
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
    return true;
}

// The dynamics' δ of the options; false (after saying why) when it cannot be read.
bool ReadDeltaOption(const CommandLineOptions& o, double& delta, QTextStream& err)
{
    delta = kDefaultDelta;
    if (!o.delta)
        return true;
    if (const QString problem = ReadDelta(*o.delta, delta); !problem.isEmpty()) {
        err << FieldError("δ", problem) << QStringLiteral(" («%1»)\n").arg(*o.delta);
        return false;
    }
    return true;
}

// The output places are checked before the work, so a wrong path costs no waiting.
bool OutputsWritable(const CommandLineOptions& o, QTextStream& err)
{
    for (const QString& path : {o.csv, o.report}) {
        if (path.isEmpty())
            continue;
        if (const QString problem = CheckWritableTarget(path); !problem.isEmpty()) {
            err << problem << '\n';
            return false;
        }
    }
    if (!o.images.isEmpty()) {
        if (const QString problem = CheckWritableFolder(o.images); !problem.isEmpty()) {
            err << problem << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace

int RunSingleMechanism(const CommandLineOptions& o, QTextStream& out, QTextStream& err)
{
    Mechanism m{};
    double delta = kDefaultDelta;
    if (!ReadRecord(o, m, err) || !ReadDeltaOption(o, delta, err) || !OutputsWritable(o, err))
        return kExitUsage;

    QString error;
    const std::optional<CalculationResult> result = CalculateOrSay(m, delta, error);
    if (!result) {
        err << error << '\n';
        return kExitSomeFailed;
    }
    out << QStringLiteral("Длина коромысла BC выбрана: %1 м\n").arg(NumberText(result->Kinematics().solved.Lbc));
    out << QStringLiteral("Наибольшая скорость ползуна E: %1 м/с\n").arg(NumberText(LargestSliderSpeed(*result)));
    out << QStringLiteral("Мёртвые положения, °: %1\n").arg(DeadDegreesText(*result));
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
    if (!o.csv.isEmpty())
        report(WriteResultsCsv(*result, o.csv, error), ShownPath(o.csv));
    if (!o.report.isEmpty() || !o.images.isEmpty()) {
        const OffscreenPictures pictures(*result);
        if (!o.report.isEmpty())
            report(WriteReportPdf(ReportInputOf(*result, pictures), o.report, error), ShownPath(o.report));
        if (!o.images.isEmpty())
            report(SavePictureSet(o.images, pictures.Charts(), pictures.velocityPlan, pictures.mechanismDrawing, error),
                   QStringLiteral("рисунки в папку %1").arg(ShownPath(o.images)));
    }
    return status;
}
