#pragma once
// A sheet's drawing list as an ASCII DXF file (AutoCAD 2000 format, units mm): one layer per kind
// of line (contour, thin, axis, text, dimension) and LINE, CIRCLE, ARC, TEXT and LWPOLYLINE
// entities. Letters beyond ASCII are written as \U+XXXX, so the file is plain ASCII.

#include "report/SheetDrawing.h"

#include <QByteArray>
#include <QString>

// The whole file.
QByteArray SheetDxf(const SheetDrawing& sheet);

bool WriteSheetDxf(const SheetDrawing& sheet, const QString& path, QString& error);

// A text in the DXF's escapes: ASCII stays, every other character becomes \U+XXXX.
QByteArray DxfText(const QString& text);
