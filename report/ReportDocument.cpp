#include "report/ReportDocument.h"

#include "chart/Chart.h"
#include "kinematics/Angles.h"
#include "kinematics/Errors.h"
#include "kinematics/Grashof.h"
#include "kinematics/ComputationProgress.h"
#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "kinematics/ResultPositions.h"
#include "kinematics/RoundDecimals.h"
#include "kinematics/Structure.h"
#include "report/AtomicWrite.h"
#include "report/DiagramCharts.h"
#include "report/DynamicsCharts.h"
#include "report/DynamicsFigures.h"
#include "report/Pictures.h"
#include "report/ChosenPositions.h"
#include "report/SheetPainting.h"
#include "report/SheetParts.h"
#include "views/AccelerationPlanDrawing.h"
#include "views/ForcePlanDrawing.h"
#include "views/MechanismDrawing.h"
#include "views/PlanCanvas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The report is laid out in units of 1/96 inch whatever the device's resolution.
constexpr double kLayoutDpi = 96;
constexpr double kPageMarginMm = 15;
// The text sizes, in pixels of the layout.
struct TextPixels {
    int title, heading, text, footer, tableLargest, tableSmallest;
};
constexpr TextPixels kPixels{20, 15, 13, 11, 12, 6};
// Room, in pixels of the layout: below each page for its number, after each section, in each cell.
constexpr double kFooterHeight = 24;
constexpr double kSectionGap = 14;
constexpr double kCellPadding = 4;
constexpr int kPlanMargin = 12;  // pixels around a fitted plan

const char* const kTextFamily = "Liberation Sans";
const char* const kTableFamily = "Liberation Sans Narrow";

QFont Font(const char* family, int pixels, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString Number(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

// An angle in degrees with two decimals, decimal comma whatever the locale: "54,83".
QString TwoDecimals(double x)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 2);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer)).replace(u'.', u',');
}

QString Metres(double x)
{
    return Number(x) + QCoreApplication::translate("Report", " м");
}

// A table column: its header and the text of each row.
struct TableColumn {
    QString header;
    std::function<QString(int row)> cell;
};

// Writes the pages top to bottom; a block that does not fit on what is left of a page starts the
// next one. The footer of a page is drawn when the page is finished.
class PageFlow {
public:
    PageFlow(QPainter& painter, QPagedPaintDevice& device) : painter_(painter), device_(device)
    {
        const double dpi = std::max(1, device.logicalDpiX());
        scale_ = dpi / kLayoutDpi;
        const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        width_ = paint.width() / scale_;
        height_ = paint.height() / scale_ - kFooterHeight;
        ResetTransform();
    }

    double Width() const { return width_; }
    double Left() const { return height_ - y_; }
    double Y() const { return y_; }
    void Advance(double dy) { y_ += dy; }
    int Page() const { return page_; }
    QPainter& Painter() { return painter_; }

    void NewPage()
    {
        DrawFooter();
        device_.newPage();
        ++page_;
        y_ = 0;
        ResetTransform();
    }
    void Ensure(double height)
    {
        if (y_ > 0 && height > Left())
            NewPage();
    }
    void Finish() { DrawFooter(); }

    // How far the report has got: the sections done and the share of the current one.
    void SetProgress(const std::function<void(double)>* progress, int sections)
    {
        progress_ = progress;
        sections_ = sections;
    }
    void SectionDone() { Report(++section_, 0); }
    void Within(double share) { Report(section_, share); }

    // Wrapped text across the page width.
    void Paragraph(const QString& text, const QFont& font, double gapAfter = 4)
    {
        painter_.setFont(font);
        const QRectF box(0, 0, width_, 1e6);
        const QRectF needed = painter_.boundingRect(box, Qt::TextWordWrap, text);
        Ensure(needed.height());
        painter_.drawText(QRectF(0, y_, width_, needed.height()), Qt::TextWordWrap, text);
        y_ += needed.height() + gapAfter;
    }

private:
    void ResetTransform()
    {
        painter_.resetTransform();
        painter_.scale(scale_, scale_);
    }
    void DrawFooter()
    {
        painter_.save();
        painter_.setFont(Font(kTextFamily, kPixels.footer));
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, height_, width_, kFooterHeight), Qt::AlignHCenter | Qt::AlignBottom,
                          QCoreApplication::translate("Report", "Страница %1").arg(page_));
        painter_.restore();
    }

    void Report(int section, double share)
    {
        if (progress_ && *progress_ && sections_ > 0)
            (*progress_)(std::min(1.0, (section + share) / sections_));
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const std::function<void(double)>* progress_ = nullptr;
    int sections_ = 0;
    int section_ = 0;
    double scale_ = 1;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0;
    int page_ = 1;
};

