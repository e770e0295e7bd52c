// The program without its window: usage, one mechanism, and the batch of variants with bad rows,
// odd separators and untrusted output paths.

#include "CommandLineRun.h"
#include "ReportTestSupport.h"

#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "app/CommandLineOptions.h"
#include "report/DiagramCharts.h"
#include "kinematics/NumberText.h"
#include "report/CsvExport.h"
#include "storage/ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

QStringList Files(const QString& dir)
{
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

// The batch of `variants` written into `out` (`more` options after), some of whose rows fail:
// the rows of the summary it leaves there.
QList<QStringList> SummaryOfFailingBatch(const QString& variants, const QString& out, const QStringList& more = {})
{
    const Outcome run = RunWith(QStringList{QStringLiteral("--batch"), variants, QStringLiteral("--out"), out} + more);
    EXPECT_EQ(run.status, kExitSomeFailed) << run.err.toStdString();
    return CsvCells(ReadAll(QDir(out).filePath(QStringLiteral("summary.csv"))));
}

TEST(CommandLine, HelpIsInRussianAndEnglish)
{
    const Outcome run = RunWith({QStringLiteral("--help")});
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Использование")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Usage")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("--batch VARIANTS.csv --out DIR")));
}

TEST(CommandLine, UsageErrorsExitWithTwoAndSayWhat)
{
    const Outcome unknown = RunWith({QStringLiteral("--frobnicate")});
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Неизвестный параметр командной строки: --frobnicate")));
    const Outcome noValue = RunWith({QStringLiteral("--params")});
    EXPECT_EQ(noValue.status, kExitUsage);
    EXPECT_TRUE(noValue.err.contains(QStringLiteral("После --params нужно значение.")));
    const Outcome badLength = RunWith({QStringLiteral("--loa"), QStringLiteral("0,1x")});
    EXPECT_EQ(badLength.status, kExitUsage);
    EXPECT_TRUE(badLength.err.contains(QStringLiteral("Loa: Ошибка ввода данных!")));
    const Outcome tooMany = RunWith({QStringLiteral("--loa=0.1"), QStringLiteral("--n"), QStringLiteral("100001")});
    EXPECT_EQ(tooMany.status, kExitUsage);
    EXPECT_TRUE(tooMany.err.contains(QStringLiteral("Слишком большое количество положений механизма (не более 100000)")));
    const Outcome missing = RunWith({QStringLiteral("--params"), QStringLiteral("/nonexistent/startpar.tmm")});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Не удалось прочитать параметры из файла «/nonexistent/startpar.tmm»")));
}

