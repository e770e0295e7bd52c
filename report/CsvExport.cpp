#include "report/CsvExport.h"

#include "kinematics/NumberText.h"
#include "report/AtomicWrite.h"

#include <QIODevice>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int kFixedQuantities = 14;

struct Quantity {
    const char* header;
    std::vector<double> PositionArrays::*values;
};

const Quantity kQuantities[kFixedQuantities] = {
    {"Xa, м", &PositionArrays::Xa},     {"Ya, м", &PositionArrays::Ya},
    {"Vxa, м/с", &PositionArrays::Vxa}, {"Vya, м/с", &PositionArrays::Vya},
    {"Xb, м", &PositionArrays::Xb},     {"Yb, м", &PositionArrays::Yb},
    {"Vxb, м/с", &PositionArrays::Vxb}, {"Vyb, м/с", &PositionArrays::Vyb},
    {"Xd, м", &PositionArrays::Xd},     {"Yd, м", &PositionArrays::Yd},
    {"Vxd, м/с", &PositionArrays::Vxd}, {"Vyd, м/с", &PositionArrays::Vyd},
    {"Ye, м", &PositionArrays::Ye},     {"Ve, м/с", &PositionArrays::Ve},
};

const char* const kLineEnd = "\r\n";
const char kByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace

QString ResultsCsvHeader()
{
    QStringList fields{QStringLiteral("k"), QStringLiteral("φ, °")};
    for (const Quantity& q : kQuantities)
        fields << QString::fromUtf8(q.header);
    return fields.join(u';');
}

std::vector<CsvColumn> ResultsCsvColumns(const CalculationSnapshot& snapshot)
{
    const int n = snapshot.PositionCount();
    const auto rows = static_cast<std::size_t>(std::clamp(snapshot.tableRows, 0, static_cast<int>(snapshot.table.Size())));
    std::vector<CsvColumn> columns;
    CsvColumn k{QStringLiteral("k"), {}};
    CsvColumn angle{QStringLiteral("φ, °"), {}};
    for (std::size_t i = 0; i < rows; ++i) {
        k.values.push_back(static_cast<double>(i));
        // As the solver spaces the positions: (360/N)*k.
        angle.values.push_back((360.0 / n) * static_cast<double>(i));
    }
    columns.push_back(std::move(k));
    columns.push_back(std::move(angle));
    for (const Quantity& q : kQuantities) {
        const std::vector<double>& source = snapshot.table.*q.values;
        columns.push_back({QString::fromUtf8(q.header), std::vector<double>(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(rows))});
    }
    std::vector<ExtraColumn> extras = snapshot.extraColumns;
    for (ExtraColumn& force : ForceColumns(snapshot.forces))
        extras.push_back(std::move(force));
    for (const ExtraColumn& extra : extras) {
        CsvColumn column{extra.header, extra.values};
        if (column.values.size() > rows)
            column.values.resize(rows);
        columns.push_back(std::move(column));
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

bool WriteResultsCsv(const CalculationSnapshot& snapshot, const QString& path, QString& error)
{
    const std::vector<CsvColumn> columns = ResultsCsvColumns(snapshot);
    const QByteArray text = CsvText(columns, static_cast<int>(columns.front().values.size()));
    return WriteFileAtomically(path, [&text](QIODevice& device, QString&) {
        return device.write(text) == text.size();
    }, error);
}
