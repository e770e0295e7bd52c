#include "app/SolutionOutput.h"

#include "kinematics/Errors.h"
#include "kinematics/NumberText.h"
#include "kinematics/ResultPositions.h"
#include "report/AtomicWrite.h"

#include <QIODevice>
#include <QTextStream>

QString ReadSolutionPosition(const QString& typed, int& k)
{
    const std::optional<std::int32_t> value = ParseInteger(typed.trimmed().toStdString());
    if (!value || *value < 0)
        return QStringLiteral("--solution: нужен номер положения таблицы, целое число от 0 («%1»).").arg(typed);
    k = *value;
    return QString();
}

bool WriteSolution(const CommandLineOptions& o, const CalculationResult& result, int k, QTextStream& out,
                   QTextStream& err)
{
    std::string text;
    try {
        text = WorkedSolutionText(WorkResultPosition(result, ResultSolve::Table, k));
    } catch (const OrvekError& e) {
        err << QStringLiteral("Ход решения не составлен: %1\n").arg(QString::fromStdString(e.what()));
        return false;
    }
    if (o.solutionOut.isEmpty()) {
        out << QString::fromStdString(text);
        return true;
    }
    const QByteArray bytes = QByteArray::fromStdString(text);
    QString error;
    if (!WriteFileAtomically(o.solutionOut, [&bytes](QIODevice& device, QString&) { return device.write(bytes) == bytes.size(); },
                             error)) {
        err << error << '\n';
        return false;
    }
    err << QStringLiteral("Записано: %1\n").arg(ShownPath(o.solutionOut));
    return true;
}
