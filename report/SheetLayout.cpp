#include "report/SheetLayout.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

constexpr double kBindingMargin = 20;
constexpr double kMargin = 5;

// The title block's columns (mm from its left edge) and rows (from its bottom), as a drawing's
// main inscription divides them: people on the left, the work in the middle, the sheet's data
// on the right.
constexpr double kNamesColumn = 0;       // "Разраб.", "Пров.", ...
constexpr double kPeopleColumn = 20;     // their names
constexpr double kDateColumn = 55;       // where the names end
constexpr double kWorkColumn = 65;       // the work's name
constexpr double kDataColumn = 135;      // sheet, sheets, group
constexpr double kRow = 5;               // one line of the left part
constexpr double kSmall = 2.5;           // letter heights in the title block
constexpr double kLarge = 3.5;

QString Shorten(const QString& text, int length)
{
    return text.size() <= length ? text : text.left(length - 1) + QStringLiteral("…");
}

}  // namespace

std::optional<SheetFormat> SheetFormatNamed(const QString& name)
{
    QString n = name.trimmed().toUpper();
    if (!n.isEmpty() && n.front() == QChar(0x0410))  // Cyrillic А
        n.front() = u'A';
    for (const SheetFormat f : {SheetFormat::A1, SheetFormat::A2, SheetFormat::A3, SheetFormat::A4})
        if (n == SheetFormatName(f))
            return f;
    return std::nullopt;
}

QString SheetFormatName(SheetFormat format)
{
    switch (format) {
    case SheetFormat::A1: return QStringLiteral("A1");
    case SheetFormat::A2: return QStringLiteral("A2");
    case SheetFormat::A3: return QStringLiteral("A3");
    case SheetFormat::A4: return QStringLiteral("A4");
    }
    return QStringLiteral("A1");
}

SheetSizeMm SheetSizeOf(SheetFormat format)
{
    switch (format) {
    case SheetFormat::A1: return {841, 594};
    case SheetFormat::A2: return {594, 420};
    case SheetFormat::A3: return {420, 297};
    case SheetFormat::A4: return {210, 297};
    }
    return {841, 594};
}

double SheetTextHeight(SheetFormat format)
{
    switch (format) {
    case SheetFormat::A1: return 5;
    case SheetFormat::A2: return 3.5;
    case SheetFormat::A3: return 2.5;
    case SheetFormat::A4: return 2;
    }
    return 3.5;
}

SheetField FrameInside(SheetFormat format)
{
    const SheetSizeMm size = SheetSizeOf(format);
    return {kBindingMargin, kMargin, size.width - kBindingMargin - kMargin, size.height - 2 * kMargin};
}

SheetDrawing StartSheet(SheetFormat format)
{
    const SheetSizeMm size = SheetSizeOf(format);
    SheetDrawing sheet(size.width, size.height);
    const SheetField frame = FrameInside(format);
    sheet.Rectangle(SheetLayer::Contour, {frame.x, frame.y}, frame.width, frame.height);
    return sheet;
}

void DrawTitleBlock(SheetDrawing& sheet, SheetFormat format, const TitleBlock& block)
{
    const SheetField frame = FrameInside(format);

    // The title block: its outline and main lines in contour, the rows of the people thin.
    const SheetPoint o{frame.Right() - kTitleBlockWidth, frame.y};
    const auto at = [o](double x, double y) { return o + SheetPoint{x, y}; };
    sheet.Rectangle(SheetLayer::Contour, o, kTitleBlockWidth, kTitleBlockHeight);
    sheet.Line(SheetLayer::Contour, at(kWorkColumn, 0), at(kWorkColumn, kTitleBlockHeight));
    sheet.Line(SheetLayer::Contour, at(kDataColumn, 0), at(kDataColumn, kTitleBlockHeight));
    sheet.Line(SheetLayer::Contour, at(kWorkColumn, 40), at(kTitleBlockWidth, 40));
    sheet.Line(SheetLayer::Contour, at(kWorkColumn, 15), at(kTitleBlockWidth, 15));
    sheet.Line(SheetLayer::Contour, at(kPeopleColumn, 0), at(kPeopleColumn, kTitleBlockHeight));
    sheet.Line(SheetLayer::Contour, at(kDateColumn, 0), at(kDateColumn, kTitleBlockHeight));
    for (double y = kRow; y < kTitleBlockHeight; y += kRow)
        sheet.Line(SheetLayer::Thin, at(0, y), at(kWorkColumn, y));
    sheet.Line(SheetLayer::Thin, at(kDataColumn, 30), at(kTitleBlockWidth, 30));
    sheet.Line(SheetLayer::Thin, at(160, 30), at(160, 40));

    const auto text = [&](double x, double y, const QString& t, double h = kSmall, TextAlign a = TextAlign::Left) {
        sheet.Text(at(x, y), h, t, a);
    };
    // The left part, from the top: the rows of the people.
    const std::pair<const char*, QString> people[] = {
        {QT_TRANSLATE_NOOP("Report", "Разраб."), block.people.student}, {QT_TRANSLATE_NOOP("Report", "Пров."), block.people.teacher}, {QT_TRANSLATE_NOOP("Report", "Группа"), block.people.group},
    };
    double y = kTitleBlockHeight - kRow + 1.2;
    for (const auto& [caption, name] : people) {
        text(kNamesColumn + 1, y, QCoreApplication::translate("Report", caption));
        text(kPeopleColumn + 1, y, Shorten(name, 18));
        y -= kRow;
    }
    text(kNamesColumn + 1, y, QCoreApplication::translate("Report", "Дата"));
    text(kPeopleColumn + 1, y, block.date);
    // The scales, one a row, under the people.
    y -= kRow;
    text(kNamesColumn + 1, y, QCoreApplication::translate("Report", "Масштабы:"));
    for (const QString& scale : block.scales) {
        y -= kRow;
        if (y < 0.5)
            break;
        text(kNamesColumn + 1, y, Shorten(scale, 34), 2);
    }

    // The middle: the work above, the sheet's subject, the variant below.
    text((kWorkColumn + kDataColumn) / 2, 46, Shorten(block.work, 40), kSmall, TextAlign::Centre);
    text((kWorkColumn + kDataColumn) / 2, 26, Shorten(block.sheetTitle, 28), kLarge, TextAlign::Centre);
    const QStringList variant = block.variant.split(u'\n');
    double vy = 10;
    for (const QString& line : variant) {
        text(kWorkColumn + 2, vy, Shorten(line, 40), 2);
        vy -= 4;
    }
    // The right: sheet and sheets, the course.
    text(kDataColumn + 2, 36, QCoreApplication::translate("Report", "Лист"));
    text(kDataColumn + 27, 36, QCoreApplication::translate("Report", "Листов"));
    text(kDataColumn + 12, 31.5, QString::number(block.sheet), kLarge, TextAlign::Centre);
    text(kDataColumn + 37, 31.5, QString::number(block.sheets), kLarge, TextAlign::Centre);
    text((kDataColumn + kTitleBlockWidth) / 2, 22, QCoreApplication::translate("Report", "Курсовой проект"), kSmall, TextAlign::Centre);
    text((kDataColumn + kTitleBlockWidth) / 2, 17, QCoreApplication::translate("Report", "по ТММ"), kSmall, TextAlign::Centre);
    text((kDataColumn + kTitleBlockWidth) / 2, 5, Shorten(block.people.group, 18), kLarge, TextAlign::Centre);
    text((kDataColumn + kTitleBlockWidth) / 2, 50, QCoreApplication::translate("Report", "Формат ") + SheetFormatName(format), kSmall,
         TextAlign::Centre);
}
