#include "app/CommandLineOptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>


namespace {

constexpr int kDescriptionColumn = 20;

struct OptionRow {
    const char* name;
    const char* valueName;  // nullptr: a switch
    const char* russian;
    const char* english;
    void (*take)(CommandLineOptions& options, const QString& value);
};

const OptionRow kOptions[] = {
    {"help", nullptr, "эта справка (также -h)", "this help (also -h)",
     [](CommandLineOptions& o, const QString&) { o.help = true; }},
    {"version", nullptr, "версия программы", "the program's version",
     [](CommandLineOptions& o, const QString&) { o.version = true; }},
    {"params", "FILE", "длины звеньев и N из файла параметров (68 байт, как «Сохранить в файл»)",
     "link lengths and N from a parameter file (68 bytes)",
     [](CommandLineOptions& o, const QString& v) { o.params = v; }},
    {"loa", "X", "длина кривошипа OA, м (запятая или точка; без файла по умолчанию 0,1)",
     "crank OA, m (comma or point; without a file 0.1 unless given)",
     [](CommandLineOptions& o, const QString& v) { o.lengths[0] = v; }},
    {"lab", "X", "длина шатуна AB, м (по умолчанию 0,6)", "coupler AB, m (0.6)",
     [](CommandLineOptions& o, const QString& v) { o.lengths[1] = v; }},
    {"lbc", "X", "длина коромысла BC, м, больше 0,51 и не больше 0,9 (по умолчанию 0,6)",
     "rocker BC, m, above 0.51 and at most 0.9 (0.6)", [](CommandLineOptions& o, const QString& v) { o.lengths[2] = v; }},
    {"lde", "X", "длина звена DE, м (по умолчанию 0,5)", "link DE, m (0.5)",
     [](CommandLineOptions& o, const QString& v) { o.lengths[3] = v; }},
    {"loc", "X", "расстояние между опорами O и C, м (по умолчанию 1)", "distance O to C, m (1)",
     [](CommandLineOptions& o, const QString& v) { o.lengths[4] = v; }},
    {"n", "N", "число положений кривошипа (по умолчанию из файла или 8)", "number of crank positions",
     [](CommandLineOptions& o, const QString& v) { o.n = v; }},
    {"delta", "X", "коэффициент неравномерности δ для маховика: больше 0 и меньше 1, можно дробью 1/25 "
     "(по умолчанию 0,04); для --batch — там, где в таблице нет столбца «δ»",
     "coefficient of speed fluctuation for the flywheel, 0 < X < 1, also as 1/25 (0.04)",
     [](CommandLineOptions& o, const QString& v) { o.delta = v; }},
    {"csv", "OUT.csv", "таблица результатов (UTF-8, «;», десятичная запятая)", "the results table",
     [](CommandLineOptions& o, const QString& v) { o.csv = v; }},
    {"report", "OUT.pdf", "отчёт A4 с таблицей, диаграммами и рисунками", "the A4 PDF report",
     [](CommandLineOptions& o, const QString& v) { o.report = v; }},
    {"images", "DIR", "рисунки Chart1…Chart6 и Image1, Image2 в форматах PNG и SVG",
     "the pictures Chart1 … Chart6, Image1, Image2 as PNG and SVG",
     [](CommandLineOptions& o, const QString& v) { o.images = v; }},
    {"batch", "FILE",
     "таблица вариантов с заголовком Вариант;Loa;Lab;Lbc;Lde;Loc;N (поля через «;», «,» или табуляцию; "
     "десятичная запятая или точка)",
     "a table of variants headed Вариант;Loa;Lab;Lbc;Lde;Loc;N", [](CommandLineOptions& o, const QString& v) { o.batch = v; }},
    {"out", "DIR", "папка для <Вариант>.csv, <Вариант>.pdf и summary.csv (создаётся, если её родительская папка есть)",
     "the folder for one CSV and one PDF per variant, plus summary.csv (created when its parent exists)",
     [](CommandLineOptions& o, const QString& v) { o.out = v; }},
    {"solution", "K", "ход решения положения K таблицы (0 … N−1): текст в стандартный вывод и раздел отчёта",
     "the worked solution of table position K: text to standard output and a report section",
     [](CommandLineOptions& o, const QString& v) { o.solution = v; }},
    {"solution-out", "FILE", "ход решения в файл (UTF-8) вместо стандартного вывода",
     "the worked solution into a file (UTF-8) instead of standard output",
     [](CommandLineOptions& o, const QString& v) { o.solutionOut = v; }},
    {"answers", "DIR", "с --batch: папка ответов <Вариант>.csv (Положение;Величина;Значение); в --out пишется "
     "grading.csv", "with --batch: the folder of answers files <variant>.csv; grading.csv is written into --out",
     [](CommandLineOptions& o, const QString& v) { o.answers = v; }},
    {"tolerance", "P", "допуск проверки ответов, % (по умолчанию 5)", "the tolerance of the answers' check, % (5)",
     [](CommandLineOptions& o, const QString& v) { o.tolerance = v; }},
    {"omega1", "X", "угловая скорость кривошипа ω1, рад/с, больше нуля (по умолчанию 1)",
     "crank speed omega1, rad/s, above zero (1)", [](CommandLineOptions& o, const QString& v) { o.omega1 = v; }},
    {"n1", "X", "частота вращения кривошипа n1, об/мин, вместо --omega1", "crank speed n1, rpm, instead of --omega1",
     [](CommandLineOptions& o, const QString& v) { o.n1 = v; }},
    {"q", "X", "масса метра длины звена q, кг/м, ноль или больше (по умолчанию 20)", "mass per metre of link q, kg/m (20)",
     [](CommandLineOptions& o, const QString& v) { o.q = v; }},
    {"m5", "X", "масса ползуна m5, кг (по умолчанию 10)", "slider mass m5, kg (10)",
     [](CommandLineOptions& o, const QString& v) { o.m5 = v; }},
    {"fc", "X", "сила полезного сопротивления Fс, Н (по умолчанию 500)", "resistance Fc, N (500)",
     [](CommandLineOptions& o, const QString& v) { o.fc = v; }},
    {"gravity", "0|1", "учитывать силу тяжести: 1 — да (по умолчанию), 0 — нет", "gravity: 1 on (default), 0 off",
     [](CommandLineOptions& o, const QString& v) { o.gravity = v; }},
    {"keep-lbc", nullptr, "не подбирать Lbc по исследованию: расчёт с Lbc, как задана",
     "keep the given Lbc instead of the study's choice", [](CommandLineOptions& o, const QString&) { o.keepLbc = true; }},
    {"sheets", "DIR",
     "листы курсового проекта sheet1…sheet3 (.pdf, .svg, .dxf) в натуральную величину; с --batch — "
     "в DIR/<Вариант>/",
     "the drawing sheets sheet1 … sheet3 (.pdf, .svg, .dxf) at true size; with --batch in DIR/<variant>/",
     [](CommandLineOptions& o, const QString& v) { o.sheets = v; }},
    {"sheet-format", "A1", "формат листов: A1 (по умолчанию), A2, A3 или A4", "the sheets' format: A1 (default) .. A4",
     [](CommandLineOptions& o, const QString& v) { o.sheetFormat = v; }},
    {"positions", "K,L",
     "два положения из 12 (0…11) для планов на листах; по умолчанию одно рабочего и одно холостого хода",
     "two of the 12 positions (0 … 11) for the sheets' plans", [](CommandLineOptions& o, const QString& v) { o.positions = v; }},
    {"scheme-positions", "N", "число положений механизма на схеме листа 1: от 1 до 24 (по умолчанию 12); "
     "--positions тогда от 0 до N−1",
     "the number of the mechanism's positions on sheet 1's scheme, 1 … 24 (12); --positions then 0 … N−1",
     [](CommandLineOptions& o, const QString& v) { o.schemePositions = v; }},
    {"student", "NAME", "студент — в основную надпись листов и на титульный лист отчёта",
     "the student, for the title block and the report's title page",
     [](CommandLineOptions& o, const QString& v) { o.student = v; }},
    {"group", "NAME", "группа", "the group", [](CommandLineOptions& o, const QString& v) { o.group = v; }},
    {"teacher", "NAME", "преподаватель", "the teacher", [](CommandLineOptions& o, const QString& v) { o.teacher = v; }},
};

const char* const kSynopsis =
    "Использование / Usage:\n"
    "  orvek                          окно программы / the program's window\n"
    "  orvek --help                   эта справка / this help\n"
    "  orvek --version                версия / the version\n"
    "  orvek --params FILE.tmm [--n N] [--csv OUT.csv] [--report OUT.pdf] [--images DIR]\n"
    "  orvek --loa X --lab X --lbc X --lde X --loc X [--n N] [--csv ...] [--report ...] [--images ...]\n"
    "  orvek --batch VARIANTS.csv --out DIR\n"
    "  orvek --batch VARIANTS.csv --answers DIR --out DIR [--tolerance P]\n"
    "  orvek --params FILE.tmm --solution K [--solution-out FILE] [--report OUT.pdf]\n"
    "  orvek --batch VARIANTS.csv --out DIR [--omega1 X | --n1 X] [--q X] [--m5 X] [--fc X] [--gravity 0|1] [--keep-lbc]\n"
    "        [--sheets DIR]\n"
    "  orvek --params FILE.tmm --sheets DIR [--sheet-format A1] [--positions K,L]\n"
    "        [--scheme-positions N] [--student ...]\n"
    "\n";
const char* const kRussianIntroduction =
    "Расчёт выполняется так же, как по кнопке «Рассчитать»: поиск мёртвых положений, исследование\n"
    "длины коромысла BC от 0,591 до 0,9 м, выбор длины с наибольшей скоростью ползуна E и расчёт\n"
    "N положений. Окно не открывается, дисплей не нужен. Силовой анализ (столбцы таблицы, раздел\n"
    "отчёта, Mб max в сводке) — с q = 20 кг/м, m5 = 10 кг, Fс = 500 Н, силой тяжести, ω1 = 1 рад/с,\n"
    "если --q, --m5, --fc, --gravity, --omega1 (или --n1) не заданы; в таблице вариантов их заменяют\n"
    "необязательные столбцы ω1 (или n1), q, m5, Fс, g и Подбор (1/0). Значения проверяются так же,\n"
    "как в полях окна.\n";
const char* const kRussianExit =
    "Код выхода: 0 — всё рассчитано, 1 — часть расчётов или записей не удалась,\n"
    "2 — ошибка в командной строке или входной файл не читается.\n"
    "\n";
const char* const kEnglishIntroduction =
    "The calculation is the one the Calculate button runs: dead-position scan, study of the rocker\n"
    "length BC from 0.591 to 0.9 m, choice of the length with the largest slider velocity, and the\n"
    "solve of N positions. No window is shown and no display is needed. The force analysis uses\n"
    "q = 20 kg/m, m5 = 10 kg, Fc = 500 N, gravity on, omega1 = 1 rad/s unless the options above say\n"
    "otherwise; a table of variants may carry them as optional columns ω1 (or n1), q, m5, Fс, g and\n"
    "Подбор (1/0). Values are checked as the window's fields check them.\n";
const char* const kEnglishExit =
    "Exit status: 0 all done, 1 some calculation or write failed, 2 usage error or unreadable input.\n";

const OptionRow* RowNamed(const QString& name)
{
    for (const OptionRow& row : kOptions) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

// The name of a "--name" or "--name=value" word.
QString LongName(const QString& word)
{
    return word.mid(2).section(u'=', 0, 0);
}

bool TakesValueWithoutEquals(const QString& word)
{
    if (!word.startsWith(QLatin1String("--")) || word.contains(u'='))
        return false;
    const OptionRow* row = RowNamed(LongName(word));
    return row && row->valueName;
}

QString Unknown(const QString& word)
{
    return QStringLiteral("Неизвестный параметр командной строки: %1").arg(word);
}

// Single-dash words are not this program's options (but "-h"): "-help" and "-n 8" are errors,
// not what the parser would make of them. Values after an option are not looked at.
QString SingleDashError(const QStringList& arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QLatin1String("--"))
            return QString();
        if (TakesValueWithoutEquals(word))
            ++i;
        else if (word.startsWith(u'-') && !word.startsWith(QLatin1String("--")) && word != QLatin1String("-h"))
            return Unknown(word);
    }
    return QString();
}

