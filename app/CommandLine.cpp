#include "app/CommandLine.h"

#include "app/GuardedHandler.h"
#include "app/OffscreenPictures.h"
#include "kinematics/Angles.h"
#include "kinematics/Calculation.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/Pictures.h"
#include "report/ReportDocument.h"
#include "storage/ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

constexpr int kLongestFileName = 100;

const char* const kUsage =
    "Использование / Usage:\n"
    "  orvek                          окно программы / the program's window\n"
    "  orvek --help                   эта справка / this help\n"
    "  orvek --params FILE.tmm [--n N] [--csv OUT.csv] [--report OUT.pdf] [--images DIR]\n"
    "  orvek --loa X --lab X --lbc X --lde X --loc X [--n N] [--csv ...] [--report ...] [--images ...]\n"
    "  orvek --batch VARIANTS.csv --out DIR\n"
    "\n"
    "Расчёт выполняется так же, как по кнопке «Рассчитать»: поиск мёртвых положений, исследование\n"
    "длины коромысла BC от 0,591 до 0,9 м, выбор длины с наибольшей скоростью ползуна E и расчёт\n"
    "N положений. Окно не открывается, дисплей не нужен. Силовой анализ (столбцы таблицы, раздел\n"
    "отчёта, Mб max в сводке) — с q = 20 кг/м, m5 = 10 кг, Fс = 500 Н, силой тяжести, ω1 = 1 рад/с.\n"
    "  --params FILE     длины звеньев и N из файла параметров (68 байт, как «Сохранить в файл»)\n"
    "  --loa --lab --lbc --lde --loc X   длины в метрах вместо файла (запятая или точка)\n"
    "                    (недостающие берутся по умолчанию: 0,1; 0,6; 0,6; 0,5; 1)\n"
    "  --n N             число положений кривошипа (по умолчанию из файла или 8)\n"
    "  --csv OUT.csv     таблица результатов (UTF-8, «;», десятичная запятая)\n"
    "  --report OUT.pdf  отчёт A4 с таблицей, диаграммами и рисунками\n"
    "  --images DIR      рисунки Chart1…Chart6 и Image1, Image2 в форматах PNG и SVG\n"
    "  --batch FILE      таблица вариантов с заголовком Вариант;Loa;Lab;Lbc;Lde;Loc;N\n"
    "                    (поля через «;», «,» или табуляцию; десятичная запятая или точка)\n"
    "  --out DIR         папка для <Вариант>.csv, <Вариант>.pdf и summary.csv\n"
    "Код выхода: 0 — всё рассчитано, 1 — часть расчётов или записей не удалась,\n"
    "2 — ошибка в командной строке или входной файл не читается.\n"
    "\n"
    "The calculation is the one the Calculate button runs: dead-position scan, study of the rocker\n"
    "length BC from 0.591 to 0.9 m, choice of the length with the largest slider velocity, and the\n"
    "solve of N positions. No window is shown and no display is needed. The force analysis uses\n"
    "q = 20 kg/m, m5 = 10 kg, Fc = 500 N, gravity on, omega1 = 1 rad/s.\n"
    "  --params FILE     link lengths and N from a parameter file (68 bytes)\n"
    "  --loa --lab --lbc --lde --loc X   lengths in metres instead of a file (comma or point)\n"
    "  --n N             number of crank positions\n"
    "  --csv, --report, --images   the results table, the A4 PDF report, the pictures\n"
    "  --batch FILE --out DIR      one CSV and one PDF per variant, plus summary.csv\n"
    "Exit status: 0 all done, 1 some calculation or write failed, 2 usage error or unreadable input.\n";

struct Options {
    QString params;
    std::optional<QString> lengths[5];  // Loa, Lab, Lbc, Lde, Loc as typed
    std::optional<QString> n;
    QString csv;
    QString report;
    QString images;
    QString batch;
    QString out;
    bool help = false;
};

const char* const kLengthOptions[5] = {"--loa", "--lab", "--lbc", "--lde", "--loc"};
const char* const kLengthNames[5] = {"Loa", "Lab", "Lbc", "Lde", "Loc"};

