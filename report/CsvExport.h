#pragma once
// The results table as CSV text for spreadsheets used with a Russian locale: UTF-8 with a
// byte-order mark, ";" between fields, CRLF line ends, numbers in the general number text with
// the decimal comma, unrounded.

#include "kinematics/Calculation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

struct CsvColumn {
    QString header;
    std::vector<double> values;
};

// The header of the fixed columns, byte for byte: "k;φ, °;Xa, м;…;Ve, м/с".
QString ResultsCsvHeader();

// The columns of a result, one group after the other, only the rows the final solve reached:
// k, the crank angle in degrees and the table's 14 quantities; the point accelerations (for
// ω1 = 1, as the table's velocities) when they were computed; the force analysis for the
// result's loads when it was computed; Jпр, Mпр, ΔT and ω1 of the dynamics when they were
// computed. A later part of the result adds its group here.
std::vector<CsvColumn> ResultsCsvColumns(const CalculationResult& result);

// The whole file: BOM, header line and `rows` value lines (a column shorter than that leaves its
// cells empty).
QByteArray CsvText(const std::vector<CsvColumn>& columns, int rows);

// One CSV line of texts (fields holding ";" or quotes are quoted), without the line end.
QString CsvLine(const QStringList& fields);

// Writes the CSV of `result` to `path` atomically; false with a message naming the file.
bool WriteResultsCsv(const CalculationResult& result, const QString& path, QString& error);