// The largest font of the table's family at which every column fits the page width.
QFont FittingTableFont(QPainter& painter, const std::vector<TableColumn>& columns, int rows, double width,
                       std::vector<double>& columnWidths)
{
    // Measure at the largest size once; widths scale with the size closely enough to choose.
    const QFont largest = Font(kTableFamily, kPixels.tableLargest);
    const QFontMetricsF metrics(largest, painter.device());
    const QFontMetricsF boldMetrics(Font(kTableFamily, kPixels.tableLargest, true), painter.device());
    std::vector<double> natural;
    for (const TableColumn& column : columns) {
        double widest = boldMetrics.horizontalAdvance(column.header);
        for (int r = 0; r < rows; ++r)
            widest = std::max(widest, metrics.horizontalAdvance(column.cell(r)));
        natural.push_back(widest);
    }
    int pixels = kPixels.tableLargest;
    double factor = 1;
    for (; pixels > kPixels.tableSmallest; --pixels) {
        factor = static_cast<double>(pixels) / kPixels.tableLargest;
        double total = 0;
        for (double w : natural)
            total += w * factor + 2 * kCellPadding;
        if (total <= width)
            break;
    }
    factor = static_cast<double>(pixels) / kPixels.tableLargest;
    // What is left over is shared out, so the table spans the page.
    double total = 0;
    columnWidths.clear();
    for (double w : natural) {
        columnWidths.push_back(w * factor + 2 * kCellPadding);
        total += columnWidths.back();
    }
    // The leading k and angle columns keep their width.
    constexpr std::size_t kLeading = 2;
    if (columnWidths.size() > kLeading) {
        const double spare = std::max(0.0, width - total) / static_cast<double>(columnWidths.size() - kLeading);
        for (std::size_t c = kLeading; c < columnWidths.size(); ++c)
            columnWidths[c] += spare;
    }
    return Font(kTableFamily, pixels);
}

void DrawRow(QPainter& painter, const std::vector<double>& widths, double y, double height,
             const std::function<QString(std::size_t)>& text, bool header)
{
    double x = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const QRectF cell(x, y, widths[c], height);
        if (header)
            painter.fillRect(cell, QColor(230, 230, 230));
        painter.drawRect(cell);
        painter.drawText(cell.adjusted(kCellPadding, 0, -kCellPadding, 0),
                         (header ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter, text(c));
        x += widths[c];
    }
}

void DrawTable(PageFlow& flow, const QString& caption, const std::vector<TableColumn>& allColumns, int allRows)
{
    // A long table shows every k-th position and says so; the CSV keeps them all.
    const int step = ReportTableStep(allRows);
    std::vector<TableColumn> columns = allColumns;
    int rows = allRows;
    QString title = caption;
    if (step > 1) {
        for (TableColumn& column : columns)
            column.cell = [cell = column.cell, step](int r) { return cell(r * step); };
        rows = (allRows + step - 1) / step;
        title += QCoreApplication::translate("Report", " (каждое %1-е положение из %2, строк: %3; все положения — в таблице CSV)")
                     .arg(step)
                     .arg(allRows)
                     .arg(rows);
    }
    QPainter& painter = flow.Painter();
    std::vector<double> widths;
    const QFont font = FittingTableFont(painter, columns, rows, flow.Width(), widths);
    QFont bold = font;
    bold.setBold(true);
    const double rowHeight = QFontMetricsF(font, painter.device()).height() + 3;
    const QFont heading = Font(kTextFamily, kPixels.heading, true);

    // The title stays with the header and at least the first row.
    flow.Ensure(QFontMetricsF(heading, painter.device()).height() + 3 * rowHeight);
    flow.Paragraph(title, heading);
    painter.setPen(QPen(Qt::black, 0.5));
    auto header = [&] {
        painter.setFont(bold);
        DrawRow(painter, widths, flow.Y(), rowHeight, [&](std::size_t c) { return columns[c].header; }, true);
        flow.Advance(rowHeight);
        painter.setFont(font);
    };
    header();
    for (int r = 0; r < rows; ++r) {
        if (rowHeight > flow.Left()) {
            flow.NewPage();
            painter.setPen(QPen(Qt::black, 0.5));
            header();
        }
        DrawRow(painter, widths, flow.Y(), rowHeight, [&](std::size_t c) { return columns[c].cell(r); }, false);
        flow.Advance(rowHeight);
        constexpr int kRowsBetweenReports = 20;
        if (r % kRowsBetweenReports == 0)
            flow.Within(static_cast<double>(r) / rows);
    }
    flow.Advance(kSectionGap);
}

// Draws `picture` (of `size` logical pixels) scaled to fit `box`, keeping its proportions.
void DrawFitted(QPainter& painter, const QRectF& box, QSizeF size, const std::function<void(QPainter&)>& draw)
{
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const double factor = std::min(box.width() / size.width(), box.height() / size.height());
    painter.save();
    painter.translate(box.left() + (box.width() - size.width() * factor) / 2, box.top());
    painter.scale(factor, factor);
    painter.setClipRect(QRectF(QPointF(0, 0), size));
    draw(painter);
    painter.restore();
}

QString Header(const Quantity& q)
{
    return QString::fromStdString(ShownQuantityHeader(q));
}

// The k and angle columns every table of positions starts with.
std::vector<TableColumn> LeadingColumns(int n)
{
    return {
        {Header(kPositionNumber), [](int r) { return QString::number(r); }},
        {Header(kCrankAngleDegrees), [n](int r) { return Number((360.0 / n) * r); }},
    };
}

