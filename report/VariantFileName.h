#pragma once
// A variant's name made safe as the name of its files. Needs Qt Core only.

#include <QString>

// The longest name in UTF-8 bytes: the file system's 255 less room for "_NN" and ".csv".
constexpr int kLongestFileNameBytes = 240;

// No folder separators, no characters that file systems refuse, no control characters, no
// leading or trailing blanks and dots, at most kLongestFileNameBytes bytes of UTF-8 cut at a
// character boundary, never empty ("Вариант_<row>").
QString SafeFileName(const QString& name, int row);
