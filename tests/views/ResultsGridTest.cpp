// The results grid never shows a cut number: what is painted in each cell of the default table
// is its value (whole, or correctly rounded to fewer digits with sign and exponent kept), the
// tooltips name quantity, unit, position and angle, and Ctrl+C copies the values unrounded.

#include "kinematics/Mechanism.h"
#include "kinematics/NumberText.h"
#include "kinematics/Solver.h"
#include "views/CellText.h"
#include "views/GridCellDelegate.h"
#include "views/ResultsTableModel.h"
#include "views/StringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHelpEvent>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QTest>
#include <QTextItem>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A paint device that keeps every text drawn on it with the point it was drawn at.
class TextRecorder : public QPaintEngine {
public:
    struct Drawn {
        QPointF at;
        QString text;
    };

    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            transform_ = state.transform();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override { drawn.push_back({transform_.map(p), item.text()}); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    std::vector<Drawn> drawn;

private:
    QTransform transform_;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextRecorder engine;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return 0x7fffffff;
        case PdmWidthMM: return size_.width() * 254 / 960;
        case PdmHeightMM: return size_.height() * 254 / 960;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default: return QPaintDevice::metric(m);
        }
    }

private:
    QSize size_;
};

QList<QStringList> ReferenceRows()
{
    QFile file(QStringLiteral(ORVEK_SOURCE_DIR "/tests/kinematics/data/defaults-n8-table.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            rows << QString::fromUtf8(line).split(u'\t');
    }
    return rows;
}

double ValueOf(const QString& text)
{
    const auto v = ParseDecimal(text.toStdString());
    return v ? *v : std::nan("");
}

// Digits after the first significant one in a number text, and its decimal exponent.
int Exponent10(const QString& text)
{
    const int e = text.indexOf(u'E');
    const double v = std::fabs(ValueOf(text));
    return e >= 0 ? text.mid(e + 1).toInt() + static_cast<int>(std::floor(std::log10(std::fabs(ValueOf(text.left(e))))))
                  : static_cast<int>(std::floor(std::log10(v)));
}

int SignificantDigits(const QString& text)
{
    QString mantissa = text.left(text.indexOf(u'E') >= 0 ? text.indexOf(u'E') : text.size());
    mantissa.remove(u'-').remove(u',');
    while (mantissa.startsWith(u'0'))
        mantissa.remove(0, 1);
    return static_cast<int>(mantissa.size());
}

// The default mechanism with the rocker length the study adopts, solved for N = 8.
class ResultsGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Mechanism m;
        SetDefaultParameters(m);
        m.Lbc = 0.9;
        const SolveOutcome outcome = SolveMechanism(m, solver);
        ASSERT_TRUE(outcome.complete);
        grid.setGeometry(0, 0, 693, 224);
        grid.Model()->Fill(solver.arrays, 8, outcome.positionsDone);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    // Every text painted into the grid's cells, by cell.
    std::map<std::pair<int, int>, QString> PaintedCells()
    {
        RecordingDevice device(grid.viewport()->size());
        grid.viewport()->render(&device);
        std::map<std::pair<int, int>, QString> cells;
        for (const auto& d : device.engine.drawn) {
            const QModelIndex index = grid.indexAt(d.at.toPoint() + QPoint(1, -4));
            EXPECT_TRUE(index.isValid()) << d.text.toStdString();
            cells[{index.row(), index.column()}] += d.text;
        }
        return cells;
    }

    SolverState solver;
    StringGrid grid;
};

TEST_F(ResultsGridTest, EveryPaintedCellIsItsValueWholeOrCorrectlyShortened)
{
    const QList<QStringList> reference = ReferenceRows();
    ASSERT_EQ(reference.size(), 9);
    const auto cells = PaintedCells();
    ASSERT_EQ(cells.size(), 8u * 14u) << "every cell of the default table is painted once";
    const QFontMetrics metrics(grid.font());
    int shortened = 0;
    for (const auto& [cell, drawn] : cells) {
        const auto [row, column] = cell;
        const QString full = reference[row + 1][column];
        ASSERT_EQ(grid.Model()->CellText(row, column), full);
        SCOPED_TRACE(QStringLiteral("row %1 column %2: %3 drawn as %4").arg(row).arg(column).arg(full, drawn).toStdString());
        EXPECT_LE(metrics.horizontalAdvance(drawn), grid.columnWidth(column) - 1 - 2 * GridCellDelegate::kTextMargin);
        if (drawn == full)
            continue;
        ++shortened;
        // Not a cut text: the drawn number is the value rounded to the digits drawn.
        const double value = ValueOf(full);
        const int digits = SignificantDigits(drawn);
        EXPECT_EQ(drawn, SignificantText(value, digits, drawn.contains(u'E')));
        const double halfUnit = 0.5 * std::pow(10.0, Exponent10(drawn) - digits + 1);
        EXPECT_LE(std::fabs(ValueOf(drawn) - value), halfUnit * (1 + 1e-9));
        EXPECT_EQ(drawn.startsWith(u'-'), full.startsWith(u'-'));
        if (full.contains(u'E')) {
            EXPECT_TRUE(drawn.contains(u'E')) << "the exponent is kept";
        }
    }
    EXPECT_GT(shortened, 20) << "most negative cells hold 15-digit texts wider than the column";

    // The two cells that read as -1,8 and -1,2 when cut: about zero, and drawn so.
    EXPECT_EQ(cells.at({6, 0}), QStringLiteral("-1,8E-17"));
    EXPECT_EQ(cells.at({4, 2}), QStringLiteral("-1,2E-17"));
    EXPECT_EQ(cells.at({1, 2}), QStringLiteral("-0,07071"));
    EXPECT_EQ(cells.at({3, 7}), QStringLiteral("-0,02456"));
    // Rounded, not truncated: -0,04459747… becomes -0,0446 (the zero of -0,04460 dropped).
    EXPECT_EQ(cells.at({0, 6}), QStringLiteral("-0,0446"));
    EXPECT_EQ(cells.at({0, 1}), QStringLiteral("0"));
    EXPECT_EQ(cells.at({1, 0}), QStringLiteral("0,071"));
    // Three digits in exponent form rather than two in fixed form.
    EXPECT_EQ(cells.at({1, 12}), QStringLiteral("-5,75E-4"));
}

