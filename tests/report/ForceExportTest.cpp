// The force analysis taken out of the program: its CSV columns against an independent force
// computation, its report section read back with pdftotext, the batch summary's torque cells, and
// the window's force fields read for the export.

#include "ReportReadBack.h"

#include "app/CommandLine.h"
#include "app/OffscreenPictures.h"
#include "kinematics/Accelerations.h"
#include "kinematics/Characteristics.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/NumberText.h"
#include "report/CsvExport.h"
#include "report/ReportDocument.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QStringList kForceHeaders = {
    QStringLiteral("Mб (группы Ассура), Н·м"), QStringLiteral("Mб (рычаг Жуковского), Н·м"),
    QStringLiteral("|R| в O, Н"), QStringLiteral("|R| в A, Н"), QStringLiteral("|R| в B, Н"),
    QStringLiteral("|R| в C, Н"), QStringLiteral("|R| в D, Н"), QStringLiteral("|R| в E, Н"),
    QStringLiteral("|N| направляющей, Н")};

// The forces of the default mechanism with the rocker the study adopts, computed here from a solve
// of its own.
ForceArrays ModelForces(int n, const ForceParameters& f)
{
    Mechanism m = DefaultMechanism(n);
    m.Lbc = 0.9;
    SolverState solver;
    EXPECT_TRUE(SolveMechanism(m, solver).complete);
    AccelerationArrays a;
    ComputeAccelerations(m, solver.arrays, n, a);
    ForceArrays forces;
    ComputeForces(m, solver.arrays, a, ComputeCharacteristics(m), f, forces);
    return forces;
}

double Parsed(const QString& cell)
{
    const auto value = ParseDecimal(cell.toStdString());
    EXPECT_TRUE(value.has_value()) << cell.toStdString();
    return value.value_or(std::nan(""));
}

TEST(ForceExport, CsvForceColumnsParsedBackAreTheModelsForcesForTheDefaults)
{
    constexpr int n = 8;
    const CalculationResult result = CalculateDefaults(n);
    ASSERT_TRUE(result.forces.computed) << result.forces.error;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    QString error;
    ASSERT_TRUE(WriteResultsCsv(result, path, error)) << error.toStdString();
    const QList<QStringList> rows = CsvCells(ReadAll(path));
    ASSERT_EQ(rows.size(), n + 1);

    // After the 16 fixed columns, the 7 accelerations and the links' ω and ε, the force group,
    // then the reactions' components, then the dynamics' four.
    constexpr int first = 16 + 7 + 6;
    ASSERT_EQ(rows[0].size(), first + kForceHeaders.size() + 13 + 4);
    EXPECT_EQ(rows[0].mid(first, kForceHeaders.size()), kForceHeaders);

    const ForceArrays model = ModelForces(n, ForceParameters{});
    const std::vector<double>* expected[] = {&model.MbGroups, &model.MbLever, &model.RO, &model.RA, &model.RB,
                                             &model.RC,       &model.RD,      &model.RE, &model.NguideAbs};
    bool someResistance = false;
    for (int r = 1; r <= n; ++r) {
        ASSERT_EQ(rows[r].size(), rows[0].size()) << "row " << r;
        for (int c = 0; c < kForceHeaders.size(); ++c) {
            const double value = (*expected[c])[static_cast<std::size_t>(r - 1)];
            // The text keeps 15 significant digits: equal to the model's value within that.
            EXPECT_NEAR(Parsed(rows[r][first + c]), value, 1e-14 * std::max(1.0, std::fabs(value)))
                << "row " << r << " column " << kForceHeaders[c].toStdString();
        }
        someResistance = someResistance || model.Working[static_cast<std::size_t>(r - 1)];
    }
    EXPECT_TRUE(someResistance) << "the working stroke is among the eight positions";
    EXPECT_GT(std::fabs(Parsed(rows[1][first])), 0.0);
}

TEST(ForceExport, OtherLoadsChangeTheColumnsWithoutASecondCalculate)
{
    const CalculationResult first = CalculateDefaults(8);
    ForceParameters light;
    light.LinearMass = 0;
    light.SliderMass = 0;
    light.Gravity = false;
    light.Omega1 = 2;
    const long calculations = CalculateCallCount();
    const CalculationResult changed = WithLoads(first, light);
    EXPECT_EQ(CalculateCallCount(), calculations);
    ASSERT_TRUE(changed.forces.computed);
    const ForceArrays model = ModelForces(8, light);
    EXPECT_EQ(changed.forces.table.MbGroups, model.MbGroups);
    // Only the resistance is left: on the idle stroke nothing needs balancing.
    for (std::size_t k = 0; k < model.Size(); ++k) {
        if (!model.Working[k]) {
            EXPECT_NEAR(changed.forces.table.MbGroups[k], 0.0, 1e-9) << k;
        }
    }
    EXPECT_EQ(changed.forces.diagrams.Size(), static_cast<std::size_t>(kDiagramPositionCount));
    const std::vector<CsvColumn> columns = ResultsCsvColumns(changed);
    ASSERT_EQ(columns.size(), 16u + 7u + 6u + 9u + 13u + 4u);
    EXPECT_EQ(columns[16 + 7 + 6].header, kForceHeaders[0]);
    EXPECT_EQ(columns[16 + 7 + 6].Values(), model.MbGroups);
    // The components follow the magnitudes: R01x first, the guide's signed force last.
    EXPECT_EQ(columns[16 + 7 + 6 + 9].header, QStringLiteral("R01x, Н"));
    EXPECT_EQ(columns[16 + 7 + 6 + 9].Values(), model.RxO);
    EXPECT_EQ(columns[16 + 7 + 6 + 9 + 12].Values(), model.Nguide);
}

