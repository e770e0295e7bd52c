#include "app/BatchRun.h"

#include "app/CommandLine.h"
#include "app/OffscreenPictures.h"
#include "app/SheetCommandLine.h"
#include "app/VariantCalculation.h"
#include "app/VariantInputs.h"
#include "kinematics/Angles.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/SpreadsheetText.h"
#include "report/VariantTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

constexpr int kFixedSummaryColumns = 22;
constexpr int kErrorColumn = 10;
constexpr int kDeltaCell = 21;  // the δ the dynamics used, beside Mд and Jм

// The table's columns: the name, the five lengths, N.
const char* const kColumns[kRequiredColumns] = {"Вариант", "Loa", "Lab", "Lbc", "Lde", "Loc", "N"};

struct VariantResult {
    QStringList cells;
    bool ok = false;
};

QString SummaryHeader()
{
    return QStringLiteral("Вариант;Loa, м;Lab, м;Lbc, м;Lde, м;Loc, м;N;Lbc выбранная, м;Ve max, м/с;"
                          "Мёртвые положения, °;Ошибка;H, м;K;γmin, °;γmax, °;φ крайнее 1, °;φ крайнее 2, °;"
                          "Mб max, Н·м;φ при Mб max, °"
                          ";Mд, Н·м;Jм, кг·м²;δ;")
           + UsedInputHeaders().join(u';');
}

QString Field(const QStringList& fields, int column)
{
    return column >= 0 && column < fields.size() ? fields[column].trimmed() : QString();
}

// A row that failed keeps what it was given: its name, lengths and N as typed, and the loads it
// would have used (a text typed for them as it was typed), beside its error.
VariantResult FailedVariant(const QStringList& fields, const VariantColumns& columns, const CalculationInput& base,
                            const QString& error)
{
    VariantResult r;
    r.cells = QStringList(kFixedSummaryColumns, QString());
    for (int c = 0; c < kRequiredColumns; ++c)
        r.cells[c] = SpreadsheetTextCell(Field(fields, columns.required[c]));
    r.cells[kErrorColumn] = SpreadsheetTextCell(error);
    r.cells[kDeltaCell] = NumberText(base.delta);
    QStringList used = UsedInputCells(base);
    int cell = 0;
    for (std::size_t i = 0; i < kVariantInputs.size(); ++i) {
        const VariantInput& input = kVariantInputs[i];
        const QString typed = Field(fields, columns.inputs[i]);
        const bool speedInRpm = QLatin1String(input.column) == QLatin1String("n1");
        QString* target = input.used ? &used[cell++]
                          : speedInRpm ? &used[0]  // the speed has one cell, as typed in either column
                                       : &r.cells[kDeltaCell];
        if (!typed.isEmpty())
            *target = SpreadsheetTextCell(speedInRpm ? typed + QStringLiteral(" об/мин") : typed);
    }
    r.cells << used;
    return r;
}

// The summary's cells of a variant that was computed.
QStringList SummaryCells(const QString& name, const Mechanism& m, const CalculationResult& result)
{
    QStringList cells;
    cells << SpreadsheetTextCell(name) << NumberText(m.Loa) << NumberText(m.Lab) << NumberText(m.Lbc)
          << NumberText(m.Lde) << NumberText(m.Loc) << QString::number(m.PositionCount)
          << NumberText(result.Kinematics().solved.Lbc) << NumberText(LargestSliderSpeed(result))
          << DeadDegreesText(result) << QString();
    // The characteristics' cells stay empty where the crank cannot turn fully.
    if (const MechanismCharacteristics* c = result.Kinematics().TurningCharacteristics()) {
        cells << NumberText(c->Stroke) << NumberText(c->TimeRatio) << NumberText(Degrees(c->GammaMin))
              << NumberText(Degrees(c->GammaMax)) << NumberText(Degrees(c->Extreme1)) << NumberText(Degrees(c->Extreme2));
    } else {
        cells << QStringList(6, QString());
    }
    // The largest |Mб| with the row's loads, and the crank angle where it occurs.
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
    cells << UsedInputCells(result.input);
    return cells;
}

