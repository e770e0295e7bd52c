#pragma once
// The results table as CSV text for spreadsheets used with a Russian locale: UTF-8 with a
// byte-order mark, ";" between fields, CRLF line ends, numbers in the general number text with
// the decimal comma, unrounded. A block of "Параметр;Значение" lines (the mechanism as solved,
// N, the speed and the loads) and an empty line come before the table's header.

#include "kinematics/Calculation.h"
#include "report/AtomicWrite.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

struct CsvColumn {
    QString header;
    std::vector<double> values;                   // the column's own values, unless `source` is set
    const std::vector<double>* source = nullptr;  // the first `count` values of a result's array
    std::size_t count = 0;

    std::size_t Size() const { return source ? count : values.size(); }
    double At(std::size_t row) const { return source ? (*source)[row] : values[row]; }
    std::vector<double> Values() const;           // a copy of what the column holds
};

// One line of the conditions' block: what the table's numbers were computed for.
struct CsvCondition {
    QString name;
    QString value;
};

// The header of the fixed columns, byte for byte: "k;φ, °;Xa, м;…;Ve, м/с".
QString ResultsCsvHeader();

// The columns of a result, one group after the other, only the rows the final solve reached:
// k, the crank angle in degrees and the table's 14 quantities; the point accelerations and the
// links' ω and ε (for ω1 = 1, as the table's velocities) when they were computed; the force
// analysis for the result's loads, magnitudes and then components, when it was computed; Jпр,
// Mпр, ΔT and ω1 of the dynamics when they were computed. A later part of the result adds its
// group here. The columns read the result's arrays, which must outlive them.
std::vector<CsvColumn> ResultsCsvColumns(const CalculationResult& result);
std::vector<CsvColumn> ResultsCsvColumns(CalculationResult&&) = delete;  // would dangle at once

// The lengths as solved, whether the study's Lbc was adopted, N, ω1 and the loads.
std::vector<CsvCondition> ResultsCsvConditions(const CalculationResult& result);

// Writes the file row by row: BOM, the conditions' block (none when empty), the header line and
// `rows` value lines (a column shorter than that leaves its cells empty). False when the device
// did not take every byte.
bool WriteCsv(QIODevice& device, const std::vector<CsvCondition>& conditions, const std::vector<CsvColumn>& columns,
              int rows);

// The bytes WriteCsv writes.
QByteArray CsvText(const std::vector<CsvCondition>& conditions, const std::vector<CsvColumn>& columns, int rows);
QByteArray CsvText(const std::vector<CsvColumn>& columns, int rows);
// The whole file of a result, as WriteResultsCsv writes it.
QByteArray ResultsCsvText(const CalculationResult& result);

// One CSV line of texts (fields holding ";", quotes or line breaks are quoted), without the line end.
QString CsvLine(const QStringList& fields);

// The writer of a result's CSV, for WriteFileAtomically or WriteFilesTogether; `result` must
// outlive it.
FileWriter ResultsCsvWriter(const CalculationResult& result);

// Writes the CSV of `result` to `path` atomically; false with a message naming the file.
bool WriteResultsCsv(const CalculationResult& result, const QString& path, QString& error);
