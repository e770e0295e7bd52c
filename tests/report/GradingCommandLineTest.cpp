// The worked solution and the teacher's check of answers on the command line: --solution K to
// standard output, a file and the report; --batch with --answers writing grading.csv, with a
// missing answers file, an unknown name and a bad line among the variants.

#include "CommandLineRun.h"
#include "ReportTestSupport.h"

#include "app/BatchGrading.h"
#include "app/CommandLine.h"
#include "app/VariantCalculation.h"
#include "kinematics/NumberText.h"
#include "kinematics/ResultPositions.h"
#include "report/SpreadsheetText.h"
#include "report/VariantTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The batch's own calculation of a variant, for the exact values the grading must use.
CalculationResult VariantResult(double loa, double resistance = ForceParameters{}.Resistance)
{
    CalculationInput input;
    input.typed = DefaultMechanism(8);
    input.typed.Loa = loa;
    SetDerivedLengths(input.typed);
    input.loads.Resistance = resistance;
    QString error;
    std::optional<CalculationResult> result = CalculateOrSay(input, error);
    EXPECT_TRUE(result) << error.toStdString();
    return *result;
}

double Exact(const CalculationResult& r, PositionQuantity q, int k)
{
    return *ExactValue(SolvedTableOf(r), q, k);
}

// The file's cells as a reader of quoted CSV reads them: the header, then every line.
QList<QStringList> GradingCells(const QString& path)
{
    VariantTable table;
    EXPECT_TRUE(ParseVariantTable(ReadAll(path), table)) << path.toStdString();
    QList<QStringList> rows{table.header.fields};
    for (const VariantRecord& record : table.records)
        rows << record.fields;
    return rows;
}

QByteArray Number(double x)
{
    return QByteArray::fromStdString(FormatGeneral(x));
}

TEST(SolutionCommandLine, TheTextGoesToStandardOutputOrAFileAndIntoTheReport)
{
    const CalculationResult result = VariantResult(0.1);
    const QString expected = QString::fromStdString(WorkedSolutionText(WorkResultPosition(result, ResultSolve::Table, 3)));
    ASSERT_TRUE(expected.startsWith(QStringLiteral("Ход решения: положение 3 из 8")));

    const Outcome shown = RunWith({QStringLiteral("--loa=0.1"), QStringLiteral("--solution"), QStringLiteral("3")});
    EXPECT_EQ(shown.status, kExitSuccess) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.endsWith(expected));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("решение.txt"));
    const QString pdf = dir.filePath(QStringLiteral("отчёт.pdf"));
    const Outcome written = RunWith({QStringLiteral("--loa=0.1"), QStringLiteral("--solution"), QStringLiteral("3"),
                                     QStringLiteral("--solution-out"), file, QStringLiteral("--report"), pdf});
    EXPECT_EQ(written.status, kExitSuccess) << written.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(ReadAll(file)), expected);
    EXPECT_FALSE(written.out.contains(QStringLiteral("Ход решения")));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Структурный анализ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Проверка Грасгофа")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ход решения: положение 3 из 8")));
}

TEST(SolutionCommandLine, APositionOutsideTheTableOrNotANumber)
{
    const Outcome outside = RunWith({QStringLiteral("--loa=0.1"), QStringLiteral("--solution"), QStringLiteral("8")});
    EXPECT_EQ(outside.status, kExitSomeFailed);
    EXPECT_TRUE(outside.err.contains(QStringLiteral("положение 8 вне таблицы: в ней положения от 0 до 7")))
        << outside.err.toStdString();
    for (const char* typed : {"x", "-1", "2,5"}) {
        const Outcome bad = RunWith({QStringLiteral("--loa=0.1"), QStringLiteral("--solution"), QString::fromLatin1(typed)});
        EXPECT_EQ(bad.status, kExitUsage) << typed;
        EXPECT_TRUE(bad.err.contains(QStringLiteral("--solution: нужен номер положения"))) << typed;
    }
    EXPECT_EQ(RunWith({QStringLiteral("--loa=0.1"), QStringLiteral("--solution-out"), QStringLiteral("x.txt")}).status,
              kExitUsage);
    EXPECT_EQ(RunWith({QStringLiteral("--loa=0.1"), QStringLiteral("--answers"), QStringLiteral(".")}).status, kExitUsage);
}