TEST(CommandLine, WordsThatAreNoOptionsGetTheUsageTextAndExitWithTwo)
{
    struct Case {
        QStringList arguments;
        QString says;
    };
    const Case cases[] = {
        {{QStringLiteral("-help")}, QStringLiteral("Неизвестный параметр командной строки: -help")},
        {{QStringLiteral("-n"), QStringLiteral("8")}, QStringLiteral("Неизвестный параметр командной строки: -n")},
        {{QStringLiteral("file.tmm")}, QStringLiteral("Лишний аргумент командной строки: file.tmm")},
        {{QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--"), QStringLiteral("x")},
         QStringLiteral("Лишний аргумент командной строки: x")},
        {{QStringLiteral("--frobnicate=5")}, QStringLiteral("Неизвестный параметр командной строки: --frobnicate=5")},
        {{QStringLiteral("--help=yes")}, QStringLiteral("Параметр --help не принимает значения.")},
        {{QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--csv")}, QStringLiteral("После --csv нужно значение.")},
    };
    for (const Case& c : cases) {
        const Outcome run = RunWith(c.arguments);
        EXPECT_EQ(run.status, kExitUsage) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(c.says)) << run.err.left(120).toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Использование / Usage:")));
        EXPECT_TRUE(run.out.isEmpty());
    }
    // A value that starts with a minus is a value, not an option.
    const Outcome negative = RunWith({QStringLiteral("--loa"), QStringLiteral("-0,1")});
    EXPECT_EQ(negative.status, kExitUsage);
    EXPECT_TRUE(negative.err.contains(QStringLiteral("Loa: Параметр не может быть отрицательным!")));
    // "-h" is the help, and "--n" the one-letter option.
    EXPECT_EQ(RunWith({QStringLiteral("-h")}).status, kExitSuccess);
    const Outcome count = RunWith({QStringLiteral("--loa=0,1"), QStringLiteral("--n"), QStringLiteral("0")});
    EXPECT_TRUE(count.err.contains(QStringLiteral("N: Ноль недопустим!"))) << count.err.toStdString();
}

TEST(CommandLine, VersionNamesTheProgram)
{
    const Outcome run = RunWith({QStringLiteral("--version")});
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_EQ(run.out, QStringLiteral("Orvek 1.0\n"));
    EXPECT_TRUE(RunWith({QStringLiteral("--help")}).out.contains(QStringLiteral("--version")));
}

// The real program, started without any display: every argument means the command line.
TEST(CommandLine, TheProgramWithoutADisplayAnswersEveryWordItIsGiven)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QTemporaryDir dir;
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(ORVEK_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(u' ').toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << arguments.join(u' ').toStdString();
        return std::make_pair(process.exitCode(), QString::fromUtf8(process.readAllStandardError()));
    };
    for (const QStringList& arguments : {QStringList{QStringLiteral("-help")}, QStringList{QStringLiteral("-n"), QStringLiteral("8")},
                                         QStringList{QStringLiteral("file.tmm")}, QStringList{QStringLiteral("-platform"), QStringLiteral("xcb")}}) {
        const auto [status, err] = run(arguments);
        EXPECT_EQ(status, kExitUsage) << arguments.join(u' ').toStdString() << ": " << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("Использование / Usage:"))) << err.toStdString();
    }
    const auto [status, err] = run({QStringLiteral("--lbc"), QStringLiteral("0,3")});
    EXPECT_EQ(status, kExitUsage);
    EXPECT_TRUE(err.contains(QStringLiteral("Lbc: Вибране значення поза діапазоном"))) << err.toStdString();

    // A display named (even one that is not there, even a platform asked for) is never used: the
    // command line makes no window, so it cannot fail to open one.
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":987"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QStringList& arguments : {QStringList{QStringLiteral("-help")}, QStringList{QStringLiteral("file.tmm")}}) {
        const auto [code, text] = run(arguments);
        EXPECT_EQ(code, kExitUsage) << arguments.join(u' ').toStdString() << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Использование / Usage:"))) << text.toStdString();
    }
    const auto [computed, said] = run({QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--n"), QStringLiteral("4")});
    EXPECT_EQ(computed, kExitSuccess) << said.toStdString();
}

TEST(CommandLine, ValuesGetTheVerdictOfTheWindowsFields)
{
    // The rocker field's range: the window's message, and no calculation.
    const Outcome range = RunWith({QStringLiteral("--lbc"), QStringLiteral("0,3")});
    EXPECT_EQ(range.status, kExitUsage);
    EXPECT_TRUE(range.err.contains(QStringLiteral("Lbc: Вибране значення поза діапазоном"))) << range.err.toStdString();
    EXPECT_TRUE(range.out.isEmpty());
    const Outcome negative = RunWith({QStringLiteral("--lbc=-0,3")});
    EXPECT_EQ(negative.status, kExitUsage);
    EXPECT_TRUE(negative.err.contains(QStringLiteral("Lbc: Параметр не может быть отрицательным!")));
    const Outcome zero = RunWith({QStringLiteral("--loc"), QStringLiteral("0,0")});
    EXPECT_EQ(zero.status, kExitUsage);
    EXPECT_TRUE(zero.err.contains(QStringLiteral("Loc: Ноль недопустим!")));
    const Outcome fraction = RunWith({QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--n"), QStringLiteral("8.5")});
    EXPECT_EQ(fraction.status, kExitUsage);
    EXPECT_TRUE(fraction.err.contains(QStringLiteral("N: Ошибка ввода данных!")));

    // At the top of the range the rocker is taken, with a point or a comma.
    const Outcome top = RunWith({QStringLiteral("--lbc"), QStringLiteral("0.9"), QStringLiteral("--n"), QStringLiteral("8")});
    EXPECT_EQ(top.status, kExitSuccess) << top.err.toStdString();
    EXPECT_TRUE(top.out.contains(QStringLiteral("Длина коромысла BC выбрана: 0,9 м")));

    // A batch row is judged the same way.
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("v.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N\nа;0,1;0,6;0,3;0,5;1;8\n");
    const QList<QStringList> summary = SummaryOfFailingBatch(variants, dir.path());
    ASSERT_EQ(summary.size(), 2);
    EXPECT_EQ(summary[1][10], QStringLiteral("Lbc: Вибране значення поза діапазоном"));
}

TEST(CommandLine, OneMechanismFromAParameterFileWritesEveryOutput)
{
    QTemporaryDir dir;
    const QString params = dir.filePath(QStringLiteral("v.tmm"));
    ASSERT_TRUE(SaveParameterFile(DefaultMechanism(8), params));
    const QString images = dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkdir(images));
    const Outcome run = RunWith({QStringLiteral("--params"), params, QStringLiteral("--n"), QStringLiteral("12"),
                             QStringLiteral("--csv"), dir.filePath(QStringLiteral("t.csv")), QStringLiteral("--report"),
                             dir.filePath(QStringLiteral("r.pdf")), QStringLiteral("--images"), images});
    EXPECT_EQ(run.status, kExitSuccess) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Длина коромысла BC выбрана: 0,9 м")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Мёртвые положения (перебор через 1° при Lbc = 0,6 м), °: 85 86 265 266")))
        << run.out.toStdString();
    // The extremes belong to the adopted rocker, not to the scanned one.
    EXPECT_TRUE(run.out.contains(QStringLiteral("Крайние положения ползуна: ")));
    EXPECT_FALSE(run.out.contains(QStringLiteral("Крайние положения ползуна: 85,")));
    EXPECT_EQ(CsvCells(ReadAll(dir.filePath(QStringLiteral("t.csv")))).size(), 13) << "N from --n";
    EXPECT_TRUE(ReadAll(dir.filePath(QStringLiteral("r.pdf"))).startsWith("%PDF"));
    QStringList expected;
    for (int i = 1; i <= 6; ++i)
        expected << QStringLiteral("Chart%1.png").arg(i) << QStringLiteral("Chart%1.svg").arg(i);
    expected << QStringLiteral("Image1.png") << QStringLiteral("Image1.svg") << QStringLiteral("Image2.png")
             << QStringLiteral("Image2.svg");
    expected.sort();
    EXPECT_EQ(Files(images), expected);
    QImage chart(QDir(images).filePath(QStringLiteral("Chart1.png")));
    EXPECT_EQ(chart.size(), QSize(2 * kReportChartWidth, 2 * kReportChartHeight)) << "twice the screen resolution";
    QImage plan(QDir(images).filePath(QStringLiteral("Image1.png")));
    EXPECT_EQ(plan.size(), QSize(2 * 335, 2 * 368));
    // Vector graphics: the curves as polylines and the labels as text, not one embedded bitmap.
    const QByteArray svg = ReadAll(QDir(images).filePath(QStringLiteral("Chart3.svg")));
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_GE(svg.count("<polyline"), 2);
    EXPECT_GE(svg.count("<text"), 5);
    EXPECT_TRUE(svg.contains(QStringLiteral("Траектория движения т.").toUtf8()));
}

