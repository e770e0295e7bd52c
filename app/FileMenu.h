#pragma once
// The "Файл" menu of the main window: parameter files under any name, and the results of the last
// Calculate taken out of the window as CSV, pictures, a PDF report, a print preview or a print.
// It works through the main window's public interface and finds the window's parts by name.

#include "report/Calculation.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QPrinter;
class QPrintPreviewDialog;
class TForm4;

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

    // Creates the menu before "Справка" on `form`'s menu bar; owned by the form.
    explicit FileMenu(TForm4* form);
    ~FileMenu() override;

    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void SetPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }
    void SetPreviewDialog(PreviewDialog dialog) { previewDialog_ = std::move(dialog); }

    QMenu* Menu() const { return menu_; }
    // The results the export commands write; none before the first successful Calculate. Its
    // position arrays are filled by the first export after each Calculate.
    const CalculationSnapshot* Snapshot() const { return snapshot_ ? snapshot_.get() : nullptr; }

    // ---- Commands ----
    void OpenParameters();
    void SaveParametersAs();
    void ExportCsv();
    void SaveImages();
    void ReportPdf();
    void PrintPreview();
    void Print();

    // Takes the results of the Calculate that just ended and enables the export commands.
    void CalculationFinished();

private slots:
    void OnCalculationFinished() { CalculationFinished(); }

private:
    QAction* AddAction(const char* name, const char* text, const QKeySequence& shortcut);
    // The field being edited is read first, as a command button would; false when it was refused.
    bool CommitEditedField();
    // The field being edited is committed and the last Calculate's results are complete; false
    // when there are none, the field was refused or completing them faulted (the error box said so).
    bool ResultsReady();
    QString Choose(Choice choice, const QString& suggested, const char* suffix);
    void Tell(const QString& text);
    void Status(const QString& text);
    void PaintReportOn(QPrinter& printer);
    void SetupPrinter(QPrinter& printer);

    TForm4* form_;
    QMenu* menu_ = nullptr;
    QAction* exportCsv_ = nullptr;
    QAction* saveImages_ = nullptr;
    QAction* reportPdf_ = nullptr;
    QAction* printPreview_ = nullptr;
    QAction* print_ = nullptr;
    FileChooser chooser_;
    PrintDialog printDialog_;
    PreviewDialog previewDialog_;
    std::optional<Mechanism> typedBeforeCalculate_;
    std::unique_ptr<CalculationSnapshot> snapshot_;
    bool snapshotSolved_ = false;
    QString lastFolder_;
};