VariantResult RunVariant(const QStringList& fields, const VariantColumns& columns, const CalculationInput& base,
                         const QString& name, const QString& baseName, const QDir& out,
                         const CommandLineOptions& options)
{
    CalculationInput input = base;
    if (const QString problem = ReadVariantRow(fields, columns, input); !problem.isEmpty())
        return FailedVariant(fields, columns, base, problem);

    QString error;
    const std::optional<CalculationResult> result = CalculateOrSay(input, error);
    if (!result)
        return FailedVariant(fields, columns, input, error);
    {
        const OffscreenPictures pictures(*result);
        const ReportInput report = ReportInputOf(*result, pictures, ReportTitleOf(options, name));
        // Both or neither: a new table never stands beside an older report.
        if (!WriteFilesTogether({{out.filePath(baseName + QStringLiteral(".csv")), ResultsCsvWriter(*result)},
                                 {out.filePath(baseName + QStringLiteral(".pdf")), ReportPdfWriter(report)}},
                                error))
            return FailedVariant(fields, columns, input, error);
    }
    if (!options.sheets.isEmpty()) {
        SheetOptions sheets;
        ReadSheetOptions(options, sheets, error);  // read before the batch: cannot fail here
        sheets.variant = name;
        if (!WriteSheetsInto(*result, sheets, QDir(options.sheets).filePath(baseName), error))
            return FailedVariant(fields, columns, input, error);
    }
    return {SummaryCells(name, input.typed, *result), true};
}

QString TableMessage(const QString& path, const VariantTable& table, const QString& what)
{
    return QStringLiteral("В первой строке файла вариантов %1 %2 Нужен заголовок Вариант;Loa;Lab;Lbc;Lde;Loc;N "
                          "(прочитан как %3, концы строк: %4, разделитель «%5»).\n")
        .arg(ShownPath(path), what, table.encoding, table.lineEnds,
             table.separator == u'\t' ? QStringLiteral("табуляция") : QString(table.separator));
}

// The folder named by --out, created when only it is missing; false after saying why.
bool PrepareOutputFolder(const QString& dir, QTextStream& err)
{
    const QFileInfo info(dir);
    if (!info.exists() && QFileInfo(info.absolutePath()).isDir()) {
        if (!QDir().mkdir(dir)) {
            err << QStringLiteral("Не удалось создать папку %1.\n").arg(ShownPath(dir));
            return false;
        }
        err << QStringLiteral("Создана папка %1.\n").arg(ShownPath(dir));
    }
    if (SaidProblem(CheckWritableFolder(dir), err))
        return false;
    return true;
}

// The summary's block of what every row shares: the table and the defaults of its optional columns.
std::vector<CsvCondition> SummaryConditions(const QString& tablePath, const CalculationInput& base)
{
    std::vector<CsvCondition> conditions{{QStringLiteral("Файл вариантов"), QDir::toNativeSeparators(tablePath)}};
    const QStringList headers = UsedInputHeaders();
    const QStringList defaults = UsedInputCells(base);
    for (int i = 0; i < headers.size(); ++i)
        conditions.push_back({headers[i] + QStringLiteral(" по умолчанию"), defaults[i]});
    conditions.push_back({QStringLiteral("Ve max"), QStringLiteral("по таблице положений, при ω1 = 1 рад/с")});
    conditions.push_back({QStringLiteral("Mб max"), QStringLiteral("при ω1 и нагрузках своей строки")});
    return conditions;
}

bool WriteSummary(const QString& path, const std::vector<CsvCondition>& conditions, const QStringList& lines,
                  QString& error)
{
    return WriteFileAtomically(path, [&](QIODevice& device, QString&) {
        QByteArray text = CsvText(conditions, {}, 0);
        text.chop(2);  // no table header of numbers: the summary's own lines follow
        for (const QString& line : lines)
            text += line.toUtf8() + "\r\n";
        return device.write(text) == text.size();
    }, error);
}

}  // namespace