TEST_F(ResultsGridTest, CellTooltipHoldsTheWholeTextWithQuantityUnitPositionAndAngle)
{
    ResultsTableModel* model = grid.Model();
    EXPECT_EQ(model->data(model->index(6, 0), Qt::ToolTipRole).toString(),
              QStringLiteral("Xa = -1,83697019872103E-17 м, положение 6, φ = 270°"));
    EXPECT_EQ(model->data(model->index(4, 2), Qt::ToolTipRole).toString(),
              QStringLiteral("Vxa = -1,22464679914735E-17 м/с, положение 4, φ = 180°"));
    // A rounded positive cell adds the value before rounding; one that rounding left alone does not.
    EXPECT_EQ(model->data(model->index(1, 0), Qt::ToolTipRole).toString(),
              QStringLiteral("Xa = 0,071 м, положение 1, φ = 45° (без округления 0,0707106781186548 м)"));
    EXPECT_EQ(model->data(model->index(0, 0), Qt::ToolTipRole).toString(),
              QStringLiteral("Xa = 0,1 м, положение 0, φ = 0°"));
    EXPECT_TRUE(model->data(model->index(0, 1), Qt::ToolTipRole).toString().startsWith(QStringLiteral("Ya = 0 м, положение 0, φ = 0°")));

    // Shown by the real grid when the mouse rests on the cell.
    const QRect cell = grid.visualRect(model->index(6, 0));
    QHelpEvent help(QEvent::ToolTip, cell.center(), grid.viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(grid.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Xa = -1,83697019872103E-17 м, положение 6, φ = 270°"));
    QToolTip::hideText();

    // N that does not divide 360: the angle is rounded for reading, blank rows have no tooltip.
    SolverState seven;
    Mechanism m;
    SetDefaultParameters(m);
    m.PositionCount = 7;
    ASSERT_TRUE(SolveMechanism(m, seven).complete);
    model->Fill(seven.arrays, 9, 7);
    EXPECT_TRUE(model->data(model->index(1, 12), Qt::ToolTipRole).toString().endsWith(QStringLiteral("положение 1, φ = 40°")))
        << "nine rows: position 1 of the table stands at 360/9 degrees";
    EXPECT_FALSE(model->data(model->index(8, 0), Qt::ToolTipRole).isValid()) << "a row no solve reached";
}

TEST_F(ResultsGridTest, CtrlCCopiesTheValuesBeforeTheirRounding)
{
    grid.setFocus();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.Model()->index(4, 0)).center());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid.visualRect(grid.Model()->index(6, 13)).center());
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    QString expected;
    int differing = 0;
    for (int r = 4; r <= 6; ++r) {
        for (int c = 0; c < ResultsTableModel::kColumns; ++c) {
            const double value = ResultsColumnArray(solver.arrays, c)[static_cast<std::size_t>(r)];
            const QString copied = QString::fromStdString(FormatGeneral(value));
            expected += (c > 0 ? QStringLiteral("\t") : QString()) + copied;
            differing += copied != grid.Model()->CellText(r, c) ? 1 : 0;
        }
        expected += u'\n';
    }
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
    // The cells keep their rounding: most of these positive values read shorter than copied.
    EXPECT_GT(differing, 10);
}