TEST(CommandLine, LengthsGivenDirectlyAndAWrongOutputPlaceCostNoCalculation)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("missing/t.csv"));
    const Outcome run = RunWith({QStringLiteral("--loa"), QStringLiteral("0.1"), QStringLiteral("--lbc"), QStringLiteral("0,7"),
                             QStringLiteral("--csv"), csv});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_TRUE(run.err.contains(QStringLiteral("не существует"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << "checked before the calculation";
    EXPECT_TRUE(Files(dir.path()).isEmpty());

    const Outcome fault = RunWith({QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--loc"), QStringLiteral("1E300"),
                               QStringLiteral("--lab"), QStringLiteral("1E300"), QStringLiteral("--csv"),
                               dir.filePath(QStringLiteral("f.csv"))});
    EXPECT_EQ(fault.status, kExitSomeFailed);
    EXPECT_FALSE(fault.err.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("f.csv"))));
}

// Five variants, two of them bad: a non-number and a zero length.
const char kFiveVariants[] =
    "\xEF\xBB\xBF"
    "Вариант;Loa;Lab;Lbc;Lde;Loc;N\r\n"
    "Иванов;0,1;0,6;0,6;0,5;1;8\r\n"
    "Петров;0.12;0.6;0.7;0.5;1;10\r\n"
    "Сидоров;0,1;abc;0,6;0,5;1;8\r\n"
    "\r\n"
    "Козлов;0,1;0,6;0,6;0;1;8\r\n"
    "Группа 3/1;0,1;0,65;0,6;0,5;1;6\r\n";