// A column of the values of `q` in `arrays`, as the window's table shows them.
template <class Arrays>
TableColumn QuantityColumn(const ArrayQuantity<Arrays>& q, const Arrays& arrays)
{
    const std::vector<double>& values = arrays.*q.values;
    return {Header(q.quantity), [&values](int r) {
                const auto i = static_cast<std::size_t>(r);
                return i < values.size() ? TableCellText(values[i]) : QString();
            }};
}

void DrawInputSection(PageFlow& flow, const CalculationResult& r, const QDate& date)
{
    const Mechanism& typed = r.input.typed;
    const KinematicsResult& k = r.Kinematics();
    flow.Paragraph(QCoreApplication::translate("Report", kReportTitle), Font(kTextFamily, kPixels.title, true), 6);
    flow.Paragraph(QCoreApplication::translate("Report", "Дата: %1").arg(date.toString(QStringLiteral("dd.MM.yyyy"))),
                   Font(kTextFamily, kPixels.text), kSectionGap);

    const QFont heading = Font(kTextFamily, kPixels.heading, true);
    const QFont text = Font(kTextFamily, kPixels.text);
    flow.Paragraph(QCoreApplication::translate("Report", "Исходные данные"), heading);
    flow.Paragraph(QCoreApplication::translate("Report", "Длина кривошипа OA: Loa = %1").arg(Metres(typed.Loa)), text, 2);
    flow.Paragraph(QCoreApplication::translate("Report", "Длина шатуна AB: Lab = %1").arg(Metres(typed.Lab)), text, 2);
    flow.Paragraph(QCoreApplication::translate("Report", "Длина коромысла BC (введённая): Lbc = %1").arg(Metres(typed.Lbc)), text, 2);
    flow.Paragraph(QCoreApplication::translate("Report", "Длина звена DE: Lde = %1").arg(Metres(typed.Lde)), text, 2);
    flow.Paragraph(QCoreApplication::translate("Report", "Расстояние между опорами O и C: Loc = %1").arg(Metres(typed.Loc)), text, 2);
    flow.Paragraph(QCoreApplication::translate("Report", "Число положений кривошипа: N = %1").arg(k.solved.PositionCount), text, kSectionGap);

    flow.Paragraph(QCoreApplication::translate("Report", "Выбор длины коромысла"), heading);
    const StudyOutcome& outcome = k.studyOutcome;
    QString choice;
    if (k.lbcChosen)
        choice = QCoreApplication::translate("Report", "Исследование длины коромысла BC от 0,591 до 0,9 м выбрало длину, при которой скорость "
                                "ползуна E наибольшая:");
    else if (outcome.choice == StudyChoice::Found)
        choice = QCoreApplication::translate("Report", "Подбор длины коромысла выключен: исследование выбрало бы Lbc = %1, но механизм "
                                "рассчитан с введённой длиной:")
                     .arg(Metres(outcome.choiceLbc));
    else if (outcome.choice == StudyChoice::AllJammed)
        choice = QCoreApplication::translate("Report", "Все завершённые расчёты исследования (%1) заклинивают механизм; длина коромысла "
                                "осталась введённой:")
                     .arg(outcome.jammedLengths);
    else
        choice = QCoreApplication::translate("Report", "Ни один расчёт исследования не завершился; длина коромысла осталась прежней:");
    flow.Paragraph(choice, text, 2);
    if (outcome.jammedLengths > 0 && outcome.choice == StudyChoice::Found)
        flow.Paragraph(QCoreApplication::translate("Report", "Пропущено длин, при которых механизм заклинивает (угол передачи ближе 1° "
                                      "к 0° или 180°): %1.")
                           .arg(outcome.jammedLengths),
                       text, 2);
    flow.Paragraph(QCoreApplication::translate("Report", "Принятая длина коромысла: Lbc = %1").arg(Metres(k.solved.Lbc)), text, 2);
    flow.Paragraph(QCoreApplication::translate("Report", "Таблица, диаграммы и рисунки ниже построены для этой длины коромысла."), text,
                   kSectionGap);

    flow.Paragraph(QCoreApplication::translate("Report", "Мёртвые положения механизма"), heading);
    // The exact extremes of the mechanism solved; the list below is the 1° scan of another rocker.
    if (const MechanismCharacteristics* c = k.TurningCharacteristics())
        flow.Paragraph(QCoreApplication::translate("Report", "Крайние положения ползуна: %1°, %2°")
                           .arg(TwoDecimals(Degrees(c->Extreme1)), TwoDecimals(Degrees(c->Extreme2))),
                       text, 2);
    const std::vector<double> deadAngles = k.DeadAngles();
    if (deadAngles.empty()) {
        flow.Paragraph(QCoreApplication::translate("Report", "Перебор угла кривошипа через 1° при Lbc = %1 мёртвых положений не нашёл.")
                           .arg(Metres(k.scanLbc)),
                       text, kSectionGap);
        return;
    }
    flow.Paragraph(QCoreApplication::translate("Report", "Перебор угла кривошипа через 1° при Lbc = %1 (введённая длина коромысла): углы, "
                                  "при которых скорость ползуна E меньше 0,001 м/с:")
                       .arg(Metres(k.scanLbc)),
                   text, 2);
    for (std::size_t i = 0; i < deadAngles.size(); ++i)
        flow.Paragraph(QCoreApplication::translate("Report", "%1) %2 рад = %3°")
                           .arg(i + 1)
                           .arg(Number(deadAngles[i]), Number(Degrees(deadAngles[i]))),
                       text, 2);
    flow.Advance(kSectionGap);
}