double Mechanism::*const kLengthFields[5] = {&Mechanism::Loa, &Mechanism::Lab, &Mechanism::Lbc, &Mechanism::Lde,
                                             &Mechanism::Loc};

class UsageError {
public:
    explicit UsageError(QString text) : text_(std::move(text)) {}
    const QString& Text() const { return text_; }

private:
    QString text_;
};

Options ParseOptions(const QStringList& arguments)
{
    Options o;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
            continue;
        }
        // "--name=value" and "--name value" alike.
        QString name = a;
        QString value;
        bool hasValue = false;
        if (const int eq = a.indexOf(u'='); a.startsWith(QLatin1String("--")) && eq > 2) {
            name = a.left(eq);
            value = a.mid(eq + 1);
            hasValue = true;
        }
        auto take = [&]() -> QString {
            if (hasValue)
                return value;
            if (i + 1 >= arguments.size())
                throw UsageError(QStringLiteral("После %1 нужно значение.").arg(name));
            return arguments[++i];
        };
        bool known = true;
        if (name == QLatin1String("--params"))
            o.params = take();
        else if (name == QLatin1String("--n"))
            o.n = take();
        else if (name == QLatin1String("--csv"))
            o.csv = take();
        else if (name == QLatin1String("--report"))
            o.report = take();
        else if (name == QLatin1String("--images"))
            o.images = take();
        else if (name == QLatin1String("--batch"))
            o.batch = take();
        else if (name == QLatin1String("--out"))
            o.out = take();
        else {
            known = false;
            for (int f = 0; f < 5; ++f) {
                if (name == QLatin1String(kLengthOptions[f])) {
                    o.lengths[f] = take();
                    known = true;
                }
            }
        }
        if (!known)
            throw UsageError(QStringLiteral("Неизвестный параметр командной строки: %1").arg(a));
    }
    return o;
}

// A typed value under the rule of the window's field for it: empty when accepted, else the
// field's first message.
QString Verdict(const QString& text, const InputRule& rule, double& value)
{
    const InputVerdict verdict = JudgeInput(text.trimmed().toStdString(), rule, 0);
    if (!verdict.Accepted())
        return QString::fromUtf8(InputMessageText(verdict.messages.front()));
    value = verdict.value;
    return QString();
}

const InputRule& LengthRule(int field)
{
    return field == 2 ? kRockerLengthRule : kLengthRule;
}

QString CheckPositionCount(const QString& text, std::int32_t& value)
{
    const InputVerdict verdict = JudgeInput(text.trimmed().toStdString(), kPositionCountRule, 0);
    if (!verdict.Accepted())
        return QString::fromUtf8(InputMessageText(verdict.messages.front()));
    value = verdict.Integer();
    return QString::fromStdString(PositionCountRefusal(value).value_or(std::string()));
}

// A field's error as the summary and the messages show it: which field, then the program's text.
QString FieldError(const char* field, const QString& text)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(field), text);
}

// The calculation with a floating-point fault turned into the error box's text; none when it
// failed or no position could be computed.
std::optional<CalculationResult> CalculateOrSay(const Mechanism& m, QString& error)
{
    try {
        CalculationInput input;
        input.typed = m;
        CalculationResult result = Calculate(input);
        if (result.Failed()) {
            error = ErrorBoxText(QString::fromStdString(result.failure->text));
            return std::nullopt;
        }
        if (result.Kinematics().table.Rows() == 0) {
            error = QStringLiteral("Механизм с такими длинами звеньев не собирается: не рассчитано ни одного положения.");
            return std::nullopt;
        }
        return result;
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("Недостаточно памяти для расчёта.");
    }
    return std::nullopt;
}

double LargestVe(const CalculationResult& r)
{
    const SolvedPositions& table = r.Kinematics().table;
    const auto rows = static_cast<std::size_t>(table.Rows());
    double largest = table.positions.Ve.empty() ? 0 : table.positions.Ve.front();
    for (std::size_t i = 1; i < rows; ++i)
        largest = std::max(largest, table.positions.Ve[i]);
    return largest;
}

