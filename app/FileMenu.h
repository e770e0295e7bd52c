#pragma once
// The "Файл" menu of the main window: parameter files under any name, and the window's result
// taken out of the window as CSV, pictures, a PDF report, a print preview or a print. Every
// export reads the one result the window published (and the charts and drawings as the window
// shows them); none computes anything.

#include "report/DiagramCharts.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <vector>
#include <memory>

class FieldExitRule;
class QAction;
class QMenu;
class QPrinter;
class QPrintPreviewDialog;
class ResultPublisher;
class TForm4;
class AccelerationsTab;
class ForcesTab;
class TImage;
struct ReportInput;

class FileMenu : public QObject {
    Q_OBJECT

public:
    // What the user is asked to choose.
    enum class Choice { OpenParameters, SaveParameters, ExportCsv, ReportPdf, ImagesFolder };
    // Returns the chosen path, empty when the user cancelled. Tests replace the file dialogs.
    using FileChooser = std::function<QString(Choice choice, const QString& suggested)>;
    // Shows the print dialog for `printer`; true when the user chose to print.
    using PrintDialog = std::function<bool(QPrinter& printer)>;
    // Shows the preview dialog modally.
    using PreviewDialog = std::function<void(QPrintPreviewDialog& preview)>;

    // The parts of the window the menu works with.
    struct Window {
        TForm4* form;
        ResultPublisher* results;
        FieldExitRule* fields;                         // a command first leaves the field being edited
        QAction* before;                               // the menu stands before this one
        std::array<TChart*, kDiagramChartCount> charts;  // Chart1 .. Chart6
        const TImage* velocityPlan;                    // Image1
        const TImage* mechanismDrawing;                // Image2
        std::function<int()> drawnPosition;            // the position the drawings show
        std::function<std::vector<int>()> solutionPositions;  // table positions whose worked solution the report carries
        const AccelerationsTab* accelerations = nullptr;  // its plan's position and scale for the pictures
        const ForcesTab* forces = nullptr;
    };

    // Creates the menu on the form's menu bar; owned by the form.
    explicit FileMenu(const Window& window);
    ~FileMenu() override;

    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void SetPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }
    void SetPreviewDialog(PreviewDialog dialog) { previewDialog_ = std::move(dialog); }

    QMenu* Menu() const { return menu_; }

    // ---- Commands ----
    void OpenParameters();
    void SaveParametersAs();
    void ExportCsv();
    void SaveImages();
    void ReportPdf();
    void PrintPreview();
    void Print();

private:
    QAction* AddAction(const char* name, const QString& text, const QKeySequence& shortcut);
    // The field being edited is read first, as a command button would; false when it was refused.
    bool CommitEditedField();
    // The field being edited is committed and there is a result; false otherwise.
    bool ResultsReady();
    QString Choose(Choice choice, const QString& suggested, const char* suffix);
    // Writes a file (or a folder's files) at `path`; false with the reason in `error`.
    using Writer = std::function<bool(const QString& path, QString& error)>;
    // An export of the result: the field being edited left first, the place chosen, `write`, then
    // the reason in a message or `written` (with the place for %1) in the status bar.
    void Export(Choice choice, const QString& suggested, const char* suffix, const Writer& write, const QString& written);
    void Tell(const QString& text);
    void Status(const QString& text);
    void PaintReportOn(QPrinter& printer);
    void SetupPrinter(QPrinter& printer);
    // `use` with an A4 printer set up for the report, when there is a result (guarded).
    void WithPrinter(const std::function<void(QPrinter& printer)>& use);
    // The report of the current result, with its charts built at the report's size.
    struct Report;
    std::unique_ptr<Report> MakeReport() const;

    Window window_;
    QMenu* menu_ = nullptr;
    QList<QAction*> resultActions_;  // enabled by the first result
    FileChooser chooser_;
    PrintDialog printDialog_;
    PreviewDialog previewDialog_;
    QString lastFolder_;
};