// The parser's failure in the program's words.
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments)
{
    for (const QString& name : parser.unknownOptionNames()) {
        for (const QString& word : arguments) {
            if (word.startsWith(QLatin1String("--")) && LongName(word) == name)
                return Unknown(word);
        }
        return Unknown(QStringLiteral("--") + name);
    }
    if (!arguments.isEmpty() && TakesValueWithoutEquals(arguments.back()))
        return QStringLiteral("После %1 нужно значение.").arg(arguments.back());
    for (const QString& word : arguments) {
        if (word.startsWith(QLatin1String("--")) && word.contains(u'=') && RowNamed(LongName(word)))
            return QStringLiteral("Параметр --%1 не принимает значения.").arg(LongName(word));
    }
    return parser.errorText();
}

QString OptionLines(bool russian)
{
    QString lines;
    for (const OptionRow& row : kOptions) {
        QString head = QStringLiteral("  --") + QLatin1String(row.name);
        if (row.valueName)
            head += u' ' + QLatin1String(row.valueName);
        head = head.leftJustified(kDescriptionColumn - 1) + u' ';
        lines += head + QString::fromUtf8(russian ? row.russian : row.english) + u'\n';
    }
    return lines;
}

}  // namespace

const char* const kLengthFieldNames[5] = {"Loa", "Lab", "Lbc", "Lde", "Loc"};

