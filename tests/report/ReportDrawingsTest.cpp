// The report's drawings are vectors: poppler finds no picture but the charts' back pictures in
// it, its text holds the letters and scale captions the drawings paint, the title page names the
// student, and the plans of the chosen positions are there.

#include "ReportTestSupport.h"

#include "app/OffscreenPictures.h"
#include "report/ReportDocument.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The pictures poppler lists in a PDF (the two header lines left out).
int PdfImages(const QString& pdf)
{
    const QStringList lines =
        ToolOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n', Qt::SkipEmptyParts);
    return static_cast<int>(lines.size()) - 2;
}

QString Write(const ReportInput& input, const QString& path)
{
    QString error;
    EXPECT_TRUE(WriteReportPdf(input, path, error)) << error.toStdString();
    return PdfText(path);
}

TEST(ReportDrawings, DrawingsAddNoPictureAndTheirLettersAreText)
{
    const CalculationResult result = CalculateDefaults(8);
    OffscreenPictures pictures(result);
    QTemporaryDir dir;
    ReportInput input;
    input.result = &result;
    input.charts = pictures.Charts();
    input.date = QDate(2026, 3, 14);
    const QString with = Write(input, dir.filePath(QStringLiteral("with.pdf")));
    // The same report without a drawn position: the drawings' section is left out.
    ReportInput without = input;
    without.drawnPosition = -1;
    Write(without, dir.filePath(QStringLiteral("without.pdf")));
    EXPECT_EQ(PdfImages(dir.filePath(QStringLiteral("with.pdf"))), PdfImages(dir.filePath(QStringLiteral("without.pdf"))))
        << "a drawing became a picture";
    EXPECT_TRUE(with.contains(QStringLiteral("p,o,c"))) << "the velocity plan's letters are text";
    for (const char* caption : {"μa = ", "μF = ", "Планы выбранных положений", "Положение "})
        EXPECT_TRUE(with.contains(QString::fromUtf8(caption))) << caption;
    // Every picture left is a chart's back picture (a 480 x 300 JPEG); the drawings and plans add none.
    const QStringList listed = ToolOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), dir.filePath(QStringLiteral("with.pdf"))})
                                   .split(u'\n', Qt::SkipEmptyParts)
                                   .mid(2);
    EXPECT_GE(listed.size(), 7) << "the six diagrams, the force chart and the dynamics charts";
    for (const QString& line : listed) {
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(f.size(), 9);
        EXPECT_EQ(f[3] + u'x' + f[4] + u' ' + f[8], QStringLiteral("480x300 jpeg")) << line.toStdString();
    }
}

TEST(ReportDrawings, TitlePageNamesWhoAndWhatAndLeavesBlanksToFillIn)
{
    const CalculationResult result = CalculateDefaults(8);
    QTemporaryDir dir;
    ReportInput input;
    input.result = &result;
    input.date = QDate(2026, 3, 14);
    input.title = {QStringLiteral("Университет машиностроения"), QStringLiteral("Иванов И. И."),
                   QStringLiteral("ТМ-21"), QStringLiteral("Петров П. П."), QStringLiteral("7")};
    const QString named = Write(input, dir.filePath(QStringLiteral("named.pdf")));
    for (const char* line : {"Университет машиностроения", "Выполнил: Иванов И. И.", "Группа: ТМ-21",
                             "Проверил: Петров П. П.", "Вариант: 7: Loa = 0,1 м", "Дата: 14.03.2026"})
        EXPECT_TRUE(named.contains(QString::fromUtf8(line))) << line;
    input.title = {};
    const QString blank = Write(input, dir.filePath(QStringLiteral("blank.pdf")));
    EXPECT_TRUE(blank.contains(QStringLiteral("Выполнил: ____"))) << "a blank to fill in by hand";
    // The chosen positions are those asked for.
    input.planPositions = std::pair{3, 9};
    const QString chosen = Write(input, dir.filePath(QStringLiteral("chosen.pdf")));
    EXPECT_TRUE(chosen.contains(QStringLiteral("Положение 3 (φ = 90°)")));
    EXPECT_TRUE(chosen.contains(QStringLiteral("Положение 9 (φ = 270°)")));
}

}  // namespace