// A heading and its lines.
void DrawSection(PageFlow& flow, const QString& title, const QStringList& lines)
{
    flow.Paragraph(title, Font(kTextFamily, kPixels.heading, true));
    for (const QString& line : lines)
        flow.Paragraph(line, Font(kTextFamily, kPixels.text), 2);
    flow.Advance(kSectionGap);
}

// The mechanism's characteristics, next to the input.
void DrawCharacteristics(PageFlow& flow, const KinematicsResult& k, double omega1)
{
    QStringList lines;
    const MechanismCharacteristics& c = k.characteristics;
    if (!k.characteristicsError.empty()) {
        lines << QCoreApplication::translate("Report", "Характеристики не рассчитаны: %1").arg(QString::fromStdString(k.characteristicsError));
    } else if (c.Status != CharacteristicsStatus::Computed) {
        lines << QCoreApplication::translate("Report", "Кривошип не может сделать полный оборот (механизм не собирается при "
                                "угле %1°): характеристик нет.")
                     .arg(Number(Degrees(c.FailAngle)));
    } else {
        lines << QCoreApplication::translate("Report", "Ход ползуна E: H = %1 м").arg(Number(c.Stroke))
              << QCoreApplication::translate("Report", "Коэффициент изменения средней скорости: K = %1").arg(Number(c.TimeRatio))
              << QCoreApplication::translate("Report", "Угол передачи: γmin = %1°, γmax = %2°")
                     .arg(Number(Degrees(c.GammaMin)), Number(Degrees(c.GammaMax)))
              << QCoreApplication::translate("Report", "Наименьший угол передачи μmin = %1° (острый угол μ = min(γ, 180° − γ))")
                     .arg(Number(Degrees(c.MuMin)))
              << QCoreApplication::translate("Report", "Крайние положения ползуна при углах поворота кривошипа %1° и %2°")
                     .arg(Number(Degrees(c.Extreme1)), Number(Degrees(c.Extreme2)))
              << QCoreApplication::translate("Report", "Наибольшая скорость ползуна: %1 м/с при ω1 = %2 рад/с")
                     .arg(Number(c.MaxSpeed * omega1), Number(omega1));
        if (c.Reversals.size() > 2) {
            QStringList angles;
            for (const double phi : c.Reversals)
                angles << TwoDecimals(Degrees(phi)) + QStringLiteral("°");
            const std::size_t n = c.Reversals.size();
            const bool few = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
            lines << QCoreApplication::translate("Report", "Ползун меняет направление %1 %3 за оборот: при φ = %2. Ход H — между самым "
                                    "низким и самым высоким положениями; рабочий ход — более длинный из двух поворотов "
                                    "кривошипа между ними (K = φраб / φхол), и Fс действует на всём рабочем ходе, "
                                    "в том числе там, где ползун временно идёт назад.")
                         .arg(QString::number(n), angles.join(QStringLiteral(", ")),
                              few ? QCoreApplication::translate("Report", "раза") : QCoreApplication::translate("Report", "раз"));
        }
    }
    DrawSection(flow, QCoreApplication::translate("Report", "Характеристики механизма"), lines);
}

void DrawTables(PageFlow& flow, const KinematicsResult& k)
{
    const int rows = k.table.Rows();
    if (rows == 0) {
        flow.Paragraph(QCoreApplication::translate("Report", "Результаты расчёта"), Font(kTextFamily, kPixels.heading, true));
        flow.Paragraph(QCoreApplication::translate("Report", "Механизм не удалось собрать ни в одном положении: таблица пуста."),
                       Font(kTextFamily, kPixels.text), kSectionGap);
        return;
    }
    constexpr std::size_t kFirstTableQuantities = 8;  // A and B in the first table, D and E in the second
    const std::vector<TableColumn> leading = LeadingColumns(k.solved.PositionCount);
    std::vector<TableColumn> first = leading;
    std::vector<TableColumn> second = leading;
    for (std::size_t q = 0; q < kTableQuantities.size(); ++q)
        (q < kFirstTableQuantities ? first : second).push_back(QuantityColumn(kTableQuantities[q], k.table.positions));
    DrawTable(flow, QCoreApplication::translate("Report", "Результаты расчёта: точки A и B"), first, rows);
    DrawTable(flow, QCoreApplication::translate("Report", "Результаты расчёта: точки D и E"), second, rows);
    if (!k.table.HasAccelerations())
        return;
    std::vector<TableColumn> accelerations = leading;
    for (const auto& q : kPointAccelerationQuantities)
        accelerations.push_back(QuantityColumn(q, k.table.accelerations));
    DrawTable(flow, QCoreApplication::translate("Report", "Результаты расчёта (продолжение)"), accelerations, rows);
}