TEST(ForceExport, ReportHoldsTheForceSectionWithEveryTorqueRow)
{
    constexpr int n = 8;
    const CalculationResult result = CalculateDefaults(n);
    QTemporaryDir dir;
    const QString text = WriteAndReadReport(result, dir.filePath(QStringLiteral("report.pdf"))).text;
    ASSERT_TRUE(text.contains(QStringLiteral("Силовой анализ")));
    EXPECT_TRUE(text.contains(QStringLiteral("q = 20 кг/м")));
    EXPECT_TRUE(text.contains(QStringLiteral("m5 = 10 кг")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fс = 500 Н")));
    EXPECT_TRUE(text.contains(QStringLiteral("ω1 = 1 рад/с")));
    EXPECT_TRUE(text.contains(QStringLiteral("Наибольшая разность Mб двух методов")));
    EXPECT_TRUE(text.contains(QStringLiteral("Уравновешивающий момент Mб"))) << "the chart's title";

    const QString section = text.mid(text.indexOf(QStringLiteral("Силовой анализ")));
    const QStringList words = Words(section);
    const ForceArrays model = ModelForces(n, ForceParameters{});
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const QStringList row = {QString::number(k), QString::fromStdString(FormatGeneral(45.0 * k)),
                                 TableCellText(model.MbGroups[i]), TableCellText(model.MbLever[i])};
        EXPECT_TRUE(HasWords(words, row)) << "row " << k << ": " << row.join(u' ').toStdString();
    }
}

TEST(ForceExport, SummaryTorqueCellsAreTheLargestOfTheVariantsOwnTable)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("variants.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N\r\nА;0,1;0,6;0,6;0,5;1;36\r\nБ;0,1;x;0,6;0,5;1;8\r\n");
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkdir(out));
    QString outText;
    QString errText;
    QTextStream outStream(&outText);
    QTextStream errStream(&errText);
    EXPECT_EQ(RunCommandLine({QStringLiteral("--batch"), variants, QStringLiteral("--out"), out}, outStream, errStream),
              kExitSomeFailed);

    const QByteArray bytes = ReadAll(QDir(out).filePath(QStringLiteral("summary.csv")));
    const QByteArray header =
        "\xEF\xBB\xBF\xD0\x92\xD0\xB0\xD1\x80\xD0\xB8\xD0\xB0\xD0\xBD\xD1\x82;Loa, \xD0\xBC;Lab, \xD0\xBC;"
        "Lbc, \xD0\xBC;Lde, \xD0\xBC;Loc, \xD0\xBC;N;Lbc \xD0\xB2\xD1\x8B\xD0\xB1\xD1\x80\xD0\xB0\xD0\xBD\xD0\xBD"
        "\xD0\xB0\xD1\x8F, \xD0\xBC;Ve max, \xD0\xBC/\xD1\x81;\xD0\x9C\xD1\x91\xD1\x80\xD1\x82\xD0\xB2\xD1\x8B"
        "\xD0\xB5 \xD0\xBF\xD0\xBE\xD0\xBB\xD0\xBE\xD0\xB6\xD0\xB5\xD0\xBD\xD0\xB8\xD1\x8F, \xC2\xB0;\xD0\x9E"
        "\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0;H, \xD0\xBC;K;\xCE\xB3min, \xC2\xB0;\xCE\xB3max, \xC2\xB0;"
        "\xCF\x86 \xD0\xBA\xD1\x80\xD0\xB0\xD0\xB9\xD0\xBD\xD0\xB5\xD0\xB5 1, \xC2\xB0;\xCF\x86 \xD0\xBA\xD1\x80"
        "\xD0\xB0\xD0\xB9\xD0\xBD\xD0\xB5\xD0\xB5 2, \xC2\xB0;M\xD0\xB1 max, \xD0\x9D\xC2\xB7\xD0\xBC;\xCF\x86 "
        "\xD0\xBF\xD1\x80\xD0\xB8 M\xD0\xB1 max, \xC2\xB0"
        ";Mд, Н·м;Jм, кг·м²;δ;";
    // The block of conditions first, then an empty line and the header, the loads' columns after it.
    ASSERT_TRUE(bytes.startsWith(QByteArray("\xEF\xBB\xBF") + QStringLiteral("Параметр;Значение\r\n").toUtf8()));
    const qsizetype start = bytes.indexOf("\r\n\r\n") + 4;
    ASSERT_GT(start, 4);
    EXPECT_EQ(bytes.mid(start, header.size() - 3), header.mid(3));

    const QList<QStringList> summary = CsvCells(bytes);
    ASSERT_EQ(summary.size(), 3);
    ASSERT_EQ(summary[1].size(), 28);
    // The variant's own table: the groups' Mб column and the crank angles.
    const QList<QStringList> table = CsvCells(ReadAll(QDir(out).filePath(QStringLiteral("А.csv"))));
    const int column = static_cast<int>(table[0].indexOf(kForceHeaders[0]));
    ASSERT_GT(column, 0);
    double largest = -1;
    QString where;
    for (int r = 1; r < table.size(); ++r) {
        const double value = std::fabs(Parsed(table[r][column]));
        if (value > largest) {
            largest = value;
            where = table[r][1];
        }
    }
    EXPECT_EQ(summary[1][17].toStdString(), FormatGeneral(largest));
    EXPECT_EQ(summary[1][18], where);
    EXPECT_GT(largest, 0.0);
    // A bad row leaves its torque cells empty like every other result cell.
    EXPECT_EQ(summary[2][17], QString());
    EXPECT_EQ(summary[2][18], QString());
    EXPECT_FALSE(summary[2][10].isEmpty());
}

}  // namespace