TEST(Grading, ThreeVariantsOneWithoutAnswersGiveTheirLinesTotalsAndExitOne)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N\r\nИванов;0,1;0,6;0,6;0,5;1;8\r\n"
                       "Петров;0,12;0,6;0,6;0,5;1;8\r\n=Сидоров;0,1;0,6;0,6;0,5;1;8\r\n");
    const QString answers = dir.filePath(QStringLiteral("answers"));
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkdir(answers));
    ASSERT_TRUE(QDir().mkdir(out));

    const CalculationResult ivanov = VariantResult(0.1);
    const double vB = Exact(ivanov, PositionQuantity::VB, 2);
    const double omega2 = Exact(ivanov, PositionQuantity::Omega2, 3);
    const double aE = Exact(ivanov, PositionQuantity::AE, 1);
    WriteAll(QDir(answers).filePath(QStringLiteral("Иванов.csv")),
             "\xEF\xBB\xBFПоложение;Величина;Значение\r\n2;vB;" + Number(vB) + "\r\n3;w2;" + Number(omega2 * 1.04)
                 + "\r\n1;aE;" + Number(aE * 0.94) + "\r\n1;vF;1\r\n");
    const CalculationResult petrov = VariantResult(0.12);
    const double mb = Exact(petrov, PositionQuantity::Mb, 0);
    WriteAll(QDir(answers).filePath(QStringLiteral("Петров.csv")),
             "Положение;Величина;Значение\n0;Mб;" + Number(mb) + "\nx;vA;1\n");

    const Outcome run = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--answers"), answers,
                                 QStringLiteral("--out"), out});
    EXPECT_EQ(run.status, kExitSomeFailed) << run.err.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("grading.csv")});
    const QByteArray bytes = ReadAll(QDir(out).filePath(QStringLiteral("grading.csv")));
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> lines = GradingCells(QDir(out).filePath(QStringLiteral("grading.csv")));
    ASSERT_EQ(lines.size(), 10) << bytes.toStdString();
    EXPECT_EQ(lines[0].join(u';'), QString::fromUtf8(kGradingHeader));

    const auto text = [](double x) { return QString::fromStdString(FormatSignificant(x, 6)); };
    EXPECT_EQ(lines[1], QStringList({QStringLiteral("Иванов"), QStringLiteral("2"), QStringLiteral("vB"),
                                     QString::fromUtf8(Number(vB)), text(vB), QStringLiteral("0"),
                                     QStringLiteral("в пределах 5 %")}));
    EXPECT_EQ(lines[2][2], QStringLiteral("w2"));
    EXPECT_EQ(lines[2][5], QStringLiteral("4"));
    EXPECT_EQ(lines[2][6], QStringLiteral("в пределах 5 %"));
    EXPECT_EQ(lines[3][5], QStringLiteral("6"));
    EXPECT_EQ(lines[3][6], QStringLiteral("вне допуска 5 %"));
    EXPECT_EQ(lines[4][2], QStringLiteral("vF"));
    EXPECT_TRUE(lines[4][6].startsWith(QStringLiteral("ошибка: неизвестная величина «vF»; можно: vA, vB"))) << lines[4][6].toStdString();
    EXPECT_EQ(lines[5], QStringList({QStringLiteral("Иванов"), QString(), QStringLiteral("Итого"), QString(), QString(),
                                     QString(), QStringLiteral("2 из 3 в пределах 5 %; не проверено: 1")}));

    // A line of the file that is no answer is named; the rest is checked.
    EXPECT_EQ(lines[6][0], QStringLiteral("Петров"));
    EXPECT_TRUE(lines[6][6].startsWith(QStringLiteral("ошибка: строка 3"))) << lines[6][6].toStdString();
    EXPECT_EQ(lines[7][2], QStringLiteral("Mб"));
    EXPECT_EQ(lines[7][6], QStringLiteral("в пределах 5 %"));
    EXPECT_EQ(lines[8][6], QStringLiteral("1 из 1 в пределах 5 %; не проверено: 1"));

    // A name a spreadsheet would take for a formula stays text; its missing file is its line.
    EXPECT_EQ(lines[9][0], QStringLiteral("'=Сидоров"));
    EXPECT_TRUE(lines[9][6].startsWith(QStringLiteral("ошибка: нет файла ответов"))) << lines[9][6].toStdString();
    EXPECT_TRUE(lines[9][6].contains(QStringLiteral("=Сидоров.csv")));
}