int RunBatch(const CommandLineOptions& o, QTextStream& err)
{
    if (o.out.isEmpty()) {
        err << QStringLiteral("Для --batch нужна папка результатов: --out DIR\n");
        return kExitUsage;
    }
    const std::optional<BatchInputs> inputs = ReadBatchInputs(o, err);
    if (!inputs)
        return kExitUsage;
    const auto& [base, table, columns] = *inputs;
    if (!PrepareOutputFolder(o.out, err))
        return kExitUsage;
    if (!o.sheets.isEmpty()) {
        if (SaidProblem(CheckWritableFolder(o.sheets), err))
            return kExitUsage;
    }
    const QString summaryPath = QDir(o.out).filePath(QStringLiteral("summary.csv"));
    if (SaidProblem(CheckWritableTarget(summaryPath), err))
        return kExitUsage;

    const QDir out(o.out);
    const auto total = static_cast<int>(table.records.size());
    const auto headerSize = static_cast<int>(table.header.fields.size());
    const std::vector<CsvCondition> conditions = SummaryConditions(o.batch, base);
    QSet<QString> usedNames{QStringLiteral("summary")};
    QStringList summary{SummaryHeader()};
    QString error;
    // From the start on, summary.csv lists exactly the variants whose files are on disk.
    if (!WriteSummary(summaryPath, conditions, summary, error)) {
        err << error << '\n';
        return kExitSomeFailed;
    }
    int failed = 0;
    for (int row = 1; row <= total; ++row) {
        const VariantRecord& record = table.records[row - 1];
        const QStringList& fields = record.fields;
        const QString name = Field(fields, columns.required[0]);
        const QString shownName = WithoutControlCharacters(name);
        VariantResult result;
        if (fields.size() != headerSize) {
            result = FailedVariant(fields, columns, base,
                                   QStringLiteral("В строке %1 полей: %2, а в заголовке %3 (числа с десятичной "
                                                  "запятой разделяйте поля точкой с запятой).")
                                       .arg(record.line)
                                       .arg(fields.size())
                                       .arg(headerSize));
        } else {
            const QString safe = SafeFileName(name, row);
            QString fileBase = safe;
            // Two variants never share a file.
            for (int copy = 2; usedNames.contains(fileBase.toLower()); ++copy)
                fileBase = safe + QStringLiteral("_%1").arg(copy);
            usedNames.insert(fileBase.toLower());
            if (fileBase != safe)
                err << QStringLiteral("Вариант «%1»: файлы названы «%2», потому что имя «%3» уже занято другим вариантом.\n")
                           .arg(shownName, fileBase, safe);
            else if (fileBase != name)
                err << QStringLiteral("Вариант «%1»: файлы названы «%2», потому что имя не годится для имени файла.\n")
                           .arg(shownName, fileBase);
            result = RunVariant(fields, columns, base, name, fileBase, out, o);
        }
        if (!result.ok)
            ++failed;
        summary << CsvLine(result.cells);
        const QString progress = QStringLiteral("[%1/%2] %3: %4\n")
                                     .arg(row)
                                     .arg(total)
                                     .arg(name.isEmpty() ? QStringLiteral("(без имени)") : shownName,
                                          result.ok ? QStringLiteral("готово")
                                                    : QStringLiteral("ошибка — ") + result.cells[kErrorColumn]);
        err << WithoutControlCharacters(progress.chopped(1)) << '\n';
        err.flush();
        if (!WriteSummary(summaryPath, conditions, summary, error)) {
            err << error << '\n';
            return kExitSomeFailed;
        }
    }

    err << QStringLiteral("Готово: %1 из %2 вариантов рассчитаны, сводка в %3\n")
               .arg(total - failed)
               .arg(total)
               .arg(ShownPath(summaryPath));
    return failed > 0 ? kExitSomeFailed : kExitSuccess;
}

bool SaidProblem(const QString& problem, QTextStream& err)
{
    if (problem.isEmpty())
        return false;
    err << problem << '\n';
    return true;
}

std::optional<BatchInputs> ReadBatchInputs(const CommandLineOptions& o, QTextStream& err)
{
    BatchInputs inputs;
    SetDefaultParameters(inputs.base.typed);
    if (SaidProblem(ApplyCommandLineInputs(o, inputs.base), err))
        return std::nullopt;
    if (!ReadVariantsFile(o.batch, inputs.table, inputs.columns, err))
        return std::nullopt;
    return inputs;
}

bool ReadVariantsFile(const QString& path, VariantTable& table, VariantColumns& columns, QTextStream& err)
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
    for (int c = 0; c < kRequiredColumns; ++c) {
        columns.required[c] = table.Column(QString::fromUtf8(kColumns[c]));
        if (columns.required[c] < 0) {
            err << TableMessage(path, table, QStringLiteral("нет столбца «%1».").arg(QString::fromUtf8(kColumns[c])));
            return false;
        }
    }
    for (std::size_t i = 0; i < kVariantInputs.size(); ++i)
        columns.inputs[i] = table.Column(QString::fromUtf8(kVariantInputs[i].column));
    if (columns.inputs[0] >= 0 && columns.inputs[1] >= 0) {
        err << TableMessage(path, table, QStringLiteral("есть оба столбца «ω1» и «n1»: скорость кривошипа задаётся одним."));
        return false;
    }
    return true;
}

QString ReadVariantRow(const QStringList& fields, const VariantColumns& columns, CalculationInput& input)
{
    Mechanism& m = input.typed;
    for (int f = 0; f < 5; ++f) {
        double value = 0;
        if (const QString problem = ReadLength(f, fields[columns.required[f + 1]], value); !problem.isEmpty())
            return FieldError(kLengthFieldNames[f], problem);
        m.*kLengthFields[f] = value;
    }
    std::int32_t n = 0;
    if (const QString problem = ReadPositionCount(fields[columns.required[6]], n); !problem.isEmpty())
        return FieldError("N", problem);
    m.PositionCount = n;
    SetDerivedLengths(m);
    for (std::size_t i = 0; i < kVariantInputs.size(); ++i) {
        const QString text = Field(fields, columns.inputs[i]);
        // An empty cell takes the default, as a missing column does.
        if (text.isEmpty())
            continue;
        if (const QString problem = ApplyVariantInput(kVariantInputs[i], text, input); !problem.isEmpty())
            return problem;
    }
    return QString();
}
