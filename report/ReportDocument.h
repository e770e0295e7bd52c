#pragma once
// The paged A4 report in Russian: a title page, the lengths as typed and the adopted rocker
// length, N, the dead positions, the whole table with its header on every page, the six diagrams,
// the two drawings, the acceleration plan, the force plan and the lever of the chosen positions,
// page numbers in the footer. Painted as real text and vector graphics onto any paged device: a
// PDF file, a printer, the print preview.

#include "kinematics/Calculation.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <utility>

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
    double planScale = 500;            // the drawing tab's scales, pixels per m/s and per metre
    double positionScale = 250;
    std::optional<std::pair<int, int>> planPositions;  // the chosen positions (as on the sheets)
    ReportTitle title;
    QDate date;
};

inline constexpr const char* kReportTitle = "Кинематический анализ шарнирно-рычажного механизма";

// Paints the whole report, starting on the device's current page; returns the number of pages.
int PaintReport(QPainter& painter, QPagedPaintDevice& device, const ReportInput& input);

// Writes the report as an A4 PDF to `path` atomically. `pages` receives the page count.
bool WriteReportPdf(const ReportInput& input, const QString& path, QString& error, int* pages = nullptr);

// The text the report's table shows in a value cell: as the window's table shows it.
QString TableCellText(double value);
