#pragma once
// A text cell of a CSV file that a spreadsheet opens: one beginning with "=", "+", "-", "@", a
// tab or a carriage return would be taken for a formula, so it gets a leading apostrophe and
// stays text. Numbers written by the program's number text are not passed through here.

#include <QString>

QString SpreadsheetTextCell(const QString& text);
