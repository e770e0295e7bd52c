// The drawing sheets read back by independent readers: the DXF by ezdxf (the crank, the links
// and a velocity segment measured against the factors the sheet states, the layers, the
// entities), the PDF by poppler (page size, text, no pictures), the SVG's size in mm; and the
// small pieces: formats, positions, the DXF's text escapes.

#include "ReportTestSupport.h"
#include "SheetDxfCheck.h"

#include "report/DxfWriter.h"
#include "report/SheetLayout.h"
#include "report/Sheets.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Loc above 1,1 closes the four-bar only with a longer coupler.
CalculationResult ResultWith(double loc, double omega1)
{
    CalculationInput input;
    input.typed = DefaultMechanism(8);
    input.typed.Loc = loc;
    if (loc > 1.1)
        input.typed.Lab = 0.8;
    input.loads.Omega1 = omega1;
    return Calculate(input);
}

SheetOptions Options(SheetFormat format)
{
    SheetOptions o;
    o.format = format;
    o.people = {QStringLiteral("Иванов И. И."), QStringLiteral("ТМ-21"), QStringLiteral("Петров П. П.")};
    o.date = QDate(2026, 12, 9);
    return o;
}

// ezdxf's verdict on the sheets in `dir`: empty when every measurement holds.
QString DxfVerdict(const QString& dir, const CalculationResult& r, const SheetOptions& options)
{
    return SheetDxfVerdict(dir, r, ChosenPositions(r, options.positions).first);
}

TEST(Sheets, DxfMeasuresWhatTheFactorsSayForThreeVariants)
{
    const struct {
        double loc, omega1;
    } variants[] = {{1, 1}, {1.5, 1}, {1, 10}};
    for (const auto& v : variants) {
        CalculationResult r = ResultWith(v.loc, v.omega1);
        ASSERT_FALSE(r.Failed());
        QTemporaryDir dir;
        QString error;
        QStringList written;
        const SheetOptions options = Options(SheetFormat::A1);
        ASSERT_TRUE(WriteSheets(r, options, dir.path(), error, &written)) << error.toStdString();
        EXPECT_EQ(written.size(), 9) << "three sheets of three files each";
        EXPECT_EQ(DxfVerdict(dir.path(), r, options).toStdString(), "") << "Loc " << v.loc << ", ω1 " << v.omega1;
    }
}

// Counts that divide the diagrams' 180 positions take their rows; 7 and 24 do not, and get a solve
// of their own, whose cranks ezdxf finds at 360°/N·k to 0,01 mm (the nearest 2° row misses by
// tenths of a millimetre), the plans and the forces of their chosen positions included.
TEST(Sheets, SchemeInAnyCountOfPositionsUpTo24)
{
    const CalculationResult base = ResultWith(1, 1);
    for (const int count : {7, 24, 9}) {
        const CalculationResult r = WithSchemePositions(base, count);
        ASSERT_EQ(SchemeCount(r), count);
        EXPECT_EQ(r.scheme.own.Rows(), count == 9 ? 0 : count) << count;
        SheetOptions options = Options(SheetFormat::A2);
        options.schemePositions = count;
        options.positions = std::pair{count - 1, 3};
        const SchemePosition last = SchemePositionOf(r, count - 1);
        ASSERT_TRUE(last.HasAccelerations() && last.Forces()) << count;
        EXPECT_DOUBLE_EQ(last.solve->positions.Xa[last.row], 0.1 * std::cos((2 * M_PI / count) * (count - 1)));
        QTemporaryDir dir;
        QString error;
        ASSERT_TRUE(WriteSheets(r, options, dir.path(), error)) << error.toStdString();
        EXPECT_EQ(DxfVerdict(dir.path(), r, options).toStdString(), "") << count;
        const QString text = PdfText(dir.filePath(QStringLiteral("sheet1.pdf")));
        EXPECT_TRUE(text.contains(QStringLiteral("в %1 положениях").arg(count))) << count;
        const QString degrees = DegreesText(last);
        EXPECT_TRUE(text.contains(QStringLiteral("положение %1 (φ = %2°)").arg(count - 1).arg(degrees)))
            << degrees.toStdString();
        EXPECT_TRUE(PdfText(dir.filePath(QStringLiteral("sheet2.pdf")))
                        .contains(QStringLiteral("Положение %1 (φ = %2°)").arg(count - 1).arg(degrees)));
    }
    EXPECT_EQ(SchemeCount(WithSchemePositions(base, 99)), kMostSchemePositions);
    const CalculationResult loads = WithLoads(WithSchemePositions(base, 7), base.input.loads);
    EXPECT_EQ(loads.scheme.forceDetail.size(), 7u) << "other loads keep the scheme's own forces";
}

