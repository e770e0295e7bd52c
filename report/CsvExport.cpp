#include "report/CsvExport.h"

#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "report/AtomicWrite.h"

#include <QIODevice>

#include <algorithm>

namespace {

const char* const kLineEnd = "\r\n";
const char kByteOrderMark[] = "\xEF\xBB\xBF";

QString Header(const Quantity& q)
{
    return QString::fromStdString(QuantityHeader(q));
}

// The first `rows` values of each quantity's array in `arrays`.
template <class Arrays, std::size_t Count>
void AddGroup(std::vector<CsvColumn>& columns, const std::array<ArrayQuantity<Arrays>, Count>& quantities,
              const Arrays& arrays, std::size_t rows)
{
    for (const ArrayQuantity<Arrays>& q : quantities) {
        const std::vector<double>& source = arrays.*q.values;
        const std::size_t n = std::min(rows, source.size());
        columns.push_back({Header(q.quantity), std::vector<double>(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(n))});
    }
}

}  // namespace

QString ResultsCsvHeader()
{
    QStringList fields{Header(kPositionNumber), Header(kCrankAngleDegrees)};
    for (const auto& q : kTableQuantities)
        fields << Header(q.quantity);
    return fields.join(u';');
}

std::vector<CsvColumn> ResultsCsvColumns(const CalculationResult& result)
{
    const KinematicsResult& k = result.Kinematics();
    const int n = k.solved.PositionCount;
    const auto rows = static_cast<std::size_t>(k.table.Rows());
    std::vector<CsvColumn> columns;
    CsvColumn number{Header(kPositionNumber), {}};
    CsvColumn angle{Header(kCrankAngleDegrees), {}};
    for (std::size_t i = 0; i < rows; ++i) {
        number.values.push_back(static_cast<double>(i));
        // As the solver spaces the positions: (360/N)*k.
        angle.values.push_back((360.0 / n) * static_cast<double>(i));
    }
    columns.push_back(std::move(number));
    columns.push_back(std::move(angle));
    AddGroup(columns, kTableQuantities, k.table.positions, rows);
    if (k.table.HasAccelerations() && rows > 0)
        AddGroup(columns, kPointAccelerationQuantities, k.table.accelerations, rows);
    if (result.forces.computed)
        AddGroup(columns, kForceQuantities, result.forces.table, rows);
    if (result.dynamics.Computed() && result.dynamics.table.Size() > 0 && rows > 0) {
        for (std::size_t q = 0; q < kExportedDynamicsQuantities; ++q) {
            const std::vector<double>& source = result.dynamics.table.*kDynamicsQuantities[q].values;
            const std::size_t n = std::min(rows, source.size());
            columns.push_back({Header(kDynamicsQuantities[q].quantity),
                               std::vector<double>(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(n))});
        }
    }
    return columns;
}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) {
        if (field.contains(u';') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r')) {
            QString escaped = field;
            escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            quoted << u'"' + escaped + u'"';
        } else {
            quoted << field;
        }
    }
    return quoted.join(u';');
}

QByteArray CsvText(const std::vector<CsvColumn>& columns, int rows)
{
    QByteArray text(kByteOrderMark);
    QStringList header;
    for (const CsvColumn& column : columns)
        header << column.header;
    text += CsvLine(header).toUtf8();
    text += kLineEnd;
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0)
                line += ';';
            const std::vector<double>& values = columns[c].values;
            if (static_cast<std::size_t>(r) < values.size())
                line += FormatGeneral(values[static_cast<std::size_t>(r)]);
        }
        text += QByteArray::fromStdString(line);
        text += kLineEnd;
    }
    return text;
}

bool WriteResultsCsv(const CalculationResult& result, const QString& path, QString& error)
{
    const std::vector<CsvColumn> columns = ResultsCsvColumns(result);
    const QByteArray text = CsvText(columns, static_cast<int>(columns.front().values.size()));
    return WriteFileAtomically(path, [&text](QIODevice& device, QString&) {
        return device.write(text) == text.size();
    }, error);
}
