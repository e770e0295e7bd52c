#pragma once
// The table of a group's variants that the batch mode reads: a header line and one record per
// variant, as a spreadsheet saves it in any of its usual dialects.
//
//   - UTF-8, with or without the byte-order mark; UTF-16 (LE or BE) with its byte-order mark;
//   - records end at CRLF, LF or CR (a line that holds nothing but blanks is no record);
//   - fields are separated by ";", a tab or "," -- the first of these the header line holds, in
//     that order;
//   - a field that starts (after blanks) with a double quote runs to the closing quote, with ""
//     for a quote inside; it may hold separators and line breaks. Quotes are read before lines,
//     so a quoted line break stays inside its field. Text after the closing quote is kept.
// Numbers stay text: a decimal comma needs quotes in a ","-separated table, a point never does.
// Needs Qt Core only.

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

struct VariantRecord {
    int line = 0;        // the line of the file the record starts on, 1 for the first
    QStringList fields;
};

struct VariantTable {
    QChar separator;
    VariantRecord header;
    QList<VariantRecord> records;  // after the header, in file order
    QString encoding;    // as found, for the messages: "UTF-8", "UTF-16 LE", "UTF-8 с ошибками", ...
    QString lineEnds;    // the kinds of line end found: "CR LF", "LF, CR", "нет"

    // The column whose header reads `name` (blanks around it ignored, any letter case); -1 when none.
    int Column(const QString& name) const;
};

// Reads `bytes`; false when they hold no record at all (nothing, or only blanks and line breaks).
bool ParseVariantTable(const QByteArray& bytes, VariantTable& table);
