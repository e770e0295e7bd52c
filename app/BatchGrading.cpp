#include "app/BatchGrading.h"

#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "app/VariantCalculation.h"
#include "app/VariantInputs.h"
#include "kinematics/AnswerFile.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "kinematics/ResultPositions.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/SpreadsheetText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr qint64 kLargestAnswersFile = 4 * 1024 * 1024;

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A line of the file: the variant's name and the other cells, the texts made safe for spreadsheets.
QString GradingLine(const QString& variant, const QString& position, const QString& quantity, const QString& given,
                    const QString& exact, const QString& percent, const QString& verdict)
{
    return CsvLine({SpreadsheetTextCell(variant), position, SpreadsheetTextCell(quantity), given, exact, percent,
                    SpreadsheetTextCell(verdict)});
}

QString ReasonLine(const QString& variant, const QString& reason)
{
    return GradingLine(variant, QString(), QString(), QString(), QString(), QString(), QStringLiteral("ошибка: ") + reason);
}

QString VerdictLine(const QString& variant, const AnswerVerdict& v, double tolerance)
{
    const QString position = Text(WholeNumberText(v.answer.position));
    const QString given = Text(FormatGeneral(v.answer.value));
    const QString quantity = Text(v.answer.quantity);
    if (!v.checked)
        return GradingLine(variant, position, quantity, given, QString(), QString(), QStringLiteral("ошибка: ") + Text(v.error));
    const QString limit = Text(FormatGeneral(tolerance)) + QStringLiteral(" %");
    return GradingLine(variant, position, quantity, given, Text(AnswerNumberText(v.exact)),
                       v.relativeErrorPercent ? Text(ErrorPercentText(*v.relativeErrorPercent)) : QString(),
                       v.withinTolerance ? QStringLiteral("в пределах ") + limit : QStringLiteral("вне допуска ") + limit);
}

struct VariantGrade {
    QStringList lines;
    QString summary;  // what the progress line says
    bool ok = true;
};

// The answers file's bytes; empty with the reason when it is missing or cannot be read.
bool ReadAnswersFile(const QString& path, QByteArray& bytes, QString& reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        reason = QStringLiteral("нет файла ответов %1").arg(ShownPath(path));
        return false;
    }
    QFile file(path);
    if (!info.isFile() || info.size() > kLargestAnswersFile || !file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("файл ответов %1 не читается").arg(ShownPath(path));
        return false;
    }
    bytes = file.readAll();
    return true;
}

VariantGrade GradeVariant(const QStringList& fields, const VariantColumns& columns, const CalculationInput& base,
                          const QString& name, const QString& answersPath, double tolerance)
{
    VariantGrade grade;
    const auto fail = [&](const QString& reason) {
        grade.lines << ReasonLine(name, reason);
        grade.summary = QStringLiteral("ошибка — ") + reason;
        grade.ok = false;
        return grade;
    };
    CalculationInput input = base;
    if (const QString problem = ReadVariantRow(fields, columns, input); !problem.isEmpty())
        return fail(problem);
    QString error;
    const std::optional<CalculationResult> result = CalculateOrSay(input, error);
    if (!result)
        return fail(error);
    QByteArray bytes;
    if (!ReadAnswersFile(answersPath, bytes, error))
        return fail(error);

    const ParsedAnswers parsed = ParseAnswersText(bytes.toStdString());
    for (const std::string& e : parsed.errors) {
        grade.lines << ReasonLine(name, Text(e));
        grade.ok = false;
    }
    const std::vector<AnswerVerdict> verdicts = CheckResultAnswers(*result, parsed.answers, tolerance);
    for (const AnswerVerdict& v : verdicts) {
        grade.lines << VerdictLine(name, v, tolerance);
        if (!v.checked)
            grade.ok = false;
    }
    AnswerSummary summary = Summarise(verdicts);
    summary.unchecked += static_cast<int>(parsed.errors.size());
    grade.summary = Text(SummaryText(summary, tolerance));
    grade.lines << GradingLine(name, QString(), QStringLiteral("Итого"), QString(), QString(), QString(), grade.summary);
    return grade;
}

