#pragma once
// The paged A4 report in Russian: a title page, the lengths as typed and the adopted rocker
// length, N, the dead positions, the whole table with its header on every page, the six diagrams,
// the two drawings, the acceleration plan, the force plan and the lever of the chosen positions,
// the structural analysis with Grashof's check, the worked solution of the chosen table positions,
// page numbers in the footer. Painted as real text and vector graphics onto any paged device: a
// PDF file, a printer, the print preview.

#include "kinematics/Calculation.h"
#include "report/AtomicWrite.h"

#include <QDate>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class TChart;

// Who the report is for: the title page's lines (an empty one is left blank to fill in by hand).
struct ReportTitle {
    QString university;
    QString student;
    QString group;
    QString teacher;
    QString variant;
};

struct ReportInput {
    const CalculationResult* result = nullptr;  // a result that did not fail
    std::array<TChart*, 6> charts{};   // Chart1 .. Chart6; a missing one is left out
    int drawnPosition = 0;             // index among the diagrams' 180 positions
    // Paints the scheme of the Assur groups into a box of the page; none leaves the scheme out.
    std::function<void(QPainter&, const QRectF&)> structureScheme;
    QSizeF structureSchemeSize;        // the scheme's own size, for its proportions
    std::vector<int> solutionPositions;  // table positions whose worked solution the report carries
    double planScale = 500;            // the drawing tab's scales, pixels per m/s and per metre
    double positionScale = 250;
    std::optional<std::pair<int, int>> planPositions;  // the chosen positions (as on the sheets)
    ReportTitle title;
    QDate date;
    // Told now and then how far the painting has got (0 .. 1); may throw ComputationCancelled to
    // stop it, and the PDF writer then leaves its file as it was.
    std::function<void(double fraction)> progress;
};

// The report's tables list at most this many positions: every k-th one of a longer table.
constexpr int kLongestReportTable = 360;
// The k of a table of `rows` positions: 1 when all are listed.
int ReportTableStep(int rows);

inline constexpr const char* kReportTitle = QT_TRANSLATE_NOOP("Report", "Кинематический анализ шарнирно-рычажного механизма");

// Paints the whole report, starting on the device's current page; returns the number of pages.
int PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReportInput& input);

// The writer of the report as an A4 PDF, for WriteFileAtomically or WriteFilesTogether; `input`
// must outlive it.
FileWriter ReportPdfWriter(const ReportInput& input, int* pages = nullptr);

// Writes the report as an A4 PDF to `path` atomically. `pages` receives the page count.
bool WriteReportPdf(const ReportInput& input, const QString& path, QString& error, int* pages = nullptr);

// The text the report's table shows in a value cell: as the window's table shows it.
QString TableCellText(double value);
