#include "app/BatchRun.h"

#include "app/CommandLine.h"
#include "app/OffscreenPictures.h"
#include "app/VariantCalculation.h"
#include "kinematics/Angles.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/VariantTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

constexpr int kLongestFileName = 100;
constexpr int kSummaryColumns = 22;
constexpr int kErrorColumn = 10;

// The table's columns: the name, the five lengths, N.
const char* const kColumns[7] = {"Вариант", "Loa", "Lab", "Lbc", "Lde", "Loc", "N"};
// An optional column: the dynamics' δ of the row (an empty cell or no column: --delta or 0,04).
const char* const kDeltaColumn = "δ";

// Where a row's δ comes from.
struct DeltaSource {
    int column = -1;
    double fallback = kDefaultDelta;
};

struct VariantResult {
    QStringList cells;
    bool ok = false;
};

QString SummaryHeader()
{
    return QStringLiteral("Вариант;Loa, м;Lab, м;Lbc, м;Lde, м;Loc, м;N;Lbc выбранная, м;Ve max, м/с;"
                          "Мёртвые положения, °;Ошибка;H, м;K;γmin, °;γmax, °;φ крайнее 1, °;φ крайнее 2, °;"
                          "Mб max, Н·м;φ при Mб max, °"
                          ";Mд, Н·м;Jм, кг·м²;δ");
}

VariantResult FailedVariant(const QString& name, const QString& error)
{
    VariantResult r;
    r.cells = QStringList(kSummaryColumns, QString());
    r.cells[0] = name;
    r.cells[kErrorColumn] = error;
    return r;
}

// The summary's cells of a variant that was computed.
QStringList SummaryCells(const QString& name, const Mechanism& m, const CalculationResult& result)
{
    QStringList cells;
    cells << name << NumberText(m.Loa) << NumberText(m.Lab) << NumberText(m.Lbc) << NumberText(m.Lde)
          << NumberText(m.Loc) << QString::number(m.PositionCount) << NumberText(result.Kinematics().solved.Lbc)
          << NumberText(LargestSliderSpeed(result)) << DeadDegreesText(result) << QString();
    // The characteristics' cells stay empty where the crank cannot turn fully.
    if (const MechanismCharacteristics* c = result.Kinematics().TurningCharacteristics()) {
        cells << NumberText(c->Stroke) << NumberText(c->TimeRatio) << NumberText(Degrees(c->GammaMin))
              << NumberText(Degrees(c->GammaMax)) << NumberText(Degrees(c->Extreme1)) << NumberText(Degrees(c->Extreme2));
    } else {
        cells << QStringList(6, QString());
    }
    // The largest |Mб| with the default loads, and the crank angle where it occurs.
    double torque = 0;
    double degrees = 0;
    if (LargestBalancingTorque(result, torque, degrees))
        cells << NumberText(torque) << NumberText(degrees);
    else
        cells << QString() << QString();
    // The driving torque and the exact flywheel, empty where there are no dynamics; the δ asked.
    if (result.dynamics.Computed())
        cells << NumberText(result.dynamics.curves.DrivingTorque) << NumberText(result.dynamics.curves.Exact.Jm);
    else
        cells << QString() << QString();
    cells << NumberText(result.input.delta);
    return cells;
}

VariantResult RunVariant(const QStringList& fields, const int (&column)[7], const DeltaSource& deltaSource,
                         const QString& name, const QString& baseName, const QDir& out)
{
    Mechanism m{};
    SetDefaultParameters(m);
    for (int f = 0; f < 5; ++f) {
        double value = 0;
        if (const QString problem = ReadLength(f, fields[column[f + 1]], value); !problem.isEmpty())
            return FailedVariant(name, FieldError(kLengthFieldNames[f], problem));
        m.*kLengthFields[f] = value;
    }
    std::int32_t n = 0;
    if (const QString problem = ReadPositionCount(fields[column[6]], n); !problem.isEmpty())
        return FailedVariant(name, FieldError("N", problem));
    m.PositionCount = n;
    SetDerivedLengths(m);
    double delta = deltaSource.fallback;
    if (deltaSource.column >= 0 && !fields[deltaSource.column].trimmed().isEmpty()) {
        if (const QString problem = ReadDelta(fields[deltaSource.column], delta); !problem.isEmpty())
            return FailedVariant(name, FieldError(kDeltaColumn, problem));
    }

    QString error;
    const std::optional<CalculationResult> result = CalculateOrSay(m, delta, error);
    if (!result)
        return FailedVariant(name, error);
    if (!WriteResultsCsv(*result, out.filePath(baseName + QStringLiteral(".csv")), error))
        return FailedVariant(name, error);
    {
        const OffscreenPictures pictures(*result);
        if (!WriteReportPdf(ReportInputOf(*result, pictures), out.filePath(baseName + QStringLiteral(".pdf")), error))
            return FailedVariant(name, error);
    }
    return {SummaryCells(name, m, *result), true};
}