bool WriteGrading(const QString& path, const QStringList& lines, QString& error)
{
    QByteArray text("\xEF\xBB\xBF");
    for (const QString& line : lines)
        text += line.toUtf8() + "\r\n";
    return WriteFileAtomically(path, [&text](QIODevice& device, QString&) { return device.write(text) == text.size(); },
                               error);
}

}  // namespace

int RunGrading(const CommandLineOptions& o, QTextStream& err)
{
    double tolerance = kDefaultTolerancePercent;
    if (o.tolerance) {
        const InputVerdict typed = JudgeInput(o.tolerance->toStdString(), kLoadRule, tolerance);
        if (!typed.Accepted()) {
            err << QStringLiteral("--tolerance: %1 («%2»)\n").arg(QString::fromUtf8(InputMessageText(typed.messages.front())), *o.tolerance);
            return kExitUsage;
        }
        tolerance = typed.value;
    }
    if (o.out.isEmpty()) {
        err << QStringLiteral("Для --batch нужна папка результатов: --out DIR\n");
        return kExitUsage;
    }
    if (!QFileInfo(o.answers).isDir()) {
        err << QStringLiteral("Папка ответов %1 не найдена.\n").arg(ShownPath(o.answers));
        return kExitUsage;
    }
    // The variants are computed as the batch computes them: the options' loads, then the row's.
    const std::optional<BatchInputs> inputs = ReadBatchInputs(o, err);
    if (!inputs)
        return kExitUsage;
    const auto& [base, table, columns] = *inputs;
    if (SaidProblem(CheckWritableFolder(o.out), err))
        return kExitUsage;
    const QString gradingPath = QDir(o.out).filePath(QString::fromLatin1(kGradingFileName));
    if (SaidProblem(CheckWritableTarget(gradingPath), err))
        return kExitUsage;

    const QDir answers(o.answers);
    const auto total = static_cast<int>(table.records.size());
    const auto headerSize = static_cast<int>(table.header.fields.size());
    QStringList lines{QString::fromUtf8(kGradingHeader)};
    int failed = 0;
    for (int row = 1; row <= total; ++row) {
        const VariantRecord& record = table.records[row - 1];
        const QString name = columns.required[0] < record.fields.size() ? record.fields[columns.required[0]].trimmed() : QString();
        VariantGrade grade;
        if (record.fields.size() != headerSize) {
            const QString reason = QStringLiteral("в строке %1 полей: %2, а в заголовке %3")
                                       .arg(Text(WholeNumberText(record.line)), Text(WholeNumberText(record.fields.size())),
                                            Text(WholeNumberText(headerSize)));
            grade.lines << ReasonLine(name, reason);
            grade.summary = QStringLiteral("ошибка — ") + reason;
            grade.ok = false;
        } else {
            const QString file = answers.filePath(SafeFileName(name, row) + QStringLiteral(".csv"));
            grade = GradeVariant(record.fields, columns, base, name, file, tolerance);
        }
        if (!grade.ok)
            ++failed;
        lines << grade.lines;
        err << QStringLiteral("[%1/%2] %3: %4\n")
                   .arg(Text(WholeNumberText(row)), Text(WholeNumberText(total)),
                        name.isEmpty() ? QStringLiteral("(без имени)") : WithoutControlCharacters(name),
                        WithoutControlCharacters(grade.summary));
        err.flush();
    }

    QString error;
    if (!WriteGrading(gradingPath, lines, error)) {
        err << error << '\n';
        return kExitSomeFailed;
    }
    err << QStringLiteral("Готово: вариантов %1, из них с ошибками %2; итоги в %3\n")
               .arg(Text(WholeNumberText(total)), Text(WholeNumberText(failed)), ShownPath(gradingPath));
    return failed > 0 ? kExitSomeFailed : kExitSuccess;
}