// The charts of `charts`, two to a row, each at the report's chart size.
void DrawChartGrid(PageFlow& flow, const std::vector<TChart*>& charts)
{
    const double gap = 8;
    constexpr int kChartColumns = 2;
    const double cellWidth = (flow.Width() - gap) / kChartColumns;
    int column = 0;
    double rowHeight = 0;
    for (TChart* chart : charts) {
        const QSize size = chart->size();
        const double height = cellWidth * size.height() / std::max(1, size.width());
        if (column == 0)
            flow.Ensure(height);
        const QRectF box(column * (cellWidth + gap), flow.Y(), cellWidth, height);
        DrawFitted(flow.Painter(), box, size, [&](QPainter& p) { PaintChart(*chart, p, size); });
        rowHeight = std::max(rowHeight, height);
        if (++column == kChartColumns) {
            flow.Advance(rowHeight + gap);
            column = 0;
            rowHeight = 0;
        }
    }
    flow.Advance(rowHeight + kSectionGap);
}

void DrawCharts(PageFlow& flow, const ReportInput& input)
{
    flow.NewPage();
    flow.Paragraph(QCoreApplication::translate("Report", "Диаграммы"), Font(kTextFamily, kPixels.heading, true), 6);
    std::vector<TChart*> charts;
    for (TChart* chart : input.charts)
        if (chart)
            charts.push_back(chart);
    DrawChartGrid(flow, charts);
}

void DrawDrawings(PageFlow& flow, const ReportInput& input)
{
    const KinematicsResult& k = input.result->Kinematics();
    const int rows = k.diagrams.Rows();
    if (rows == 0 || input.drawnPosition < 0 || input.drawnPosition >= rows)
        return;
    const QSizeF plan(kVelocityPlanWidth, kDrawingHeight);
    const QSizeF mechanism(kMechanismPictureWidth, kDrawingHeight);
    const double totalWidth = plan.width() + mechanism.width();
    const double factor = std::min(1.5, flow.Width() / std::max(1.0, totalWidth));
    const double height = std::max(plan.height(), mechanism.height()) * factor;
    const QFont heading = Font(kTextFamily, kPixels.heading, true);
    flow.Ensure(height + 3 * QFontMetricsF(heading, flow.Painter().device()).height());
    const int degrees = input.drawnPosition * (360 / kDiagramPositionCount);
    flow.Paragraph(QCoreApplication::translate("Report", "План скоростей и положение механизма (положение %1, угол поворота кривошипа %2°)")
                       .arg(input.drawnPosition)
                       .arg(degrees),
                   heading, 6);
    // The window's two pictures painted again as vectors, their origin at the picture's centre.
    QPainter& painter = flow.Painter();
    const QRectF planBox(0, flow.Y(), plan.width() * factor, plan.height() * factor);
    DrawFitted(painter, planBox, plan, [&](QPainter& p) {
        p.translate(kVelocityPlanWidth / 2, kDrawingHeight / 2);
        PaintVelocityPlanPicture(p, *input.result, input.drawnPosition, input.planScale);
    });
    painter.drawRect(planBox);
    const QRectF mechanismBox(planBox.right(), flow.Y(), mechanism.width() * factor, mechanism.height() * factor);
    DrawFitted(painter, mechanismBox, mechanism, [&](QPainter& p) {
        p.translate(kMechanismPictureWidth / 2, kDrawingHeight / 2);
        PaintMechanismPicture(p, *input.result, input.drawnPosition, input.positionScale);
    });
    painter.drawRect(mechanismBox);
    flow.Advance(height + 4);
    flow.Paragraph(QCoreApplication::translate("Report", "Слева — план скоростей, справа — механизм в этом положении с траекториями точек."),
                   Font(kTextFamily, kPixels.text), kSectionGap);
}

// The pixels per unit at which a plan of `points` fills `size` (less the scale bar) with a margin:
// one over the smallest round factor that fits.
double FittedScale(const std::vector<PlanVector>& points, QSize size)
{
    return FittingPlanScale(points, PlanArea(size).size(), kPlanMargin);
}