TEST(Grading, AToleranceOptionAndAnAnswersFolderThatIsNotThere)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N\nИванов;0,1;0,6;0,6;0,5;1;8\n");
    const CalculationResult ivanov = VariantResult(0.1);
    const double vB = Exact(ivanov, PositionQuantity::VB, 2);
    WriteAll(dir.filePath(QStringLiteral("Иванов.csv")), "2;vB;" + Number(vB * 1.08) + "\n");

    const QStringList base{QStringLiteral("--batch"), variants, QStringLiteral("--answers"), dir.path(),
                           QStringLiteral("--out"), dir.path()};
    const Outcome wide = RunWith(base + QStringList{QStringLiteral("--tolerance"), QStringLiteral("10")});
    EXPECT_EQ(wide.status, kExitSuccess) << wide.err.toStdString();
    const QList<QStringList> lines = GradingCells(dir.filePath(QStringLiteral("grading.csv")));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1][6], QStringLiteral("в пределах 10 %"));
    EXPECT_EQ(lines[2][6], QStringLiteral("1 из 1 в пределах 10 %"));

    EXPECT_EQ(RunWith(base + QStringList{QStringLiteral("--tolerance"), QStringLiteral("-1")}).status, kExitUsage);
    const Outcome noFolder = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--answers"),
                                      dir.filePath(QStringLiteral("нет")), QStringLiteral("--out"), dir.path()});
    EXPECT_EQ(noFolder.status, kExitUsage);
    EXPECT_TRUE(noFolder.err.contains(QStringLiteral("Папка ответов")));
}

TEST(Grading, TheLoadsAreTheRowsOwnElseTheOptions)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N;Fс\nИванов;0,1;0,6;0,6;0,5;1;8;1000\n"
                       "Петров;0,1;0,6;0,6;0,5;1;8;\nСидоров;0,1;0,6;0,6;0,5;1;8;-5\n");
    // Position 2 is on the working stroke, where the resistance acts.
    const double mb = Exact(VariantResult(0.1, 1000), PositionQuantity::Mb, 2);
    ASSERT_GT(std::abs(mb - Exact(VariantResult(0.1), PositionQuantity::Mb, 2)), 0.1 * std::abs(mb));
    for (const char* name : {"Иванов", "Петров", "Сидоров"})
        WriteAll(dir.filePath(QString::fromUtf8(name) + QStringLiteral(".csv")), "2;Mб;" + Number(mb) + "\n");

    const QStringList base{QStringLiteral("--batch"), variants, QStringLiteral("--answers"), dir.path(),
                           QStringLiteral("--out"), dir.path()};
    EXPECT_EQ(RunWith(base).status, kExitSomeFailed);
    QList<QStringList> lines = GradingCells(dir.filePath(QStringLiteral("grading.csv")));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[1][6], QStringLiteral("в пределах 5 %")) << "the row's Fс";
    EXPECT_EQ(lines[3][6], QStringLiteral("вне допуска 5 %")) << "an empty cell takes the default 500 N";
    EXPECT_EQ(lines[5][0], QStringLiteral("Сидоров"));
    EXPECT_TRUE(lines[5][6].startsWith(QStringLiteral("ошибка: Fс: "))) << lines[5][6].toStdString();

    EXPECT_EQ(RunWith(base + QStringList{QStringLiteral("--fc"), QStringLiteral("1000")}).status, kExitSomeFailed);
    lines = GradingCells(dir.filePath(QStringLiteral("grading.csv")));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[3][6], QStringLiteral("в пределах 5 %")) << "the option's Fс for an empty cell";

    const Outcome refused = RunWith(base + QStringList{QStringLiteral("--omega1"), QStringLiteral("0")});
    EXPECT_EQ(refused.status, kExitUsage);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("ω1: "))) << refused.err.toStdString();
}

TEST(Grading, SpreadsheetTextCells)
{
    for (const char* formula : {"=1+1", "+7", "-x", "@SUM"})
        EXPECT_EQ(SpreadsheetTextCell(QString::fromLatin1(formula)), u'\'' + QString::fromLatin1(formula)) << formula;
    // A leading tab or CR is defused as a formula and, as a control character, never written.
    EXPECT_EQ(SpreadsheetTextCell(QStringLiteral("\tA")), QStringLiteral("'\uFFFDA"));
    EXPECT_EQ(SpreadsheetTextCell(QStringLiteral("\rB")), QStringLiteral("'\uFFFDB"));
    for (const char* plain : {"", "Иванов", "a=b", " =x", "'=x"})
        EXPECT_EQ(SpreadsheetTextCell(QString::fromUtf8(plain)), QString::fromUtf8(plain)) << plain;
}

}  // namespace
