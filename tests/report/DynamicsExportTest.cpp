// The dynamics taken out of the program: the report's section read back with pdftotext (the
// panel's figures, the five charts drawn as text and lines, every row of the table), and a
// mechanism without dynamics saying why.

#include "ReportReadBack.h"

#include "kinematics/NumberText.h"
#include "report/DynamicsFigures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString ReportText(const CalculationResult& result)
{
    QTemporaryDir dir;
    return WriteAndReadReport(result, dir.filePath(QStringLiteral("report.pdf"))).text;
}

TEST(DynamicsExport, ReportHoldsTheFiguresTheFiveChartsAndEveryRow)
{
    constexpr int n = 8;
    CalculationInput input;
    input.typed = DefaultMechanism(n);
    input.loads.Omega1 = 2 * M_PI;
    const CalculationResult result = Calculate(input);
    ASSERT_TRUE(result.dynamics.Computed());
    const QString text = ReportText(result);
    const qsizetype at = text.indexOf(QStringLiteral("Динамический анализ"));
    ASSERT_GE(at, 0);
    const QStringList section = Words(text.mid(at));
    for (const DynamicsFigure& figure : DynamicsFigures(result.dynamics.curves))
        EXPECT_TRUE(HasWords(section, Words(figure.caption + QStringLiteral(": ") + figure.value)))
            << figure.caption.toStdString() << ' ' << figure.value.toStdString();
    for (const char* title : {"Приведённый момент сил Mпр и движущий момент Mд", "Приведённый момент инерции Jпр",
                              "Диаграмма энергия – масса ΔT(Jпр)", "Угловая скорость кривошипа ω1 с маховиком"})
        EXPECT_TRUE(HasWords(section, Words(QString::fromUtf8(title)))) << title << ": the charts are text and lines";

    const DynamicsColumns& table = result.dynamics.table;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const QStringList row = {QString::number(k), QString::fromStdString(FormatGeneral(45.0 * k)),
                                 TableCellText(table.Jpr[i]), TableCellText(table.Mpr[i]),
                                 TableCellText(table.DeltaT[i]), TableCellText(table.Omega[i]),
                                 TableCellText(table.Epsilon[i])};
        EXPECT_TRUE(HasWords(section, row)) << "row " << k << ": " << row.join(u' ').toStdString();
    }
}

TEST(DynamicsExport, AMechanismWithoutDynamicsSaysWhyInTheReport)
{
    CalculationInput input;
    input.typed = DefaultMechanism(8);
    const CalculationResult turning = Calculate(input);
    ASSERT_TRUE(turning.dynamics.Computed());
    // The same kinematics with a δ out of range: the section says so and shows no figures.
    const CalculationResult refused = WithLoads(turning, turning.input.loads, 1.5);
    const QString text = ReportText(refused);
    const qsizetype at = text.indexOf(QStringLiteral("Динамический анализ"));
    ASSERT_GE(at, 0);
    EXPECT_TRUE(HasWords(Words(text.mid(at)), Words(QString::fromStdString(refused.dynamics.Reason()))));
    EXPECT_FALSE(text.contains(QStringLiteral("Движущий момент Mд")));
}

// An approximation's difference reads in per cent to three significant digits, signed; without an
// exact Jм to divide by, only the difference itself.
TEST(DynamicsFigures, DifferencesFromTheExactFlywheel)
{
    DynamicsResult d;
    d.Status = DynamicsStatus::Computed;
    d.Exact.Jm = 23.926375482837;
    d.WittenbauerDifference = -0.000292413254285862;
    d.WittenbauerRelative = -1.22213769693457E-5;
    d.SimpleDifference = 0.25;
    d.SimpleRelative = 0.0050222285;
    d.RelativeAvailable = true;
    auto value = [](const std::vector<DynamicsFigure>& figures, const char* name) {
        for (const DynamicsFigure& f : figures) {
            if (QLatin1String(f.name) == QLatin1String(name))
                return f.value;
        }
        return QStringLiteral("(none)");
    };
    std::vector<DynamicsFigure> figures = DynamicsFigures(d);
    EXPECT_EQ(figures.size(), DynamicsFigureCaptions().size());
    EXPECT_EQ(value(figures, "LabelJmWittenbauerDifference"),
              QStringLiteral("-0,000292413254285862 кг·м² (-0,00122 %)"));
    EXPECT_EQ(value(figures, "LabelJmSimpleDifference"), QStringLiteral("+0,25 кг·м² (+0,502 %)"));
    EXPECT_EQ(value(figures, "LabelJmExact"), QStringLiteral("23,926375482837 кг·м²"));

    d.RelativeAvailable = false;
    d.SimpleDifference = 0;
    figures = DynamicsFigures(d);
    EXPECT_EQ(value(figures, "LabelJmSimpleDifference"), QStringLiteral("0 кг·м²"));
    d.Status = DynamicsStatus::NotFullTurn;
    EXPECT_TRUE(DynamicsFigures(d).empty());
}

}  // namespace