// The acceleration plan, the force plan of the group 2-3 and the lever of each chosen position.
void DrawChosenPlans(PageFlow& flow, const ReportInput& input)
{
    const CalculationResult& r = *input.result;
    const KinematicsResult& k = r.Kinematics();
    if (!k.diagrams.HasAccelerations())
        return;
    const std::pair<int, int> chosen = ChosenPositions(r, input.planPositions);
    const QFont heading = Font(kTextFamily, kPixels.heading, true);
    const QFont text = Font(kTextFamily, kPixels.text);
    const QSize picture(335, 340);
    const bool forces = r.forces.computed;
    const int count = forces ? 3 : 1;
    const double gap = 8;
    const double width = (flow.Width() - gap * (count - 1)) / count;
    const double factor = width / picture.width();
    const double height = picture.height() * factor;
    flow.NewPage();
    flow.Paragraph(QCoreApplication::translate("Report", "Планы выбранных положений"), heading, 6);
    for (const int n : {chosen.first, chosen.second}) {
        const SchemePosition position = SchemePositionOf(r, n);
        if (!position.HasAccelerations())
            continue;
        const AccelerationArrays& a = position.solve->accelerations;
        const std::size_t at = position.row;
        const PositionForces* detail = forces ? position.Forces() : nullptr;
        flow.Ensure(height + 3 * QFontMetricsF(heading, flow.Painter().device()).height());
        QString title = QCoreApplication::translate("Report", "Положение %1 (φ = %2°)").arg(n).arg(DegreesText(position));
        if (detail)
            title += detail->Working ? QCoreApplication::translate("Report", ", рабочий ход") : QCoreApplication::translate("Report", ", холостой ход");
        flow.Paragraph(title, heading, 4);
        QPainter& painter = flow.Painter();
        const AccelerationPlan plan = AccelerationPlanAt(a, at, r.input.loads.Omega1);
        const std::vector<PlanVector> points{plan.a, plan.b, plan.d, plan.e, plan.a + plan.nBA, plan.nBC, plan.d + plan.nED};
        const QRectF first(0, flow.Y(), width, height);
        DrawFitted(painter, first, picture, [&](QPainter& p) {
            p.fillRect(QRect(QPoint(0, 0), picture), Qt::white);
            PaintAccelerationPlan(p, picture, plan, FittedScale(points, picture));
        });
        painter.drawRect(first);
        if (detail) {
            const ForcePlan group = GroupPlan(*detail, a.Theta2[at], a.Theta3[at]);
            const QRectF second(width + gap, flow.Y(), width, height);
            DrawFitted(painter, second, picture, [&](QPainter& p) {
                p.fillRect(QRect(QPoint(0, 0), picture), Qt::white);
                PaintForcePlan(p, picture, group, FittedScale(ChainPoints(group), picture));
            });
            painter.drawRect(second);
            // The lever in millimetres of its own little sheet, painted into the third box.
            const QRectF third(2 * (width + gap), flow.Y(), width, height);
            constexpr double kLeverMm = 90;
            SheetDrawing lever(kLeverMm, kLeverMm * height / width);
            DrawLever(lever, {0, 0, lever.Width(), lever.Height()}, r, position, 2.5, nullptr);
            painter.save();
            painter.translate(third.topLeft());
            painter.scale(width / lever.Width(), width / lever.Width());
            PaintSheet(painter, lever);
            painter.restore();
            painter.drawRect(third);
        }
        flow.Advance(height + 4);
    }
    flow.Paragraph(forces ? QCoreApplication::translate("Report", "Слева — план ускорений, в середине — план сил группы 2–3, справа — рычаг "
                                           "Жуковского; масштабы подписаны на рисунках.")
                          : QCoreApplication::translate("Report", "План ускорений; масштаб подписан на рисунке."),
                   text, kSectionGap);
}

// The first page: the university, the work, who made it and for whom, the variant and the date.
void DrawTitlePage(PageFlow& flow, const ReportInput& input, const QDate& date)
{
    const ReportTitle& t = input.title;
    const QFont text = Font(kTextFamily, kPixels.text + 2);
    const QFont title = Font(kTextFamily, kPixels.title + 4, true);
    const auto blank = [](const QString& s) { return s.isEmpty() ? QStringLiteral("________________________") : s; };
    QPainter& painter = flow.Painter();
    painter.setFont(text);
    painter.drawText(QRectF(0, 0, flow.Width(), 60), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     t.university.isEmpty() ? QCoreApplication::translate("Report", "Учебное заведение: ________________________")
                                            : t.university);
    painter.setFont(title);
    painter.drawText(QRectF(0, 260, flow.Width(), 120), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QCoreApplication::translate("Report", "Курсовой проект по теории механизмов и машин\n\n") + QCoreApplication::translate("Report", kReportTitle));
    painter.setFont(text);
    const Mechanism& m = input.result->Kinematics().solved;
    const QString variant = (t.variant.isEmpty() ? QString() : t.variant + QStringLiteral(": "))
                            + QCoreApplication::translate("Report", "Loa = %1 м, Lab = %2 м, Lbc = %3 м, Lde = %4 м, Loc = %5 м")
                                  .arg(Number(m.Loa), Number(m.Lab), Number(m.Lbc), Number(m.Lde), Number(m.Loc));
    const QString lines[] = {
        QCoreApplication::translate("Report", "Вариант: ") + variant,
        QCoreApplication::translate("Report", "Выполнил: ") + blank(t.student),
        QCoreApplication::translate("Report", "Группа: ") + blank(t.group),
        QCoreApplication::translate("Report", "Проверил: ") + blank(t.teacher),
        QCoreApplication::translate("Report", "Дата: ") + date.toString(QStringLiteral("dd.MM.yyyy")),
    };
    double y = 520;
    for (const QString& line : lines) {
        const QRectF box(flow.Width() * 0.35, y, flow.Width() * 0.65, 1e4);
        const QRectF needed = painter.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, line);
        painter.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, line);
        y += needed.height() + 12;
    }
    flow.NewPage();
}

QString YesNo(bool value)
{
    return value ? QCoreApplication::translate("Report", "учитывается") : QCoreApplication::translate("Report", "не учитывается");
}