bool CommandLineOptions::AnyLength() const
{
    for (const auto& length : lengths) {
        if (length)
            return true;
    }
    return false;
}

bool CommandLineOptions::AnySingleMechanismOption() const
{
    return !params.isEmpty() || AnyLength() || n || !csv.isEmpty() || !report.isEmpty() || !images.isEmpty();
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments)
{
    ParsedCommandLine parsed;
    parsed.error = SingleDashError(arguments);
    if (!parsed.error.isEmpty())
        return parsed;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const OptionRow& row : kOptions) {
        QStringList names{QString::fromLatin1(row.name)};
        if (QLatin1String(row.name) == QLatin1String("help"))
            names << QStringLiteral("h");
        QCommandLineOption option(names);
        if (row.valueName)
            option.setValueName(QString::fromLatin1(row.valueName));
        parser.addOption(option);
    }
    // The parser takes the first word for the program's name.
    if (!parser.parse(QStringList{QStringLiteral("orvek")} + arguments)) {
        parsed.error = ParseError(parser, arguments);
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.error = QStringLiteral("Лишний аргумент командной строки: %1").arg(parser.positionalArguments().front());
        return parsed;
    }
    for (const OptionRow& row : kOptions) {
        const QString name = QString::fromLatin1(row.name);
        if (parser.isSet(name))
            row.take(parsed.options, row.valueName ? parser.value(name) : QString());
    }
    return parsed;
}

QString UsageText()
{
    return QString::fromUtf8(kSynopsis) + QString::fromUtf8(kRussianIntroduction) + OptionLines(true)
           + QString::fromUtf8(kRussianExit) + QString::fromUtf8(kEnglishIntroduction) + OptionLines(false)
           + QString::fromUtf8(kEnglishExit);
}

QString VersionText()
{
    return QStringLiteral("Orvek ") + QStringLiteral(ORVEK_VERSION);
}