TEST(Batch, FiveVariantsTwoBadGiveThreeReportsFiveSummaryLinesAndExitOne)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    WriteAll(variants, kFiveVariants);
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkdir(out));

    const Outcome run = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), out});
    EXPECT_EQ(run.status, kExitSomeFailed) << run.err.toStdString();

    // The name with "/" stays inside the output folder, under a safe name, and says so.
    EXPECT_EQ(Files(out), QStringList({QStringLiteral("summary.csv"), QStringLiteral("Группа 3_1.csv"),
                                       QStringLiteral("Группа 3_1.pdf"), QStringLiteral("Иванов.csv"),
                                       QStringLiteral("Иванов.pdf"), QStringLiteral("Петров.csv"),
                                       QStringLiteral("Петров.pdf")}));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Вариант «Группа 3/1»: файлы названы «Группа 3_1»")));
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(run.err.contains(QStringLiteral("[%1/5] ").arg(i))) << "progress line " << i;

    const QByteArray bytes = ReadAll(QDir(out).filePath(QStringLiteral("summary.csv")));
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> summary = CsvCells(bytes);
    ASSERT_EQ(summary.size(), 6);
    EXPECT_EQ(summary[0].join(u';'), QStringLiteral("Вариант;Loa, м;Lab, м;Lbc, м;Lde, м;Loc, м;N;Lbc выбранная, м;"
                                                    "Ve max, м/с;Мёртвые положения, °;Ошибка;H, м;K;γmin, °;γmax, °;"
                                                    "φ крайнее 1, °;φ крайнее 2, °;Mб max, Н·м;φ при Mб max, °;"
                                                    "Mд, Н·м;Jм, кг·м²;δ;"
                                                    "ω1, рад/с;q, кг/м;m5, кг;Fс, Н;g (1 — сила тяжести учтена);"
                                                    "Подбор (1 — Lbc по исследованию)"));
    EXPECT_EQ(summary[1].mid(0, 8), QStringList({QStringLiteral("Иванов"), QStringLiteral("0,1"), QStringLiteral("0,6"),
                                                 QStringLiteral("0,6"), QStringLiteral("0,5"), QStringLiteral("1"),
                                                 QStringLiteral("8"), QStringLiteral("0,9")}));
    EXPECT_EQ(summary[1][9], QStringLiteral("85 86 265 266"));
    EXPECT_EQ(summary[1][10], QString());
    EXPECT_EQ(summary[2][1], QStringLiteral("0,12")) << "decimal point read, comma written";

    // The Ve max cell is the largest slider velocity of the variant's own table.
    const QList<QStringList> table = CsvCells(ReadAll(QDir(out).filePath(QStringLiteral("Иванов.csv"))));
    double largest = -1;
    for (int r = 1; r < table.size(); ++r)
        largest = std::max(largest, *ParseDecimal(table[r][15].toStdString()));
    EXPECT_EQ(summary[1][8].toStdString(), FormatGeneral(largest));

    // A bad row keeps its inputs as typed and the loads it would have used beside its error.
    QStringList bad(28, QString());
    const QStringList typed{QStringLiteral("Сидоров"), QStringLiteral("0,1"), QStringLiteral("abc"), QStringLiteral("0,6"),
                            QStringLiteral("0,5"), QStringLiteral("1"), QStringLiteral("8")};
    for (int c = 0; c < typed.size(); ++c)
        bad[c] = typed[c];
    bad[10] = QStringLiteral("Lab: Ошибка ввода данных!");
    const QStringList loads{QStringLiteral("1"), QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("500"),
                            QStringLiteral("1"), QStringLiteral("1")};
    for (int c = 0; c < loads.size(); ++c)
        bad[22 + c] = loads[c];
    bad[21] = QStringLiteral("0,04");  // the δ it would have used
    EXPECT_EQ(summary[3], bad);
    EXPECT_EQ(summary[1].mid(22), loads) << "the defaults each row used";
    // The characteristics of a good variant: stroke, time ratio, transmission angles, extremes.
    ASSERT_EQ(summary[1].size(), 28);
    for (int c = 11; c < 17; ++c)
        EXPECT_TRUE(ParseDecimal(summary[1][c].toStdString()).has_value()) << c;
    EXPECT_GE(*ParseDecimal(summary[1][12].toStdString()), 1.0) << "K";
    EXPECT_EQ(summary[4][0], QStringLiteral("Козлов"));
    EXPECT_EQ(summary[4][10], QStringLiteral("Lde: Ноль недопустим!"));
    EXPECT_EQ(summary[4][1], QStringLiteral("0,1"));
    EXPECT_EQ(summary[4][4], QStringLiteral("0"));
    EXPECT_EQ(summary[5][0], QStringLiteral("Группа 3/1"));
    EXPECT_EQ(summary[5][10], QString());
    EXPECT_TRUE(run.err.contains(QStringLiteral("[3/5] Сидоров: ошибка — Lab: Ошибка ввода данных!")));
}