TEST(Sheets, PdfIsTheSheetAtTrueSizeWithTheTitleBlockAndNoPictures)
{
    const CalculationResult r = ResultWith(1, 1);
    for (const SheetFormat format : {SheetFormat::A1, SheetFormat::A2, SheetFormat::A3, SheetFormat::A4}) {
        const struct {
            SheetFormat format;
        } f{format};
        const SheetSizeMm size = SheetSizeOf(format);
        QTemporaryDir dir;
        QString error;
        ASSERT_TRUE(WriteSheets(r, Options(f.format), dir.path(), error)) << error.toStdString();
        for (int n = 1; n <= 3; ++n) {
            const QString pdf = dir.filePath(QStringLiteral("sheet%1.pdf").arg(n));
            // The page in points is the sheet in mm (Qt keeps whole points: within one).
            const QString info = ToolOutput(QStringLiteral("pdfinfo"), {pdf});
            const QRegularExpressionMatch page =
                QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts")).match(info);
            ASSERT_TRUE(page.hasMatch()) << info.toStdString();
            EXPECT_NEAR(page.captured(1).toDouble(), size.width * 72 / 25.4, 1) << info.toStdString();
            EXPECT_NEAR(page.captured(2).toDouble(), size.height * 72 / 25.4, 1) << info.toStdString();
            const QString text = PdfText(pdf);
            for (const char* wanted : {"Иванов И. И.", "ТМ-21", "Петров П. П.", "Лист", "09.12.2026",
                                       "Анализ шарнирно-рычажного механизма", "Loa = 0,1"})
                EXPECT_TRUE(text.contains(QString::fromUtf8(wanted))) << "sheet " << n << ": " << wanted;
            // pdfimages lists a header of two lines and then one line per picture.
            const QStringList images =
                ToolOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n', Qt::SkipEmptyParts);
            EXPECT_EQ(images.size(), 2) << "sheet " << n << " holds a picture";
            // Every factor stated on the sheet stands in the title block too: twice in the text.
            const QRegularExpression factor(QStringLiteral("μ[lva] = [0-9,E-]+"));
            auto it = factor.globalMatch(text);
            while (it.hasNext()) {
                const QString found = it.next().captured(0);
                EXPECT_GE(text.count(found), 2) << found.toStdString();
            }
        }
        const QString sheet1 = PdfText(dir.filePath(QStringLiteral("sheet1.pdf")));
        for (const char* symbol : {"μl = ", "μv = ", "μa = ", "М 1:"})
            EXPECT_TRUE(sheet1.contains(QString::fromUtf8(symbol))) << symbol;
    }
}

TEST(Sheets, SvgIsSizedInMillimetres)
{
    const CalculationResult r = ResultWith(1, 1);
    for (const SheetFormat format : {SheetFormat::A1, SheetFormat::A4}) {
        QTemporaryDir dir;
        QString error;
        ASSERT_TRUE(WriteSheets(r, Options(format), dir.path(), error)) << error.toStdString();
        const QString svg = QString::fromUtf8(ReadAll(dir.filePath(QStringLiteral("sheet1.svg"))));
        const SheetSizeMm size = SheetSizeOf(format);
        EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1mm\"").arg(size.width))) << svg.left(400).toStdString();
        EXPECT_TRUE(svg.contains(QStringLiteral("height=\"%1mm\"").arg(size.height)));
        EXPECT_FALSE(svg.contains(QStringLiteral("<image")));
        // librsvg agrees: at 25,4 dpi a millimetre is a pixel.
        const QString png = dir.filePath(QStringLiteral("sheet1.png"));
        ToolOutput(QStringLiteral("rsvg-convert"), {QStringLiteral("-d"), QStringLiteral("25.4"), QStringLiteral("-p"),
                                                    QStringLiteral("25.4"), QStringLiteral("-o"), png, dir.filePath(QStringLiteral("sheet1.svg"))});
        const QImage image(png);
        EXPECT_EQ(image.width(), static_cast<int>(size.width));
        EXPECT_EQ(image.height(), static_cast<int>(size.height));
    }
}