void DrawForceSection(PageFlow& flow, const CalculationResult& r)
{
    const ForceResult& forces = r.forces;
    if (!forces.computed && forces.error.empty())
        return;
    const QFont heading = Font(kTextFamily, kPixels.heading, true);
    const QFont text = Font(kTextFamily, kPixels.text);
    flow.Ensure(QFontMetricsF(heading, flow.Painter().device()).height() * 8);
    flow.Paragraph(QCoreApplication::translate("Report", "Силовой анализ"), heading);
    if (!forces.computed) {
        flow.Paragraph(QCoreApplication::translate("Report", "Силовой анализ не выполнен: %1").arg(QString::fromStdString(forces.error)), text,
                       kSectionGap);
        return;
    }
    const ForceParameters& p = forces.loads;
    const QStringList model = {
        QCoreApplication::translate("Report", "Масса каждого стержня равна q·l при q = %1 кг/м; центр масс — в середине звена "
                       "(у шатуна — точка D), момент инерции m·l²/12.")
            .arg(Number(p.LinearMass)),
        QCoreApplication::translate("Report", "Масса ползуна E: m5 = %1 кг.").arg(Number(p.SliderMass)),
        r.Kinematics().TurningCharacteristics()
            ? QCoreApplication::translate("Report", "Сила полезного сопротивления Fс = %1 Н действует на ползун против его скорости на "
                             "рабочем ходе и равна нулю на холостом.")
                  .arg(Number(p.Resistance))
            : QCoreApplication::translate("Report", "Сила полезного сопротивления не приложена (Fс = 0): кривошип не проворачивается на "
                             "полный оборот, поэтому рабочий ход ползуна не определён."),
        QCoreApplication::translate("Report", "Сила тяжести (g = 9,81 м/с²) %1; трения нет.").arg(YesNo(p.Gravity)),
        QCoreApplication::translate("Report", "Кривошип вращается против часовой стрелки с постоянной угловой скоростью ω1 = %1 рад/с.")
            .arg(Number(p.Omega1)),
        QCoreApplication::translate("Report", "Уравновешивающий момент Mб найден дважды: кинетостатикой по группам Ассура и по рычагу "
                       "Жуковского (балансу мощностей)."),
        QCoreApplication::translate("Report", "Наибольшая разность Mб двух методов: %1 Н·м.").arg(Number(forces.largestDifference)),
    };
    for (const QString& line : model)
        flow.Paragraph(line, text, 2);
    flow.Advance(kSectionGap);

    const int rows = static_cast<int>(forces.table.Size());
    std::vector<TableColumn> columns = LeadingColumns(r.Kinematics().solved.PositionCount);
    for (std::size_t q = 0; q < 2; ++q)  // the two balancing torques
        columns.push_back(QuantityColumn(kForceQuantities[q], forces.table));
    DrawTable(flow, QCoreApplication::translate("Report", "Уравновешивающий момент по положениям"), columns, rows);

    if (forces.diagrams.Size() == 0)
        return;
    std::unique_ptr<TChart> chart = MakeForceChart();
    FillForceChart(*chart, forces.diagrams);
    const QSize size(kReportChartWidth, kReportChartHeight);
    chart->resize(size);
    const double width = flow.Width() * 0.75;
    const double height = width * size.height() / size.width();
    flow.Ensure(height + 2 * QFontMetricsF(text, flow.Painter().device()).height());
    const QRectF box((flow.Width() - width) / 2, flow.Y(), width, height);
    DrawFitted(flow.Painter(), box, size, [&](QPainter& painter) { PaintChart(*chart, painter, size); });
    flow.Advance(height + 4);
    flow.Paragraph(QCoreApplication::translate("Report", "Mб по группам Ассура (широкая красная линия) и по рычагу Жуковского (узкая "
                                  "синяя) при 180 положениях кривошипа: кривые должны совпадать."),
                   text, kSectionGap);
}

void DrawDynamicsSection(PageFlow& flow, const CalculationResult& r)
{
    const DynamicsPart& dynamics = r.dynamics;
    const QFont heading = Font(kTextFamily, kPixels.heading, true);
    const QFont text = Font(kTextFamily, kPixels.text);
    flow.Ensure(QFontMetricsF(heading, flow.Painter().device()).height() * 8);
    flow.Paragraph(QCoreApplication::translate("Report", "Динамический анализ"), heading);
    if (!dynamics.Computed()) {
        flow.Paragraph(QString::fromStdString(dynamics.Reason()), text, kSectionGap);
        return;
    }
    const DynamicsResult& d = dynamics.curves;
    flow.Paragraph(QCoreApplication::translate("Report", "Нагрузки — те же, что в силовом анализе; средняя угловая скорость кривошипа "
                                  "ωср = %1 рад/с, коэффициент неравномерности δ = %2. Jпр и Mпр приведены к "
                                  "кривошипу, Mд = −(1/2π)∫Mпр dφ, ΔT = Aд + Aс.")
                       .arg(Number(d.OmegaMean), Number(d.Delta)),
                   text, 4);
    for (const DynamicsFigure& figure : DynamicsFigures(d))
        flow.Paragraph(figure.caption.trimmed() + QStringLiteral(": ") + figure.value, text, 2);
    flow.Advance(kSectionGap);

    std::vector<std::unique_ptr<TChart>> owned;
    std::vector<TChart*> charts;
    for (int number = 1; number <= kDynamicsChartCount; ++number) {
        owned.push_back(MakeDynamicsChart(number));
        owned.back()->resize(kReportChartWidth, kReportChartHeight);
        FillDynamicsChart(*owned.back(), number, d);
        charts.push_back(owned.back().get());
    }
    DrawChartGrid(flow, charts);

    const int rows = static_cast<int>(dynamics.table.Size());
    std::vector<TableColumn> columns = LeadingColumns(r.Kinematics().solved.PositionCount);
    for (const auto& q : kDynamicsQuantities)
        columns.push_back(QuantityColumn(q, dynamics.table));
    DrawTable(flow, QCoreApplication::translate("Report", "Динамика по положениям"), columns, rows);
}