TEST(ResultsColumnTips, EveryCaptionExplainsItsQuantityAndUnit)
{
    ResultsTableModel model;
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QStringLiteral("Xa — координата x точки A (конец кривошипа OA), м"));
    const char* captions[] = {"Xa", "Ya", "Vxa", "Vya", "Xb", "Yb", "Vxb", "Vyb", "Xd", "Yd", "Vxd", "Vyd", "Ye", "Ve"};
    for (int c = 0; c < ResultsTableModel::kColumns; ++c) {
        const QString caption = QString::fromLatin1(captions[c]);
        const QString tip = model.headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
        SCOPED_TRACE(tip.toStdString());
        EXPECT_EQ(ResultsTableModel::ColumnCaption(c), caption);
        EXPECT_EQ(ResultsTableModel::ColumnToolTip(c), tip);
        EXPECT_TRUE(tip.startsWith(caption + QStringLiteral(" — ")));
        const QString point = caption.right(1).toUpper();
        EXPECT_TRUE(tip.contains(QStringLiteral("точки ") + point) || tip.contains(QStringLiteral("ползуна E")));
        if (caption.startsWith(u'V'))
            EXPECT_TRUE(tip.endsWith(QStringLiteral(", м/с (при ω1 = 1 рад/с)")));
        else
            EXPECT_TRUE(tip.endsWith(QStringLiteral(", м")));
    }
    EXPECT_FALSE(model.headerData(14, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

TEST(SignificantText, RoundsCorrectlyAndKeepsSignAndForm)
{
    struct Row {
        double value;
        int digits;
        bool exponent;
        const char* expected;
    };
    const Row rows[] = {
        {-1.83697019872103e-17, 2, true, "-1,8E-17"},
        {-1.83697019872103e-17, 1, true, "-2E-17"},     // rounded up, not cut to -1
        {-0.0707106781186548, 3, false, "-0,0707"},
        {-0.0245625229056108, 3, false, "-0,0246"},     // truncation would give -0,0245
        {-0.0656703498043759, 2, false, "-0,066"},
        {-0.0999996, 3, false, "-0,1"},                 // the carry reaches the first digit; zeros dropped
        {-9.96e-17, 2, true, "-1E-16"},                 // ... and the exponent
        {-0.000574712771988894, 2, false, "-0,00057"},
        {-0.999999, 2, false, "-1"},
        {-245.454545454545, 4, false, "-245,5"},
        {123456789012.0, 3, false, "1,23E11"},          // no zeros in place of digits
        {123456789012.0, 12, false, "123456789012"},
        {-0.0000999999, 2, false, "-0,0001"},           // fixed form: the rounded value is in range
        {1e-20, 3, false, "1E-20"},                     // below the fixed range
        {0.0, 3, false, "0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SignificantText(row.value, row.digits, row.exponent), QString::fromUtf8(row.expected))
            << row.value << " to " << row.digits;
}

TEST(FittedCellText, LongestCorrectTextThatFitsAndNeverACutOne)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const double value = -0.0632199506222973;
    const QString full = QString::fromStdString(FormatGeneral(value));
    EXPECT_EQ(FittedCellText(value, full, metrics, metrics.horizontalAdvance(full)), full) << "a fitting text stays";
    EXPECT_EQ(FittedCellText(value, QString(), metrics, 1), QString()) << "blank cells stay blank";

    int previousDigits = 16;
    for (int width = metrics.horizontalAdvance(full) - 1; width >= 0; --width) {
        const QString text = FittedCellText(value, full, metrics, width);
        SCOPED_TRACE(QStringLiteral("width %1: %2").arg(width).arg(text).toStdString());
        EXPECT_LE(metrics.horizontalAdvance(text), std::max(width, metrics.horizontalAdvance(QStringLiteral("#"))));
        if (text.startsWith(u'#')) {
            EXPECT_LT(width, metrics.horizontalAdvance(QStringLiteral("-0,06")));
            continue;
        }
        // The value correctly rounded to the digits shown, never a cut text.
        const int digits = SignificantDigits(text);
        EXPECT_EQ(text, SignificantText(value, digits, text.contains(u'E')));
        // The longest: asking for more digits in either form gives a text that does not fit, or
        // this one again (a rounded zero at the end is dropped).
        EXPECT_LE(digits, previousDigits);
        previousDigits = digits;
        for (int more = digits + 1; more <= 14; ++more) {
            for (const bool exponent : {false, true}) {
                const QString longer = SignificantText(value, more, exponent);
                EXPECT_TRUE(SignificantDigits(longer) <= digits || metrics.horizontalAdvance(longer) > width)
                    << longer.toStdString();
            }
        }
    }
    // A small value: the exponent form wins when it shows more digits; too narrow for both, "#".
    const double small = -0.000574712771988894;
    const QString smallText = QString::fromStdString(FormatGeneral(small));
    const auto fitted = [&](const char* room) {
        return FittedCellText(small, smallText, metrics, metrics.horizontalAdvance(QString::fromLatin1(room)));
    };
    ASSERT_LT(metrics.horizontalAdvance(QStringLiteral("-6E-4")), metrics.horizontalAdvance(QStringLiteral("-0,0006")));
    ASSERT_LE(metrics.horizontalAdvance(QStringLiteral("-5,7E-4")), metrics.horizontalAdvance(QStringLiteral("-0,0006")));
    EXPECT_EQ(fitted("-0,0006"), QStringLiteral("-5,7E-4")) << "two digits rather than one";
    EXPECT_EQ(fitted("-6E-4"), QStringLiteral("-6E-4"));
    EXPECT_TRUE(fitted("-6").startsWith(u'#'));
    EXPECT_EQ(FittedCellText(std::nan(""), QStringLiteral("NAN"), metrics, 2), QStringLiteral("NAN"));
}

}  // namespace