TEST(Batch, CommaOrTabSeparatorsWithoutBomAndAFaultingMechanism)
{
    QTemporaryDir dir;
    const QString out = dir.path();
    const QString commas = dir.filePath(QStringLiteral("commas.txt"));
    WriteAll(commas, "variant,loa,lab,lbc,lde,loc,n\n"  // header names in any case
                     "a,0.1,0.6,0.6,0.5,1,8\n"
                     "b,\"0,1\",0.6,0.6,0.5,1,8\n"      // a quoted decimal comma
                     "c,0,1,0.6,0.6,0.5,1,8\n");        // an unquoted one: too many fields
    // "variant" is not the header's name for the first column.
    EXPECT_EQ(RunWith({QStringLiteral("--batch"), commas, QStringLiteral("--out"), out}).status, kExitUsage);

    WriteAll(commas, "Вариант,Loa,Lab,Lbc,Lde,Loc,N\n"
                     "a,0.1,0.6,0.6,0.5,1,8\n"
                     "b,\"0,1\",0.6,0.6,0.5,1,8\n"
                     "c,0,1,0.6,0.6,0.5,1,8\n");
    const QList<QStringList> summary = SummaryOfFailingBatch(commas, out);
    ASSERT_EQ(summary.size(), 4);
    EXPECT_EQ(summary[1][10], QString());
    EXPECT_EQ(summary[2][10], QString());
    EXPECT_EQ(summary[2][1], QStringLiteral("0,1"));
    EXPECT_TRUE(summary[3][10].startsWith(QStringLiteral("В строке 4 полей: 8, а в заголовке 7")))
        << summary[3].join(u'|').toStdString();

    const QString tabs = dir.filePath(QStringLiteral("tabs.tsv"));
    WriteAll(tabs, "Вариант\tLoa\tLab\tLbc\tLde\tLoc\tN\n"
                   "t\t0,1\t0,6\t0,6\t0,5\t1\t4\n"
                   // Lbc within its range (the window's rule refuses 1E200 there): the others overflow.
                   "huge\t0,1\t1E200\t0,6\t1E200\t1E200\t4\n"
                   "many\t0,1\t0,6\t0,6\t0,5\t1\t100001\n");
    const QList<QStringList> tabSummary = SummaryOfFailingBatch(tabs, out);
    ASSERT_EQ(tabSummary.size(), 4);
    EXPECT_EQ(tabSummary[1][10], QString());
    EXPECT_EQ(tabSummary[1][6], QStringLiteral("4"));
    EXPECT_FALSE(tabSummary[2][10].isEmpty()) << "the fault's text";
    // In words first, the fault after them.
    EXPECT_TRUE(tabSummary[2][10].contains(QStringLiteral("Floating point"))) << tabSummary[2][10].toStdString();
    EXPECT_FALSE(tabSummary[2][10].startsWith(QStringLiteral("Floating point"))) << tabSummary[2][10].toStdString();
    EXPECT_EQ(tabSummary[3][10], QStringLiteral("N: Слишком большое количество положений механизма (не более 100000)"));
}