QString DeadDegreesText(const CalculationResult& r)
{
    QStringList degrees;
    for (double angle : r.Kinematics().DeadAngles())
        degrees << QString::fromStdString(FormatGeneral(Degrees(angle)));
    return degrees.join(u' ');
}

QString Text(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

ReportInput MakeReportInput(const CalculationResult& result, const OffscreenPictures& pictures)
{
    ReportInput input;
    input.result = &result;
    input.charts = pictures.Charts();
    input.velocityPlan = pictures.velocityPlan;
    input.mechanismDrawing = pictures.mechanismDrawing;
    input.drawnPosition = 0;
    input.date = QDate::currentDate();
    return input;
}

// ---- One mechanism ----

int RunSingle(const Options& o, QTextStream& out, QTextStream& err)
{
    Mechanism m{};
    SetDefaultParameters(m);
    if (!o.params.isEmpty()) {
        const QFileInfo info(o.params);
        if (!info.isFile() || !LoadParameterFile(m, o.params)) {
            err << QStringLiteral("Не удалось прочитать параметры из файла %1: нужен существующий файл параметров "
                                  "(68 байт, как его записывает программа).\n")
                       .arg(ShownPath(o.params));
            return kExitUsage;
        }
    }
    for (int f = 0; f < 5; ++f) {
        if (!o.lengths[f])
            continue;
        double value = 0;
        const QString problem = Verdict(*o.lengths[f], LengthRule(f), value);
        if (!problem.isEmpty()) {
            err << FieldError(kLengthNames[f], problem) << QStringLiteral(" («%1»)\n").arg(*o.lengths[f]);
            return kExitUsage;
        }
        m.*kLengthFields[f] = value;
    }
    if (o.n) {
        std::int32_t n = 0;
        const QString problem = CheckPositionCount(*o.n, n);
        if (!problem.isEmpty()) {
            err << FieldError("N", problem) << '\n';
            return kExitUsage;
        }
        m.PositionCount = n;
    }
    if (const auto refusal = PositionCountRefusal(m.PositionCount)) {
        err << QString::fromStdString(*refusal) << '\n';
        return kExitUsage;
    }
    // Output places are checked before the work, so a wrong path costs no waiting.
    for (const QString& path : {o.csv, o.report}) {
        if (!path.isEmpty()) {
            if (const QString problem = CheckWritableTarget(path); !problem.isEmpty()) {
                err << problem << '\n';
                return kExitUsage;
            }
        }
    }
    if (!o.images.isEmpty()) {
        if (const QString problem = CheckWritableFolder(o.images); !problem.isEmpty()) {
            err << problem << '\n';
            return kExitUsage;
        }
    }

    QString error;
    const std::optional<CalculationResult> snapshot = CalculateOrSay(m, error);
    if (!snapshot) {
        err << error << '\n';
        return kExitSomeFailed;
    }
    out << QStringLiteral("Длина коромысла BC выбрана: %1 м\n").arg(Text(snapshot->Kinematics().solved.Lbc));
    out << QStringLiteral("Наибольшая скорость ползуна E: %1 м/с\n").arg(Text(LargestVe(*snapshot)));
    out << QStringLiteral("Мёртвые положения, °: %1\n").arg(DeadDegreesText(*snapshot));

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
        report(WriteResultsCsv(*snapshot, o.csv, error), ShownPath(o.csv));
    if (!o.report.isEmpty() || !o.images.isEmpty()) {
        OffscreenPictures pictures(*snapshot);
        if (!o.report.isEmpty())
            report(WriteReportPdf(MakeReportInput(*snapshot, pictures), o.report, error), ShownPath(o.report));
        if (!o.images.isEmpty())
            report(SavePictureSet(o.images, pictures.Charts(), pictures.velocityPlan, pictures.mechanismDrawing, error),
                   QStringLiteral("рисунки в папку %1").arg(ShownPath(o.images)));
    }
    return status;
}

// ---- Batch ----

QStringList SplitFields(const QString& line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

QChar DetectSeparator(const QString& header)
{
    if (header.contains(u';'))
        return u';';
    if (header.contains(u'\t'))
        return u'\t';
    return u',';
}

const char* const kBatchColumns[7] = {"Вариант", "Loa", "Lab", "Lbc", "Lde", "Loc", "N"};

struct VariantResult {
    QStringList cells;
    bool ok = false;
};

QString SummaryHeader()
{
    return QStringLiteral("Вариант;Loa, м;Lab, м;Lbc, м;Lde, м;Loc, м;N;Lbc выбранная, м;Ve max, м/с;"
                          "Мёртвые положения, °;Ошибка;H, м;K;γmin, °;γmax, °;φ крайнее 1, °;φ крайнее 2, °;"
                          "Mб max, Н·м;φ при Mб max, °");
}

constexpr int kSummaryColumns = 19;
constexpr int kErrorColumn = 10;

VariantResult FailedVariant(const QString& name, const QString& error)
{
    VariantResult r;
    r.cells = QStringList(kSummaryColumns, QString());
    r.cells[0] = name;
    r.cells[kErrorColumn] = error;
    return r;
}

VariantResult RunVariant(const QStringList& fields, const int (&column)[7], const QString& name,
                         const QString& baseName, const QDir& out)
{
    Mechanism m{};
    SetDefaultParameters(m);
    for (int f = 0; f < 5; ++f) {
        double value = 0;
        const QString problem = Verdict(fields[column[f + 1]], LengthRule(f), value);
        if (!problem.isEmpty())
            return FailedVariant(name, FieldError(kLengthNames[f], problem));
        m.*kLengthFields[f] = value;
    }
    std::int32_t n = 0;
    if (const QString problem = CheckPositionCount(fields[column[6]], n); !problem.isEmpty())
        return FailedVariant(name, FieldError("N", problem));
    m.PositionCount = n;
    SetDerivedLengths(m);

    QString error;
    const std::optional<CalculationResult> snapshot = CalculateOrSay(m, error);
    if (!snapshot)
        return FailedVariant(name, error);
    if (!WriteResultsCsv(*snapshot, out.filePath(baseName + QStringLiteral(".csv")), error))
        return FailedVariant(name, error);
    {
        OffscreenPictures pictures(*snapshot);
        if (!WriteReportPdf(MakeReportInput(*snapshot, pictures), out.filePath(baseName + QStringLiteral(".pdf")), error))
            return FailedVariant(name, error);
    }
    VariantResult r;
    r.ok = true;
    r.cells << name << Text(m.Loa) << Text(m.Lab) << Text(m.Lbc) << Text(m.Lde) << Text(m.Loc)
            << QString::number(m.PositionCount) << Text(snapshot->Kinematics().solved.Lbc) << Text(LargestVe(*snapshot))
            << DeadDegreesText(*snapshot) << QString();
    // The characteristics' cells stay empty where the crank cannot turn fully.
    if (const MechanismCharacteristics* c = snapshot->Kinematics().TurningCharacteristics()) {
        r.cells << Text(c->Stroke) << Text(c->TimeRatio) << Text(Degrees(c->GammaMin)) << Text(Degrees(c->GammaMax))
                << Text(Degrees(c->Extreme1)) << Text(Degrees(c->Extreme2));
    } else {
        r.cells << QStringList(6, QString());
    }
    // The largest |Mб| with the default force parameters, and the crank angle where it occurs.
    double torque = 0;
    double degrees = 0;
    if (LargestBalancingTorque(*snapshot, torque, degrees))
        r.cells << Text(torque) << Text(degrees);
    else
        r.cells << QString() << QString();
    return r;
}

int RunBatch(const Options& o, QTextStream& err)
{
    if (o.out.isEmpty()) {
        err << QStringLiteral("Для --batch нужна папка результатов: --out DIR\n");
        return kExitUsage;
    }
    const QFileInfo info(o.batch);
    QFile file(o.batch);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        err << QStringLiteral("Не удалось прочитать файл вариантов %1.\n").arg(ShownPath(o.batch));
        return kExitUsage;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList lines;
    for (QString line : QString::fromUtf8(bytes).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    if (lines.isEmpty()) {
        err << QStringLiteral("Файл вариантов %1 пуст.\n").arg(ShownPath(o.batch));
        return kExitUsage;
    }
    const QChar separator = DetectSeparator(lines.front());
    const QStringList header = SplitFields(lines.front(), separator);
    int column[7];
    for (int c = 0; c < 7; ++c) {
        column[c] = -1;
        for (int h = 0; h < header.size(); ++h) {
            if (header[h].trimmed().compare(QString::fromUtf8(kBatchColumns[c]), Qt::CaseInsensitive) == 0)
                column[c] = h;
        }
        if (column[c] < 0) {
            err << QStringLiteral("В первой строке файла вариантов %1 нет столбца «%2». Нужен заголовок "
                                  "Вариант;Loa;Lab;Lbc;Lde;Loc;N.\n")
                       .arg(ShownPath(o.batch), QString::fromUtf8(kBatchColumns[c]));
            return kExitUsage;
        }
    }
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
    const int total = static_cast<int>(lines.size()) - 1;
    QSet<QString> usedNames{QStringLiteral("summary")};
    QStringList summary{SummaryHeader()};
    int failed = 0;
    for (int row = 1; row <= total; ++row) {
        const QStringList fields = SplitFields(lines[row], separator);
        const QString name = column[0] < fields.size() ? fields[column[0]].trimmed() : QString();
        VariantResult result;
        if (fields.size() != header.size()) {
            result = FailedVariant(name, QStringLiteral("В строке %1 полей: %2, а в заголовке %3 (числа с десятичной "
                                                        "запятой разделяйте поля точкой с запятой).")
                                             .arg(row + 1)
                                             .arg(fields.size())
                                             .arg(header.size()));
        } else {
            QString base = SafeFileName(name, row);
            // Two variants never share a file.
            for (int copy = 2; usedNames.contains(base.toLower()); ++copy)
                base = SafeFileName(name, row) + QStringLiteral("_%1").arg(copy);
            usedNames.insert(base.toLower());
            if (base != name)
                err << QStringLiteral("Вариант «%1»: файлы названы «%2», потому что имя не годится для имени файла.\n")
                           .arg(name, base);
            result = RunVariant(fields, column, name, base, out);
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

    QByteArray text("\xEF\xBB\xBF");
    for (const QString& line : summary)
        text += line.toUtf8() + "\r\n";
    QString error;
    if (!WriteFileAtomically(summaryPath, [&text](QIODevice& device, QString&) { return device.write(text) == text.size(); },
                             error)) {
        err << error << '\n';
        return kExitSomeFailed;
    }
    err << QStringLiteral("Готово: %1 из %2 вариантов рассчитаны, сводка в %3\n")
               .arg(total - failed)
               .arg(total)
               .arg(ShownPath(summaryPath));
    return failed > 0 ? kExitSomeFailed : kExitSuccess;
}

}  // namespace

bool IsCommandLineMode(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    }
    return false;
}

void UseOffscreenPlatformWithoutDisplay()
{
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Options o;
    try {
        o = ParseOptions(arguments);
    } catch (const UsageError& e) {
        err << e.Text() << "\n\n" << QString::fromUtf8(kUsage);
        return kExitUsage;
    }
    if (o.help) {
        out << QString::fromUtf8(kUsage);
        return kExitSuccess;
    }
    bool anyLength = false;
    for (const auto& length : o.lengths)
        anyLength = anyLength || length.has_value();
    if (!o.batch.isEmpty()) {
        if (!o.params.isEmpty() || anyLength || o.n || !o.csv.isEmpty() || !o.report.isEmpty() || !o.images.isEmpty()) {
            err << QStringLiteral("--batch работает только вместе с --out.\n\n") << QString::fromUtf8(kUsage);
            return kExitUsage;
        }
        return RunBatch(o, err);
    }
    if (!o.out.isEmpty()) {
        err << QStringLiteral("--out нужен только вместе с --batch.\n\n") << QString::fromUtf8(kUsage);
        return kExitUsage;
    }
    if (o.params.isEmpty() && !anyLength) {
        err << QStringLiteral("Укажите файл параметров (--params) или длины звеньев (--loa … --loc).\n\n")
            << QString::fromUtf8(kUsage);
        return kExitUsage;
    }
    return RunSingle(o, out, err);
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
