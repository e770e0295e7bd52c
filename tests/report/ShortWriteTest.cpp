// Writes that the device or the file system cuts short: a full disk or a file-size limit must
// fail the export, keep the old file and name it, whatever format the writer produces.

#include "ReportTestSupport.h"

#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/ReportDocument.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Takes the first `room` bytes, then refuses: a disk that fills up in the middle of a file.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }
    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 n = std::min(length, room_ - static_cast<qint64>(taken.size()));
        if (n < length)
            setErrorString(QStringLiteral("No space left on device"));
        if (n <= 0)
            return -1;
        taken.append(data, n);
        return n;  // perhaps short: the caller must see it
    }

private:
    qint64 room_;
};

TEST(ShortWrite, EveryWriterFailsWhenTheDeviceFillsUpLate)
{
    const CalculationResult result = CalculateDefaults(180);
    ReportInput report;
    report.result = &result;
    const FileWriter writers[] = {ResultsCsvWriter(result), ReportPdfWriter(report)};
    for (const FileWriter& writer : writers) {
        // Whole on a device with room enough.
        QByteArray whole;
        QBuffer buffer(&whole);
        buffer.open(QIODevice::WriteOnly);
        QString reason;
        ASSERT_TRUE(WriteCheckedTo(buffer, writer, reason)) << reason.toStdString();
        ASSERT_GT(whole.size(), 8192);
        // Cut at the start, in the middle and one byte before the end: always a failure with the reason.
        for (const qint64 room : {qint64(0), whole.size() / 2, whole.size() - 1}) {
            FillingDevice device(room);
            QString cut;
            EXPECT_FALSE(WriteCheckedTo(device, writer, cut)) << room;
            EXPECT_TRUE(cut.contains(QStringLiteral("записано не всё"))) << cut.toStdString();
            EXPECT_TRUE(cut.contains(QStringLiteral("No space left on device"))) << cut.toStdString();
        }
        FillingDevice exact(whole.size());
        QString none;
        EXPECT_TRUE(WriteCheckedTo(exact, writer, none)) << none.toStdString();
    }
}

TEST(ShortWrite, FilesWrittenTogetherStayOldWhenOneCannotBeProduced)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("a.csv"));
    const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
    WriteAll(csv, "old table");
    WriteAll(pdf, "old report");
    const FileWriter fine = [](QIODevice& d, QString&) { return d.write("new") == 3; };
    const FileWriter cutShort = [](QIODevice& d, QString&) {
        d.write("partial");
        return false;
    };
    QString error;
    EXPECT_FALSE(WriteFilesTogether({{csv, fine}, {pdf, cutShort}}, error));
    EXPECT_TRUE(error.contains(ShownPath(pdf))) << error.toStdString();
    EXPECT_EQ(ReadAll(csv), QByteArray("old table"));
    EXPECT_EQ(ReadAll(pdf), QByteArray("old report"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";
    EXPECT_TRUE(WriteFilesTogether({{csv, fine}, {pdf, fine}}, error)) << error.toStdString();
    EXPECT_EQ(ReadAll(csv), QByteArray("new"));
    EXPECT_EQ(ReadAll(pdf), QByteArray("new"));
}

// The real program under `ulimit -f` (1 KiB blocks in bash): the write past the limit fails.
struct LimitedRun {
    int status = -1;
    QString err;
};

LimitedRun RunUnderFileSizeLimit(int kibibytes, const QStringList& arguments, const QString& dir)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("bash"), QStringList{QStringLiteral("-c"),
                                                      QStringLiteral("ulimit -f %1; exec \"$0\" \"$@\"").arg(kibibytes),
                                                      QStringLiteral(ORVEK_PROGRAM)} + arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "a signal would mean the limit killed it";
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(ShortWrite, UnderAFileSizeLimitEveryExportKeepsTheOldFileNamesItAndExitsWithOne)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("a.csv"));
    const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
    const QString images = dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkdir(images));
    WriteAll(csv, "old table");
    WriteAll(pdf, "old report");
    // Each output is larger than 16 KiB at N = 360; the old files are far smaller.
    for (const QStringList& output : {QStringList{QStringLiteral("--csv"), csv}, QStringList{QStringLiteral("--report"), pdf},
                                      QStringList{QStringLiteral("--images"), images}}) {
        const LimitedRun run = RunUnderFileSizeLimit(
            16, QStringList{QStringLiteral("--loa"), QStringLiteral("0,1"), QStringLiteral("--n"), QStringLiteral("360")} + output,
            dir.path());
        EXPECT_EQ(run.status, 1) << output.join(u' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("записано не всё"))) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QStringLiteral("Записано:"))) << run.err.toStdString();
    }
    EXPECT_EQ(ReadAll(csv), QByteArray("old table"));
    EXPECT_EQ(ReadAll(pdf), QByteArray("old report"));
    for (const QString& name : QDir(images).entryList(QDir::Files | QDir::Hidden))
        EXPECT_LE(QFileInfo(QDir(images).filePath(name)).size(), 16 * 1024) << name.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";
}

TEST(ShortWrite, ABatchUnderAFileSizeLimitKeepsTheSummaryOfWhatFinishedAndNoNewTableBesideAnOldReport)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkdir(out));
    // Small tables pass the limit; the reports do not, so no variant's files may land.
    QByteArray table = "Вариант;Loa;Lab;Lbc;Lde;Loc;N\n";
    for (int i = 0; i < 60; ++i)
        table += QStringLiteral("%1;0,1;0,6;0,6;0,5;1;4\n").arg(QString(100, QChar(u'а' + i % 30)) + QString::number(i)).toUtf8();
    WriteAll(dir.filePath(QStringLiteral("v.csv")), table);
    const QString first = QString(100, u'а') + QStringLiteral("0");
    WriteAll(QDir(out).filePath(first + QStringLiteral(".pdf")), "old report");

    const LimitedRun run = RunUnderFileSizeLimit(
        12, {QStringLiteral("--batch"), dir.filePath(QStringLiteral("v.csv")), QStringLiteral("--out"), out}, dir.path());
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(out).filePath(first + QStringLiteral(".csv")))) << "no new table beside the old report";
    EXPECT_EQ(ReadAll(QDir(out).filePath(first + QStringLiteral(".pdf"))), QByteArray("old report"));
    // The summary grew past the limit on the way: what it held before that stays on disk.
    const QList<QStringList> summary = CsvCells(ReadAll(QDir(out).filePath(QStringLiteral("summary.csv"))));
    ASSERT_GE(summary.size(), 2) << run.err.toStdString();
    EXPECT_LT(summary.size(), 61);
    EXPECT_EQ(summary[1][0], first);
    EXPECT_TRUE(summary[1][10].contains(QStringLiteral("записано не всё"))) << summary[1][10].toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("summary.csv"))) << "the summary's failure is named";
    EXPECT_FALSE(run.err.contains(QStringLiteral("Готово:")));
}

}  // namespace
