// The sheets from the command line: one mechanism with the title block's names and a format, a
// batch with a folder of sheets per variant, and the usage errors of the sheets' options.

#include "ReportTestSupport.h"

#include "app/CommandLine.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

int RunCli(const QStringList& arguments, QString* errors = nullptr)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = RunCommandLine(arguments, o, e);
    e.flush();
    if (errors)
        *errors = err;
    return status;
}

QStringList SheetFiles(const QString& dir)
{
    QStringList names = QDir(dir).entryList({QStringLiteral("sheet*")}, QDir::Files);
    names.sort();
    return names;
}

const QStringList kAllSheets = {"sheet1.dxf", "sheet1.pdf", "sheet1.svg", "sheet2.dxf", "sheet2.pdf",
                                "sheet2.svg", "sheet3.dxf", "sheet3.pdf", "sheet3.svg"};

TEST(SheetsCommandLine, OneMechanismWritesThreeSheetsWithTheNames)
{
    QTemporaryDir dir;
    QString err;
    ASSERT_EQ(RunCli({"--loa", "0,1", "--sheets", dir.path(), "--sheet-format", "A3", "--positions", "2,8", "--student",
                   "Сидоров", "--group", "ТМ-31", "--teacher", "Козлов", "--report", dir.filePath("r.pdf")},
                  &err),
              kExitSuccess)
        << err.toStdString();
    EXPECT_EQ(SheetFiles(dir.path()), kAllSheets);
    EXPECT_TRUE(ToolOutput("pdfinfo", {dir.filePath("sheet2.pdf")}).contains("1191 x 842 pts")) << "A3";
    const QString text = PdfText(dir.filePath("sheet2.pdf"));
    EXPECT_TRUE(text.contains("Сидоров") && text.contains("ТМ-31") && text.contains("Козлов"));
    EXPECT_TRUE(text.contains("Положение 2")) << "the forces of the first chosen position";
    const QString report = PdfText(dir.filePath("r.pdf"));
    EXPECT_TRUE(report.contains("Выполнил: Сидоров")) << "the report's title page";
    EXPECT_TRUE(report.contains("Проверил: Козлов"));
}

TEST(SheetsCommandLine, TheSchemeTakesTheCountOfPositionsAsked)
{
    QTemporaryDir dir;
    QString err;
    ASSERT_EQ(RunCli({"--loa", "0,1", "--sheets", dir.path(), "--scheme-positions", "24", "--positions", "23,13"}, &err),
              kExitSuccess)
        << err.toStdString();
    const QString text = PdfText(dir.filePath("sheet1.pdf"));
    EXPECT_TRUE(text.contains("в 24 положениях"));
    EXPECT_TRUE(text.contains("положение 13 (φ = 195°)")) << "a position between the diagrams' 2° rows";
    EXPECT_TRUE(PdfText(dir.filePath("sheet2.pdf")).contains("Положение 23 (φ = 345°)"));
}

TEST(SheetsCommandLine, EachBatchVariantGetsItsFolder)
{
    QTemporaryDir dir;
    WriteAll(dir.filePath("v.csv"), "Вариант;Loa;Lab;Lbc;Lde;Loc;N\r\nV1;0,1;0,6;0,6;0,5;1;8\r\nV2;0,12;0,6;0,6;0,5;1,1;8\r\n");
    QString err;
    ASSERT_EQ(RunCli({"--batch", dir.filePath("v.csv"), "--out", dir.filePath("out"), "--sheets", dir.filePath("sheets")}, &err),
              kExitUsage)
        << "the folders must exist";
    ASSERT_TRUE(QDir(dir.path()).mkpath("out") && QDir(dir.path()).mkpath("sheets"));
    ASSERT_EQ(RunCli({"--batch", dir.filePath("v.csv"), "--out", dir.filePath("out"), "--sheets", dir.filePath("sheets")}, &err),
              kExitSuccess)
        << err.toStdString();
    EXPECT_EQ(SheetFiles(dir.filePath("sheets/V1")), kAllSheets);
    EXPECT_EQ(SheetFiles(dir.filePath("sheets/V2")), kAllSheets);
    EXPECT_TRUE(PdfText(dir.filePath("sheets/V2/sheet1.pdf")).contains("Вариант V2"));
}

TEST(SheetsCommandLine, BadSheetOptionsAreUsageErrors)
{
    QTemporaryDir dir;
    const struct {
        QStringList arguments;
        const char* said;
    } cases[] = {
        {{"--loa", "0,1", "--sheets", dir.path(), "--sheet-format", "A0"}, "Формат листов «A0» не годится"},
        {{"--loa", "0,1", "--sheets", dir.path(), "--positions", "3"}, "двумя номерами от 0 до 11"},
        {{"--loa", "0,1", "--sheet-format", "A2"}, "только вместе с --sheets"},
        {{"--loa", "0,1", "--scheme-positions", "7"}, "только вместе с --sheets"},
        {{"--loa", "0,1", "--sheets", dir.path(), "--scheme-positions", "25"}, "целое от 1 до 24"},
        {{"--loa", "0,1", "--sheets", dir.path(), "--scheme-positions", "7", "--positions", "7,1"},
         "двумя номерами от 0 до 6"},
        {{"--loa", "0,1", "--sheets", dir.filePath("missing")}, "missing"},
    };
    for (const auto& c : cases) {
        QString err;
        EXPECT_EQ(RunCli(c.arguments, &err), kExitUsage) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.said))) << err.toStdString();
    }
    EXPECT_TRUE(SheetFiles(dir.path()).isEmpty());
}

}  // namespace