TEST(Batch, UntrustedOutputFoldersAreRefusedBeforeAnythingIsWritten)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    WriteAll(variants, kFiveVariants);

    // A folder is created only where its parent is there.
    const QString deep = dir.filePath(QStringLiteral("нет/глубже"));
    const Outcome missing = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), deep});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Папка «%1» не существует").arg(deep))) << missing.err.toStdString();

    const QString readOnly = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    WriteAll(QDir(readOnly).filePath(QStringLiteral("summary.csv")), "keep");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const Outcome refused = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), readOnly});
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(refused.status, kExitUsage);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("нет прав на запись"))) << refused.err.toStdString();
    EXPECT_EQ(Files(readOnly), QStringList{QStringLiteral("summary.csv")});
    EXPECT_EQ(ReadAll(QDir(readOnly).filePath(QStringLiteral("summary.csv"))), QByteArray("keep"));

    const Outcome unreadable = RunWith({QStringLiteral("--batch"), dir.path(), QStringLiteral("--out"), dir.path()});
    EXPECT_EQ(unreadable.status, kExitUsage);
    EXPECT_TRUE(unreadable.err.contains(QStringLiteral("Не удалось прочитать файл вариантов")));
}

TEST(Batch, SafeFileNames)
{
    EXPECT_EQ(SafeFileName(QStringLiteral("a/b\\c:d*e?f\"g<h>i|j"), 1), QStringLiteral("a_b_c_d_e_f_g_h_i_j"));
    EXPECT_EQ(SafeFileName(QStringLiteral(" ..hidden. "), 1), QStringLiteral("hidden"));
    EXPECT_EQ(SafeFileName(QStringLiteral(".."), 7), QStringLiteral("Вариант_7"));
    EXPECT_EQ(SafeFileName(QString(), 3), QStringLiteral("Вариант_3"));
    // Cut by bytes, not by UTF-16 units: two bytes a letter.
    EXPECT_EQ(SafeFileName(QString(300, u'я'), 1), QString(120, u'я'));
    EXPECT_EQ(SafeFileName(QString(300, u'x'), 1).size(), 240);
    // A cut that ends in blanks or dots loses them too; refused and control characters become "_".
    EXPECT_EQ(SafeFileName(QString(239, u'x') + QStringLiteral(". y"), 1), QString(239, u'x'));
    EXPECT_EQ(SafeFileName(QStringLiteral("a\x1b[0m\u0085b"), 1), QStringLiteral("a_[0m_b"));
}

