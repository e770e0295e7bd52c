// The results table as CSV: the bytes of the format, and the values parsed back against an
// independent solve of the mechanism the study adopted.

#include "ReportTestSupport.h"

#include "kinematics/NumberText.h"
#include "report/CsvExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

const char kHeaderBytes[] =
    "k;\xCF\x86, \xC2\xB0;Xa, \xD0\xBC;Ya, \xD0\xBC;Vxa, \xD0\xBC/\xD1\x81;Vya, \xD0\xBC/\xD1\x81;"
    "Xb, \xD0\xBC;Yb, \xD0\xBC;Vxb, \xD0\xBC/\xD1\x81;Vyb, \xD0\xBC/\xD1\x81;Xd, \xD0\xBC;Yd, \xD0\xBC;"
    "Vxd, \xD0\xBC/\xD1\x81;Vyd, \xD0\xBC/\xD1\x81;Ye, \xD0\xBC;Ve, \xD0\xBC/\xD1\x81";

double Parsed(const QString& cell)
{
    const auto value = ParseDecimal(cell.toStdString());
    EXPECT_TRUE(value.has_value()) << cell.toStdString();
    return value.value_or(std::nan(""));
}

class CsvForDefaults : public ::testing::TestWithParam<int> {};

TEST_P(CsvForDefaults, ParsedBackGivesTheModelsValuesOfTheAdoptedMechanism)
{
    const int n = GetParam();
    const CalculationResult result = CalculateDefaults(n);
    ASSERT_EQ(double{result.Kinematics().solved.Lbc}, 0.9);  // a copy: the packed record may sit unaligned

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    QString error;
    ASSERT_TRUE(WriteResultsCsv(result, path, error)) << error.toStdString();
    const QByteArray bytes = ReadAll(path);

    // The block of conditions, an empty line, then the table.
    const QByteArray block = QStringLiteral("Параметр;Значение\r\n").toUtf8();
    ASSERT_TRUE(bytes.startsWith(QByteArray("\xEF\xBB\xBF") + block));
    const qsizetype tableStart = bytes.indexOf("\r\n\r\n") + 4;
    ASSERT_GT(tableStart, 4);
    const QByteArray table = bytes.mid(tableStart);
    EXPECT_EQ(CsvConditions(bytes).value(QStringLiteral("Lbc, м")), QStringLiteral("0,9")) << "as solved";
    EXPECT_EQ(CsvConditions(bytes).value(QStringLiteral("Lbc введённая, м")), QStringLiteral("0,6"));
    // The fixed header byte for byte, then the accelerations, the links' motion and the forces
    // headed the same way.
    ASSERT_TRUE(table.startsWith(QByteArray(kHeaderBytes) + ";"));
    const QByteArray firstLine = table.left(table.indexOf("\r\n"));
    EXPECT_EQ(firstLine.mid(static_cast<int>(std::strlen(kHeaderBytes))),
              QStringLiteral(";Axa, м/с²;Aya, м/с²;Axb, м/с²;Ayb, м/с²;Axd, м/с²;Ayd, м/с²;Ae, м/с²;"
                             "ω2, рад/с;ω3, рад/с;ω4, рад/с;ε2, рад/с²;ε3, рад/с²;ε4, рад/с²;"
                             "Mб (группы Ассура), Н·м;Mб (рычаг Жуковского), Н·м;|R| в O, Н;|R| в A, Н;|R| в B, Н;"
                             "|R| в C, Н;|R| в D, Н;|R| в E, Н;|N| направляющей, Н;"
                             "R01x, Н;R01y, Н;R12x, Н;R12y, Н;R23x, Н;R23y, Н;R03x, Н;R03y, Н;R24x, Н;R24y, Н;"
                             "R45x, Н;R45y, Н;R05x, Н;Jпр, кг·м²;Mпр, Н·м;ΔT, Дж;ω1, рад/с")
                  .toUtf8());
    EXPECT_TRUE(table.endsWith("\r\n"));
    EXPECT_EQ(table.count("\r\n"), n + 1);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "every line ends with CRLF";
    EXPECT_FALSE(table.contains('.')) << "the decimal comma only";

    // The model: the mechanism with Lbc = 0.9 solved on its own.
    Mechanism model = DefaultMechanism(n);
    model.Lbc = 0.9;
    SolverState solver;
    ASSERT_TRUE(SolveMechanism(model, solver).complete);
    const std::vector<double>* quantities[] = {
        &solver.arrays.Xa, &solver.arrays.Ya, &solver.arrays.Vxa, &solver.arrays.Vya, &solver.arrays.Xb,
        &solver.arrays.Yb, &solver.arrays.Vxb, &solver.arrays.Vyb, &solver.arrays.Xd, &solver.arrays.Yd,
        &solver.arrays.Vxd, &solver.arrays.Vyd, &solver.arrays.Ye, &solver.arrays.Ve};

    const QList<QStringList> rows = CsvCells(bytes);
    ASSERT_EQ(rows.size(), n + 1);
    for (int k = 0; k < n; ++k) {
        const QStringList& row = rows[k + 1];
        ASSERT_EQ(row.size(), 55) << "row " << k;
        EXPECT_EQ(row[0], QString::number(k));
        EXPECT_NEAR(Parsed(row[1]), 360.0 * k / n, 1e-12);
        for (int q = 0; q < 14; ++q) {
            const double value = (*quantities[q])[static_cast<std::size_t>(k)];
            // 15 significant digits of the unrounded value, and nothing else.
            EXPECT_EQ(row[q + 2].toStdString(), FormatGeneral(value)) << "row " << k << " column " << q;
            EXPECT_NEAR(Parsed(row[q + 2]), value, 1e-14 * std::max(1.0, std::fabs(value)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(N, CsvForDefaults, ::testing::Values(8, 180));

TEST(CsvText, FurtherColumnGroupsFollowTheFixedColumnsHeadedTheSameWay)
{
    const CalculationResult result = CalculateDefaults(8);
    std::vector<CsvColumn> columns = ResultsCsvColumns(result);
    ASSERT_EQ(columns.size(), 16u + 7u + 6u + 9u + 13u + 4u);
    columns.resize(16);  // only the groups given here
    columns.push_back({QStringLiteral("Axa, м/с²"), std::vector<double>(8, -0.25)});
    columns.push_back({QStringLiteral("Aya; ось, м/с²"), {1e-7, 2.5}});  // shorter than the table
    const QList<QStringList> rows = CsvCells(CsvText(columns, 8));
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0].mid(0, 16).join(u';'), ResultsCsvHeader());
    EXPECT_EQ(rows[0][16], QStringLiteral("Axa, м/с²"));
    // A header with the separator is quoted, so the columns stay in place.
    EXPECT_EQ(rows[0].mid(17).join(u';'), QStringLiteral("\"Aya; ось, м/с²\""));
    EXPECT_EQ(rows[1][16], QStringLiteral("-0,25"));
    EXPECT_EQ(rows[1][17], QStringLiteral("1E-7"));
    EXPECT_EQ(rows[2][17], QStringLiteral("2,5"));
    EXPECT_EQ(rows[3][17], QString()) << "a short column leaves its cells empty";
}

TEST(CsvText, RowsTheFinalSolveDidNotReachAreLeftOut)
{
    CalculationResult result = CalculateDefaults(8);
    auto k = std::make_shared<KinematicsResult>(result.Kinematics());
    k->table.outcome.positionsDone = 3;
    result.kinematics = k;
    const std::vector<CsvColumn> columns = ResultsCsvColumns(result);
    EXPECT_EQ(columns.front().values.size(), 3u);
    for (const CsvColumn& column : columns)
        EXPECT_EQ(column.Size(), 3u) << column.header.toStdString();
    EXPECT_EQ(CsvCells(CsvText(columns, 3)).size(), 4);

    // Without a position there are no accelerations nor forces to write: the fixed header only.
    k->table.outcome.positionsDone = 0;
    result.forces = AnalyseForces(*k, result.input.loads);
    EXPECT_EQ(ResultsCsvColumns(result).size(), 16u);
}

TEST(CsvWrite, AProtectedOrUnreachableTargetIsLeftAsItWasWithAMessageNamingIt)
{
    const CalculationResult result = CalculateDefaults(8);
    QTemporaryDir dir;
    QString error;

    const QString missing = dir.filePath(QStringLiteral("нет/table.csv"));
    EXPECT_FALSE(WriteResultsCsv(result, missing, error));
    EXPECT_TRUE(error.contains(QStringLiteral("не существует"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(missing))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    const QString old = dir.filePath(QStringLiteral("old.csv"));
    WriteAll(old, "old contents");
    QFile::setPermissions(old, QFileDevice::ReadOwner);
    EXPECT_FALSE(WriteResultsCsv(result, old, error));
    EXPECT_TRUE(error.contains(QStringLiteral("защищён от записи"))) << error.toStdString();
    EXPECT_EQ(ReadAll(old), QByteArray("old contents"));

    const QString folder = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString inReadOnly = folder + QStringLiteral("/table.csv");
    EXPECT_FALSE(WriteResultsCsv(result, inReadOnly, error));
    EXPECT_TRUE(error.contains(QStringLiteral("нет прав на запись"))) << error.toStdString();
    EXPECT_TRUE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
