#pragma once
// Shared by the report tests: the default mechanism, files read back, the CSV split back into
// cells, and the PDF's text through pdftotext.

#include "kinematics/Calculation.h"
#include "kinematics/Mechanism.h"
#include "tests/support/DefaultMechanisms.h"

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// The one Calculate of the defaults at n positions, with the default loads.
inline CalculationResult CalculateDefaults(int n)
{
    CalculationInput input;
    input.typed = DefaultMechanism(n);
    return Calculate(input);
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// The lines of a CSV file written by the program: BOM stripped, split at CRLF (a bare LF inside a
// line would show up as a line not split), the empty piece after the last CRLF dropped. With
// `withConditions` false the "Параметр;Значение" block and its empty line are left out.
inline QList<QStringList> CsvCells(const QByteArray& bytes, bool withConditions = false)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QList<QStringList> rows;
    QStringList lines = QString::fromUtf8(body).split(QStringLiteral("\r\n"));
    if (!withConditions && !lines.isEmpty() && lines.front() == QStringLiteral("Параметр;Значение")) {
        const qsizetype blank = lines.indexOf(QString());
        lines = blank < 0 ? QStringList() : lines.mid(blank + 1);
    }
    for (int i = 0; i < lines.size(); ++i) {
        if (i == lines.size() - 1 && lines[i].isEmpty())
            break;
        rows << lines[i].split(u';');
    }
    return rows;
}

// The "Параметр;Значение" block of a CSV file written by the program: name to value.
inline QMap<QString, QString> CsvConditions(const QByteArray& bytes)
{
    QMap<QString, QString> conditions;
    const QList<QStringList> rows = CsvCells(bytes, true);
    if (rows.isEmpty() || rows.front().join(u';') != QStringLiteral("Параметр;Значение"))
        return conditions;
    for (int r = 1; r < rows.size() && !(rows[r].size() == 1 && rows[r][0].isEmpty()); ++r)
        conditions.insert(rows[r][0], rows[r].mid(1).join(u';'));
    return conditions;
}

// Runs a command-line tool; its standard output, or a failed test when it cannot run.
inline QString ToolOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfText(const QString& pdf)
{
    return ToolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

inline int PdfPages(const QString& pdf)
{
    const QString info = ToolOutput(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}
