#pragma once
// The PDF report of a result as the report tests read it: written to a file, read back with
// pdftotext, and searched word by word (pdftotext breaks lines and spaces columns as the page
// does).

#include "ReportTestSupport.h"

#include "app/OffscreenPictures.h"
#include "report/ReportDocument.h"

#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct WrittenReport {
    QString text;
    int pages = 0;      // as the writer counted them
    int pdfPages = -1;  // as pdfinfo counts them
};

// The report of `result` with the pictures the program draws off screen, dated 14 March 2026,
// written to `path` and read back.
inline WrittenReport WriteAndReadReport(const CalculationResult& result, const QString& path,
                                        const QString& student = QString())
{
    OffscreenPictures pictures(result);
    ReportInput input;
    input.result = &result;
    input.charts = pictures.Charts();
    input.date = QDate(2026, 3, 14);
    input.title.student = student;
    WrittenReport report;
    QString error;
    EXPECT_TRUE(WriteReportPdf(input, path, error, &report.pages)) << error.toStdString();
    report.text = PdfText(path);
    report.pdfPages = PdfPages(path);
    return report;
}

// The words of the extracted text, so that column spacing and line breaks do not matter.
inline QStringList Words(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Whether `wanted` appear in this order as consecutive words somewhere in `words`.
inline bool HasWords(const QStringList& words, const QStringList& wanted)
{
    for (int w = 0; w + wanted.size() <= words.size(); ++w) {
        if (words.mid(w, wanted.size()) == wanted)
            return true;
    }
    return false;
}