// The table of the file named by --batch, with its columns found; false after saying why.
bool ReadTable(const QString& path, VariantTable& table, int (&column)[7], QTextStream& err)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        err << QStringLiteral("Не удалось прочитать файл вариантов %1.\n").arg(ShownPath(path));
        return false;
    }
    if (!ParseVariantTable(file.readAll(), table)) {
        err << QStringLiteral("Файл вариантов %1 пуст.\n").arg(ShownPath(path));
        return false;
    }
    for (int c = 0; c < 7; ++c) {
        column[c] = table.Column(QString::fromUtf8(kColumns[c]));
        if (column[c] < 0) {
            err << QStringLiteral("В первой строке файла вариантов %1 нет столбца «%2». Нужен заголовок "
                                  "Вариант;Loa;Lab;Lbc;Lde;Loc;N.\n")
                       .arg(ShownPath(path), QString::fromUtf8(kColumns[c]));
            return false;
        }
    }
    return true;
}

bool WriteSummary(const QString& path, const QStringList& lines, QString& error)
{
    QByteArray text("\xEF\xBB\xBF");
    for (const QString& line : lines)
        text += line.toUtf8() + "\r\n";
    return WriteFileAtomically(path, [&text](QIODevice& device, QString&) { return device.write(text) == text.size(); },
                               error);
}

}  // namespace

int RunBatch(const CommandLineOptions& o, QTextStream& err)
{
    if (o.out.isEmpty()) {
        err << QStringLiteral("Для --batch нужна папка результатов: --out DIR\n");
        return kExitUsage;
    }
    VariantTable table;
    int column[7];
    if (!ReadTable(o.batch, table, column, err))
        return kExitUsage;
    if (const QString problem = CheckWritableFolder(o.out); !problem.isEmpty()) {
        err << problem << '\n';
        return kExitUsage;
    }
    const QString summaryPath = QDir(o.out).filePath(QStringLiteral("summary.csv"));
    if (const QString problem = CheckWritableTarget(summaryPath); !problem.isEmpty()) {
        err << problem << '\n';
        return kExitUsage;
    }

    const QDir out(o.out);
    DeltaSource deltaSource;
    deltaSource.column = table.Column(QString::fromUtf8(kDeltaColumn));
    if (o.delta) {
        if (const QString problem = ReadDelta(*o.delta, deltaSource.fallback); !problem.isEmpty()) {
            err << FieldError(kDeltaColumn, problem) << QStringLiteral(" («%1»)\n").arg(*o.delta);
            return kExitUsage;
        }
    }
    const auto total = static_cast<int>(table.records.size());
    const auto headerSize = static_cast<int>(table.header.fields.size());
    QSet<QString> usedNames{QStringLiteral("summary")};
    QStringList summary{SummaryHeader()};
    int failed = 0;
    for (int row = 1; row <= total; ++row) {
        const VariantRecord& record = table.records[row - 1];
        const QStringList& fields = record.fields;
        const QString name = column[0] < fields.size() ? fields[column[0]].trimmed() : QString();
        VariantResult result;
        if (fields.size() != headerSize) {
            result = FailedVariant(name, QStringLiteral("В строке %1 полей: %2, а в заголовке %3 (числа с десятичной "
                                                        "запятой разделяйте поля точкой с запятой).")
                                             .arg(record.line)
                                             .arg(fields.size())
                                             .arg(headerSize));
        } else {
            QString base = SafeFileName(name, row);
            // Two variants never share a file.
            for (int copy = 2; usedNames.contains(base.toLower()); ++copy)
                base = SafeFileName(name, row) + QStringLiteral("_%1").arg(copy);
            usedNames.insert(base.toLower());
            if (base != name)
                err << QStringLiteral("Вариант «%1»: файлы названы «%2», потому что имя не годится для имени файла.\n")
                           .arg(name, base);
            result = RunVariant(fields, column, deltaSource, name, base, out);
        }
        if (!result.ok)
            ++failed;
        summary << CsvLine(result.cells);
        err << QStringLiteral("[%1/%2] %3: %4\n")
                   .arg(row)
                   .arg(total)
                   .arg(name.isEmpty() ? QStringLiteral("(без имени)") : name,
                        result.ok ? QStringLiteral("готово") : QStringLiteral("ошибка — ") + result.cells[kErrorColumn]);
        err.flush();
    }

    QString error;
    if (!WriteSummary(summaryPath, summary, error)) {
        err << error << '\n';
        return kExitSomeFailed;
    }
    err << QStringLiteral("Готово: %1 из %2 вариантов рассчитаны, сводка в %3\n")
               .arg(total - failed)
               .arg(total)
               .arg(ShownPath(summaryPath));
    return failed > 0 ? kExitSomeFailed : kExitSuccess;
}

QString SafeFileName(const QString& name, int row)
{
    QString safe;
    for (const QChar c : name) {
        const bool refused = c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += refused ? u'_' : c;
    }
    safe = safe.trimmed();
    while (safe.startsWith(u'.') || safe.endsWith(u'.') || safe.endsWith(u' '))
        safe = safe.startsWith(u'.') ? safe.mid(1) : safe.left(safe.size() - 1);
    safe = safe.left(kLongestFileName);
    if (safe.isEmpty())
        safe = QStringLiteral("Вариант_%1").arg(row);
    return safe;
}