// The dynamics' δ from --delta and from a batch column; the result's own Mд and Jм in the summary
// and the dynamics' columns after the forces in the CSV.
TEST(CommandLine, DeltaFromTheOptionReachesTheDynamicsAndTheirColumns)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    const Outcome run = RunWith({QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--delta"),
                                 QStringLiteral("1/10"), QStringLiteral("--csv"), csv});
    ASSERT_EQ(run.status, kExitSuccess) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Динамика (ωср = 1 рад/с, δ = 0,1): Mд = "))) << run.out.toStdString();
    const QList<QStringList> table = CsvCells(ReadAll(csv));
    ASSERT_EQ(table.size(), 9);
    const QStringList header = table[0];
    ASSERT_GE(header.size(), 4);
    EXPECT_EQ(header.mid(header.size() - 4).join(u';'), QStringLiteral("Jпр, кг·м²;Mпр, Н·м;ΔT, Дж;ω1, рад/с"));
    EXPECT_EQ(header[header.size() - 5], QStringLiteral("R05x, Н")) << "after the forces and their components";

    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.delta = 0.1;
    const CalculationResult expected = Calculate(input);
    for (int r = 1; r < table.size(); ++r) {
        const auto k = static_cast<std::size_t>(r - 1);
        EXPECT_EQ(table[r][header.size() - 4].toStdString(), FormatGeneral(expected.dynamics.table.Jpr[k]));
        EXPECT_EQ(table[r][header.size() - 1].toStdString(), FormatGeneral(expected.dynamics.table.Omega[k]));
    }

    const Outcome bad = RunWith({QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--delta"),
                                 QStringLiteral("1")});
    EXPECT_EQ(bad.status, kExitUsage);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("δ: Вибране значення поза діапазоном («1»)"))) << bad.err.toStdString();
    EXPECT_TRUE(UsageText().contains(QStringLiteral("--delta X")));
}

TEST(Batch, DeltaColumnOrOptionGivesEachRowsFlywheel)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N;δ\r\n"
                       "Тугой;0,1;0,6;0,6;0,5;1;8;1/50\r\n"
                       "Общий;0,1;0,6;0,6;0,5;1;8;\r\n"
                       "Неверный;0,1;0,6;0,6;0,5;1;8;2\r\n"
                       "Заклинен;0,25;0,3;0,6;0,5;1;8;0,04\r\n");
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkdir(out));
    const QList<QStringList> summary =
        SummaryOfFailingBatch(variants, out, {QStringLiteral("--delta"), QStringLiteral("0,1")});
    ASSERT_EQ(summary.size(), 5);
    const int md = 19, jm = 20, delta = 21;
    EXPECT_EQ(summary[1][delta], QStringLiteral("0,02"));
    EXPECT_EQ(summary[2][delta], QStringLiteral("0,1")) << "an empty cell takes --delta";
    CalculationInput input;
    SetDefaultParameters(input.typed);
    input.delta = 0.02;
    const CalculationResult tight = Calculate(input);
    EXPECT_EQ(summary[1][jm].toStdString(), FormatGeneral(tight.dynamics.curves.Exact.Jm));
    EXPECT_EQ(summary[1][md].toStdString(), FormatGeneral(tight.dynamics.curves.DrivingTorque));
    EXPECT_LT(*ParseDecimal(summary[2][jm].toStdString()), *ParseDecimal(summary[1][jm].toStdString()));
    EXPECT_EQ(summary[3][10], QStringLiteral("δ: Вибране значення поза діапазоном"));
    // A crank that does not turn fully has no dynamics: the cells stay empty.
    EXPECT_EQ(summary[4][md], QString());
    EXPECT_EQ(summary[4][jm], QString());
}

}  // namespace
