#pragma once
// The sheet's format, its frame and its title block, and the fields left for the pictures.
// A1, A2 and A3 lie landscape, A4 upright; the frame keeps 20 mm at the left for binding and
// 5 mm elsewhere; the title block (185 x 55 mm) sits in the frame's lower-right corner.

#include "report/SheetDrawing.h"

#include <QString>
#include <QStringList>

#include <optional>

enum class SheetFormat { A1, A2, A3, A4 };

// "A1" .. "A4" (Latin or Cyrillic A, any case); none for anything else.
std::optional<SheetFormat> SheetFormatNamed(const QString& name);
QString SheetFormatName(SheetFormat format);

struct SheetSizeMm {
    double width = 0;
    double height = 0;
};
SheetSizeMm SheetSizeOf(SheetFormat format);

// Who made the sheets and for what: the title block's texts.
struct SheetPeople {
    QString student;
    QString group;
    QString teacher;
};

struct TitleBlock {
    QString work;          // the name of the work
    QString sheetTitle;    // "Кинематический анализ" ...
    QString variant;       // the variant's name and lengths
    QStringList scales;    // every factor of the sheet's pictures
    SheetPeople people;
    int sheet = 1;
    int sheets = 1;
    QString date;          // dd.MM.yyyy
};

// A rectangle of the sheet in mm, (x, y) its lower-left corner.
struct SheetField {
    double x = 0, y = 0, width = 0, height = 0;
    SheetPoint Centre() const { return {x + width / 2, y + height / 2}; }
    double Right() const { return x + width; }
    double Top() const { return y + height; }
};

constexpr double kTitleBlockWidth = 185;
constexpr double kTitleBlockHeight = 55;

// Letter heights on a sheet of this format: captions and numbers.
double SheetTextHeight(SheetFormat format);

// A new sheet of `format` with its frame drawn.
SheetDrawing StartSheet(SheetFormat format);
// The title block in the frame's lower-right corner.
void DrawTitleBlock(SheetDrawing& sheet, SheetFormat format, const TitleBlock& block);

// Inside the frame, all of it (the title block's corner included).
SheetField FrameInside(SheetFormat format);
