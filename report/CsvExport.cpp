#include "report/CsvExport.h"

#include "kinematics/NumberText.h"
#include "kinematics/Quantities.h"
#include "report/AtomicWrite.h"
#include "report/SpreadsheetText.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <string>

namespace {

const char* const kLineEnd = "\r\n";
const char kByteOrderMark[] = "\xEF\xBB\xBF";
// Rows are handed to the device in pieces of about this size, never the whole file at once.
constexpr std::size_t kChunkBytes = 64 * 1024;

QString Header(const Quantity& q)
{
    return QString::fromStdString(QuantityHeader(q));
}

QString Number(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

// The first `rows` values of each quantity's array in `arrays`.
template <class Arrays, std::size_t Count>
void AddGroup(std::vector<CsvColumn>& columns, const std::array<ArrayQuantity<Arrays>, Count>& quantities,
              const Arrays& arrays, std::size_t rows)
{
    for (const ArrayQuantity<Arrays>& q : quantities) {
        const std::vector<double>& source = arrays.*q.values;
        columns.push_back({Header(q.quantity), {}, &source, std::min(rows, source.size())});
    }
}

bool WriteText(QIODevice& device, const std::string& text)
{
    return device.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

}  // namespace

std::vector<double> CsvColumn::Values() const
{
    if (!source)
        return values;
    return std::vector<double>(source->begin(), source->begin() + static_cast<std::ptrdiff_t>(count));
}

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
    if (k.table.HasAccelerations() && rows > 0) {
        AddGroup(columns, kPointAccelerationQuantities, k.table.accelerations, rows);
        AddGroup(columns, kLinkAngularQuantities, k.table.accelerations, rows);
    }
    if (result.forces.computed) {
        AddGroup(columns, kForceQuantities, result.forces.table, rows);
        AddGroup(columns, kReactionComponentQuantities, result.forces.table, rows);
    }
    if (result.dynamics.Computed() && result.dynamics.table.Size() > 0 && rows > 0) {
        for (std::size_t q = 0; q < kExportedDynamicsQuantities; ++q) {
            const std::vector<double>& source = result.dynamics.table.*kDynamicsQuantities[q].values;
            columns.push_back({Header(kDynamicsQuantities[q].quantity), {}, &source, std::min(rows, source.size())});
        }
    }
    return columns;
}

std::vector<CsvCondition> ResultsCsvConditions(const CalculationResult& result)
{
    const KinematicsResult& k = result.Kinematics();
    const Mechanism& m = k.solved;
    const ForceParameters& loads = result.input.loads;
    std::vector<CsvCondition> conditions = {
        {QStringLiteral("Loa, м"), Number(m.Loa)},
        {QStringLiteral("Lab, м"), Number(m.Lab)},
        {QStringLiteral("Lbc, м"), Number(m.Lbc)},
        {QStringLiteral("Lbc подобрана по исследованию"), k.lbcChosen ? QStringLiteral("да") : QStringLiteral("нет")},
        {QStringLiteral("Lbc введённая, м"), Number(result.input.typed.Lbc)},
        {QStringLiteral("Lde, м"), Number(m.Lde)},
        {QStringLiteral("Loc, м"), Number(m.Loc)},
        {QStringLiteral("N"), QString::number(m.PositionCount)},
        {QStringLiteral("Скорости и ускорения в таблице при ω1, рад/с"), Number(1)},
        {QStringLiteral("ω1 для сил, рад/с"), Number(loads.Omega1)},
        {QStringLiteral("q, кг/м"), Number(loads.LinearMass)},
        {QStringLiteral("m5, кг"), Number(loads.SliderMass)},
        {QStringLiteral("Fс, Н"), Number(loads.Resistance)},
        {QStringLiteral("g, м/с²"), Number(loads.Gravity ? kGravity : 0.0)},
    };
    if (result.forces.computed)
        conditions.push_back({QStringLiteral("Реакции"), QString::fromUtf8(kReactionConvention)});
    return conditions;
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

bool WriteCsv(QIODevice& device, const std::vector<CsvCondition>& conditions, const std::vector<CsvColumn>& columns,
              int rows)
{
    std::string chunk(kByteOrderMark);
    if (!conditions.empty()) {
        chunk += CsvLine({QStringLiteral("Параметр"), QStringLiteral("Значение")}).toStdString() + kLineEnd;
        for (const CsvCondition& c : conditions)
            chunk += CsvLine({SpreadsheetTextCell(c.name), SpreadsheetTextCell(c.value)}).toStdString() + kLineEnd;
        chunk += kLineEnd;
    }
    QStringList header;
    for (const CsvColumn& column : columns)
        header << column.header;
    chunk += CsvLine(header).toStdString();
    chunk += kLineEnd;
    for (int r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0)
                chunk += ';';
            const CsvColumn& column = columns[c];
            if (static_cast<std::size_t>(r) < column.Size())
                chunk += FormatGeneral(column.At(static_cast<std::size_t>(r)));
        }
        chunk += kLineEnd;
        if (chunk.size() >= kChunkBytes) {
            if (!WriteText(device, chunk))
                return false;
            chunk.clear();
        }
    }
    return WriteText(device, chunk);
}

QByteArray CsvText(const std::vector<CsvCondition>& conditions, const std::vector<CsvColumn>& columns, int rows)
{
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    WriteCsv(buffer, conditions, columns, rows);
    return text;
}

QByteArray CsvText(const std::vector<CsvColumn>& columns, int rows)
{
    return CsvText({}, columns, rows);
}

QByteArray ResultsCsvText(const CalculationResult& result)
{
    const std::vector<CsvColumn> columns = ResultsCsvColumns(result);
    return CsvText(ResultsCsvConditions(result), columns, static_cast<int>(columns.front().Size()));
}

FileWriter ResultsCsvWriter(const CalculationResult& result)
{
    return [&result](QIODevice& device, QString&) {
        const std::vector<CsvColumn> columns = ResultsCsvColumns(result);
        return WriteCsv(device, ResultsCsvConditions(result), columns, static_cast<int>(columns.front().Size()));
    };
}

bool WriteResultsCsv(const CalculationResult& result, const QString& path, QString& error)
{
    return WriteFileAtomically(path, ResultsCsvWriter(result), error);
}
