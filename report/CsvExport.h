#pragma once
// The results table as CSV text for spreadsheets used with a Russian locale: UTF-8 with a
// byte-order mark, ";" between fields, CRLF line ends, numbers in the general number text with
// the decimal comma, unrounded.

#include "report/Calculation.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct CsvColumn {
    QString header;
    std::vector<double> values;
};

// The header of the fixed columns, byte for byte.
QString ResultsCsvHeader();

// k, the crank angle in degrees, the 14 quantities of the final solve, then the snapshot's extra
// column groups, then the force analysis. Only the rows the final solve reached.
std::vector<CsvColumn> ResultsCsvColumns(const CalculationSnapshot& snapshot);

// The whole file: BOM, header line and `rows` value lines (a column shorter than that leaves its
// cells empty).
QByteArray CsvText(const std::vector<CsvColumn>& columns, int rows);

// One CSV line of texts (fields holding ";" or quotes are quoted), without the line end.
QString CsvLine(const QStringList& fields);

// Writes the CSV of `snapshot` to `path` atomically; false with a message naming the file.
bool WriteResultsCsv(const CalculationSnapshot& snapshot, const QString& path, QString& error);