TEST(Sheets, PositionsAndFormatsAreReadOrRefused)
{
    const struct {
        const char* text;
        int k, l;  // -1: refused
    } cases[] = {{"2,8", 2, 8}, {" 0 , 11 ", 0, 11}, {"12,1", -1, 0}, {"-1,3", -1, 0},
                 {"a,b", -1, 0}, {"3", -1, 0},      {"", -1, 0},     {"1,2,3", -1, 0}};
    for (const auto& c : cases) {
        QString error;
        const auto read = ParsePositions(QString::fromUtf8(c.text), error);
        if (c.k < 0) {
            EXPECT_FALSE(read) << c.text;
            EXPECT_FALSE(error.isEmpty());
        } else {
            ASSERT_TRUE(read) << c.text;
            EXPECT_EQ(read->first, c.k);
            EXPECT_EQ(read->second, c.l);
        }
    }
    QString error;
    EXPECT_EQ(ParsePositions(QStringLiteral("12,23"), error, 24), std::pair(12, 23));
    EXPECT_FALSE(ParsePositions(QStringLiteral("0,7"), error, 7));
    EXPECT_EQ(error, QStringLiteral("Положения задаются двумя номерами от 0 до 6 через запятую, например 2,8."));
    for (const char* text : {"0", "25", "-3", "7,5", "x", ""})
        EXPECT_FALSE(ParseSchemeCount(QString::fromUtf8(text), error)) << text;
    EXPECT_EQ(error, QStringLiteral("Число положений схемы — целое от 1 до 24."));
    EXPECT_EQ(ParseSchemeCount(QStringLiteral(" 24 "), error), 24);
    EXPECT_EQ(ParseSchemeCount(QStringLiteral("1"), error), 1);
    EXPECT_EQ(SheetFormatNamed(QStringLiteral("a3")), SheetFormat::A3);
    EXPECT_EQ(SheetFormatNamed(QStringLiteral("А2")), SheetFormat::A2);  // Cyrillic А
    EXPECT_FALSE(SheetFormatNamed(QStringLiteral("A5")));
    EXPECT_FALSE(SheetFormatNamed(QString()));
}

TEST(Sheets, DefaultPositionsAreOneOfEachStroke)
{
    const CalculationResult r = ResultWith(1, 1);
    const auto [k, l] = ChosenPositions(r, std::nullopt);
    EXPECT_TRUE(SchemePositionOf(r, k).Forces()->Working);
    EXPECT_FALSE(SchemePositionOf(r, l).Forces()->Working);
    SheetOptions given;
    given.positions = std::pair{4, 9};
    EXPECT_EQ(ChosenPositions(r, given.positions), std::pair(4, 9));
}

TEST(Sheets, DxfTextIsPlainAsciiWithUnicodeEscapes)
{
    EXPECT_EQ(DxfText(QStringLiteral("μl = 0,005 м/мм")), QByteArray("\\U+03BCl = 0,005 \\U+043C/\\U+043C\\U+043C"));
    EXPECT_EQ(DxfText(QStringLiteral("A\tB")), QByteArray("AB")) << "control characters are dropped";
    SheetDrawing sheet(100, 50);
    sheet.Text({1, 2}, 3.5, QStringLiteral("Лист"));
    const QByteArray dxf = SheetDxf(sheet);
    for (const char c : dxf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    EXPECT_TRUE(dxf.contains("$INSUNITS\r\n 70\r\n4\r\n"));
    EXPECT_TRUE(dxf.endsWith("  0\r\nEOF\r\n"));
}

}  // namespace
