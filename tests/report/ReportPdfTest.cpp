// The PDF report read back as text with pdftotext: title, adopted rocker length, dead positions
// and every row of the table as the window shows it; the page count follows N.

#include "ReportReadBack.h"

#include "kinematics/Angles.h"
#include "kinematics/NumberText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The report of every test here names its student.
WrittenReport WriteAndRead(const CalculationResult& result, const QString& path)
{
    return WriteAndReadReport(result, path, QStringLiteral("Иванов И. И."));
}

TEST(ReportPdf, HoldsTitleAdoptedLengthDeadPositionsAndEveryRowOfTheWindowsTable)
{
    QTemporaryDir dir;
    const CalculationResult result = CalculateDefaults(8);
    const WrittenReport report = WriteAndRead(result, dir.filePath(QStringLiteral("report.pdf")));
    const QString& text = report.text;

    EXPECT_TRUE(text.contains(QString::fromUtf8(kReportTitle)));
    EXPECT_TRUE(text.contains(QStringLiteral("Дата: 14.03.2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Принятая длина коромысла: Lbc = 0,9 м"))) << "the adopted rocker length";
    EXPECT_TRUE(text.contains(QStringLiteral("(введённая): Lbc = 0,6 м"))) << "the length as typed";
    EXPECT_TRUE(text.contains(QStringLiteral("Loa = 0,1 м")));
    EXPECT_TRUE(text.contains(QStringLiteral("N = 8")));
    // The four dead positions of the defaults, in radians and in degrees.
    const std::vector<double> deadAngles = result.Kinematics().DeadAngles();
    ASSERT_EQ(deadAngles.size(), 4u);
    const char* const degrees[] = {"85°", "86°", "265°", "266°"};
    for (std::size_t i = 0; i < 4; ++i) {
        const QString radians = QString::fromStdString(FormatGeneral(deadAngles[i]));
        EXPECT_TRUE(text.contains(radians + QStringLiteral(" рад = ") + QString::fromUtf8(degrees[i])))
            << radians.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Диаграммы")));
    EXPECT_TRUE(text.contains(QStringLiteral("Страница 1")));
    EXPECT_EQ(report.pdfPages, report.pages);

    // Every row, cell for cell as the reference table of the window shows it, in two parts.
    QFile reference(QStringLiteral(ORVEK_SOURCE_DIR "/tests/kinematics/data/defaults-n8-table.tsv"));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
    const QStringList words = Words(text);
    int rows = 0;
    for (const QString& line : QString::fromUtf8(reference.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(QStringLiteral("Xa")))
            continue;
        const QStringList cells = line.trimmed().split(u'\t');
        ASSERT_EQ(cells.size(), 14);
        const QString k = QString::number(rows);
        const QString angle = QString::fromStdString(FormatGeneral((360.0 / 8) * rows));
        EXPECT_TRUE(HasWords(words, QStringList{k, angle} + cells.mid(0, 8))) << "A and B, row " << rows;
        EXPECT_TRUE(HasWords(words, QStringList{k, angle} + cells.mid(8))) << "D and E, row " << rows;
        ++rows;
    }
    EXPECT_EQ(rows, 8);
}

TEST(ReportPdf, PageCountFollowsNAndTheHeaderIsRepeatedOnEveryTablePage)
{
    QTemporaryDir dir;
    const WrittenReport small = WriteAndRead(CalculateDefaults(8), dir.filePath(QStringLiteral("8.pdf")));
    const CalculationResult result = CalculateDefaults(180);
    const WrittenReport large = WriteAndRead(result, dir.filePath(QStringLiteral("180.pdf")));
    EXPECT_EQ(large.pdfPages, large.pages);
    // Table parts (A and B, D and E, the accelerations) of 180 rows at well over 40 and under 100
    // rows a page, on top of the few pages the rest takes with N = 8.
    const int parts = 3;
    const int smallTablePages = parts;  // with N = 8 each part takes a part of one page at most
    EXPECT_GE(large.pages, small.pages - smallTablePages + parts * 180 / 100);
    EXPECT_LE(large.pages, small.pages + parts * (180 / 40 + 1));
    // Each table page starts with the header: as many headers as table pages.
    const int headers = static_cast<int>(large.text.count(QStringLiteral("Vxa, м/с")));
    EXPECT_GE(headers, 2) << "the first part's header, repeated after a page break";
    const QStringList words = Words(large.text);
    for (int k : {0, 57, 179}) {
        const QString angle = QString::fromStdString(FormatGeneral((360.0 / 180) * k));
        EXPECT_TRUE(HasWords(words, {QString::number(k), angle, TableCellText(result.Kinematics().table.positions.Xa[static_cast<std::size_t>(k)])}))
            << "row " << k;
    }
    EXPECT_TRUE(large.text.contains(QStringLiteral("Страница %1").arg(large.pages)));
}

// The report says what the study did with a jammed length, gives the solved mechanism's exact
// extremes beside the 1° scan (named as such), the worst transmission angle, and no resistance
// where the crank does not turn fully.
TEST(ReportPdf, WordsThatMatchTheNumbers)
{
    QTemporaryDir dir;
    CalculationInput input;
    input.typed = DefaultMechanism(12);
    input.typed.Loa = 0.08;
    input.typed.Lab = 0.62;
    input.typed.Lde = 0.55;
    input.typed.Loc = 1.2;
    const CalculationResult jammed = Calculate(input);
    const QString text = Words(WriteAndRead(jammed, dir.filePath(QStringLiteral("jammed.pdf"))).text).join(u' ');
    EXPECT_TRUE(text.contains(QStringLiteral("механизм заклинивает (угол передачи ближе 1° к 0° или 180°): 1.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Крайние положения ползуна: 100,70°, 297,94°"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Перебор угла кривошипа через 1° при Lbc = 0,6 м")));
    const double mu = Degrees(jammed.Kinematics().characteristics.MuMin);
    EXPECT_TRUE(text.contains(QStringLiteral("Наименьший угол передачи μmin = %1°").arg(QString::fromStdString(FormatGeneral(mu)))));
    EXPECT_TRUE(text.contains(QStringLiteral("Fс = 500 Н действует на ползун")));

    input.options.adoptLbc = false;
    input.typed = DefaultMechanism(8);
    const QString kept = Words(WriteAndRead(Calculate(input), dir.filePath(QStringLiteral("kept.pdf"))).text).join(u' ');
    EXPECT_TRUE(kept.contains(QStringLiteral("Подбор длины коромысла выключен: исследование выбрало бы Lbc = 0,9 м")));
    EXPECT_TRUE(kept.contains(QStringLiteral("Принятая длина коромысла: Lbc = 0,6 м")));

    // A rocker too short to follow the crank past 180°: no resistance, and the report says why.
    input.typed.Lab = 1.2;
    input.typed.Lbc = 0.25;
    const QString stuck = Words(WriteAndRead(Calculate(input), dir.filePath(QStringLiteral("stuck.pdf"))).text).join(u' ');
    EXPECT_FALSE(stuck.contains(QStringLiteral("действует на ползун")));
    EXPECT_TRUE(stuck.contains(QStringLiteral("Сила полезного сопротивления не приложена (Fс = 0): кривошип не проворачивается")))
        << stuck.toStdString();
}

}  // namespace

namespace {

TEST(ReportPdf, ALongTableListsEveryKthPositionAndSaysSo)
{
    EXPECT_EQ(ReportTableStep(360), 1);
    EXPECT_EQ(ReportTableStep(361), 2);
    EXPECT_EQ(ReportTableStep(720), 2);
    EXPECT_EQ(ReportTableStep(100000), 278);
    EXPECT_LE((100000 + 277) / 278, kLongestReportTable);

    QTemporaryDir dir;
    const WrittenReport long_ = WriteAndRead(CalculateDefaults(1000), dir.filePath(QStringLiteral("long.pdf")));
    const QString caption = QStringLiteral("каждое 3-е положение из 1000, строк: 334");
    const QString flat = Words(long_.text).join(u' ');
    EXPECT_EQ(flat.count(caption), 5) << "both tables of points, the accelerations, the torques and the dynamics";
    const QStringList words = Words(long_.text);
    // Positions 0, 3, 6, … 999 are listed; 1 and 2 are not.
    EXPECT_TRUE(HasWords(words, {QStringLiteral("3"), QStringLiteral("1,08")})) << "k = 3 at 1,08°";
    EXPECT_TRUE(HasWords(words, {QStringLiteral("999"), QStringLiteral("359,64")}));
    EXPECT_FALSE(HasWords(words, {QStringLiteral("1"), QStringLiteral("0,36")}));
    // A report of 360 positions says nothing of the kind.
    const WrittenReport whole = WriteAndRead(CalculateDefaults(360), dir.filePath(QStringLiteral("whole.pdf")));
    EXPECT_FALSE(whole.text.contains(QStringLiteral("каждое")));
    EXPECT_LT(long_.pages, whole.pages + 4) << "no longer than the report of 360 positions, give or take the captions";
}

TEST(ReportPdf, ACancelledReportLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.pdf"));
    WriteAll(path, "old report");
    const CalculationResult result = CalculateDefaults(720);
    ReportInput input;
    input.result = &result;
    double last = -1;
    bool rising = true;
    input.progress = [&](double fraction) {
        rising = rising && fraction >= last && fraction <= 1;
        last = fraction;
        if (fraction > 0.3)
            throw ComputationCancelled();
    };
    QString error;
    EXPECT_FALSE(WriteReportPdf(input, path, error));
    EXPECT_TRUE(error.contains(QStringLiteral("запись отменена"))) << error.toStdString();
    EXPECT_TRUE(rising);
    EXPECT_EQ(ReadAll(path), QByteArray("old report"));
    // Without a cancel the bar reaches its end.
    input.progress = [&](double fraction) { last = fraction; };
    EXPECT_TRUE(WriteReportPdf(input, path, error)) << error.toStdString();
    EXPECT_EQ(last, 1.0);
}

}  // namespace
