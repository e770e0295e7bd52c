#pragma once
// Texts that came from a user (a variant's name, a cell as typed) made safe for a spreadsheet
// and for a terminal. Needs Qt Core only.

#include <QString>

// `text` with every control character (C0, DEL, C1; NUL, escape, line breaks and tabs included)
// replaced by U+FFFD, so no terminal escape sequence and no line break can come through.
QString WithoutControlCharacters(const QString& text);

// A text cell of a CSV file that a spreadsheet will not take for a formula: control characters
// replaced as above, and a cell beginning with "=", "+", "-", "@", a tab or a CR gets a leading
// apostrophe. Every writer of a text cell a user gave goes through this one function.
QString SpreadsheetTextCell(const QString& text);