// What kept a later quantity from the report.
void DrawLaterFaults(PageFlow& flow, const KinematicsResult& k)
{
    if (!k.table.accelerationsError.empty())
        DrawSection(flow, QCoreApplication::translate("Report", "Ускорения"),
                    {QCoreApplication::translate("Report", "Ускорения не рассчитаны: %1").arg(QString::fromStdString(k.table.accelerationsError))});
}

QStringList TextLines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out;
}

// The structural analysis, the scheme of its groups and Grashof's check of the lengths solved.
void DrawStructureSection(PageFlow& flow, const ReportInput& input)
{
    DrawSection(flow, QCoreApplication::translate("Report", "Структурный анализ"), TextLines(StructureTextLines(AnalyseMechanismStructure())));
    const QSizeF size = input.structureSchemeSize;
    if (input.structureScheme && size.width() > 0 && size.height() > 0) {
        const double height = flow.Width() * size.height() / size.width();
        flow.Ensure(height);
        input.structureScheme(flow.Painter(), QRectF(0, flow.Y(), flow.Width(), height));
        flow.Advance(height + kSectionGap);
    }
    const KinematicsResult& k = input.result->Kinematics();
    DrawSection(flow, QCoreApplication::translate("Report", "Проверка Грасгофа и проворачиваемость"),
                TextLines(FullTurnTextLines(JudgeFullTurn(k.solved, k.characteristics))));
}

// The worked solution of each chosen position of the table; one that cannot be made says why.
void DrawSolutionSections(PageFlow& flow, const ReportInput& input)
{
    for (int k : input.solutionPositions) {
        QStringList lines;
        try {
            lines = QString::fromStdString(WorkedSolutionText(WorkResultPosition(*input.result, ResultSolve::Table, k)))
                        .split(u'\n');
        } catch (const OrvekError& e) {
            lines = QStringList{QCoreApplication::translate("Report", "Ход решения не составлен: %1").arg(QString::fromStdString(e.what()))};
        }
        while (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        const QString title = lines.isEmpty() ? QString() : lines.takeFirst();
        DrawSection(flow, title.isEmpty() ? QCoreApplication::translate("Report", "Ход решения") : title, lines);
    }
}

}  // namespace

int ReportTableStep(int rows)
{
    return rows <= kLongestReportTable ? 1 : (rows + kLongestReportTable - 1) / kLongestReportTable;
}

QString TableCellText(double value)
{
    constexpr int kTableDecimals = 3;  // the window's table rounds positive values so
    return Number(RoundDecimals(kTableDecimals, value));
}

int PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReportInput& input)
{
    const CalculationResult& r = *input.result;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);
    PageFlow flow(painter, device);
    constexpr int kSections = 4;
    flow.SetProgress(&input.progress, kSections);
    const QDate date = input.date.isValid() ? input.date : QDate::currentDate();
    DrawTitlePage(flow, input, date);
    DrawInputSection(flow, r, date);
    // The mechanism's characteristics belong next to the input; later quantities follow the table.
    DrawCharacteristics(flow, r.Kinematics(), r.input.loads.Omega1);
    flow.SectionDone();
    DrawTables(flow, r.Kinematics());
    flow.SectionDone();
    DrawCharts(flow, input);
    DrawDrawings(flow, input);
    DrawChosenPlans(flow, input);
    DrawLaterFaults(flow, r.Kinematics());
    flow.SectionDone();
    DrawForceSection(flow, r);
    DrawDynamicsSection(flow, r);
    DrawStructureSection(flow, input);
    DrawSolutionSections(flow, input);
    flow.Finish();
    flow.SectionDone();
    return flow.Page();
}

FileWriter ReportPdfWriter(const ReportInput& input, int* pages)
{
    return [&input, pages](QIODevice& device, QString& reason) {
        QPdfWriter writer(&device);
        writer.setResolution(static_cast<int>(kLayoutDpi));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(QCoreApplication::translate("Report", kReportTitle));
        writer.setCreator(QStringLiteral("Orvek"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            reason = QCoreApplication::translate("Report", "не удалось начать документ PDF.");
            return false;
        }
        int count = 0;
        try {
            count = PaintReport(painter, writer, input);
        } catch (const ComputationCancelled&) {
            painter.end();
            reason = QCoreApplication::translate("Report", "запись отменена.");
            return false;
        }
        if (!painter.end()) {
            reason = QCoreApplication::translate("Report", "не удалось завершить документ PDF.");
            return false;
        }
        if (pages)
            *pages = count;
        return true;
    };
}

bool WriteReportPdf(const ReportInput& input, const QString& path, QString& error, int* pages)
{
    return WriteFileAtomically(path, ReportPdfWriter(input, pages), error);
}
