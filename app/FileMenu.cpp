#include "app/FileMenu.h"

#include "app/AccelerationsTab.h"
#include "app/FieldExitRule.h"
#include "app/ForcesTab.h"
#include "app/GuardedHandler.h"
#include "app/MainForm.h"
#include "app/ModalProgress.h"
#include "app/ResultPublisher.h"
#include "app/UserMessages.h"
#include "chart/Chart.h"
#include "kinematics/ComputationProgress.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/Pictures.h"
#include "report/ReportDocument.h"
#include "storage/ParameterFile.h"
#include "views/TImage.h"
#include "views/StructureScheme.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

namespace {

const char* const kParameterFilter = QT_TRANSLATE_NOOP("FileMenu", "Параметры механизма (*.tmm)");
constexpr int kStatusMilliseconds = 15000;
// A chart smaller than this was never laid out on screen: its picture is built off the window.
constexpr int kSmallestChartWidth = 100;
constexpr int kSmallestChartHeight = 60;
constexpr double kPrintMarginMm = 15;
// From this many table positions on, the report is written behind a progress bar with Cancel.
constexpr int kReportProgressPositions = 10000;

QString DefaultChooser(FileMenu::Choice choice, const QString& suggested, QWidget* parent)
{
    const QString parameters = FileMenu::tr(kParameterFilter);
    switch (choice) {
    case FileMenu::Choice::OpenParameters:
        return QFileDialog::getOpenFileName(parent, FileMenu::tr("Открыть параметры"), suggested, parameters);
    case FileMenu::Choice::SaveParameters:
        return QFileDialog::getSaveFileName(parent, FileMenu::tr("Сохранить параметры как"), suggested, parameters);
    case FileMenu::Choice::ExportCsv:
        return QFileDialog::getSaveFileName(parent, FileMenu::tr("Экспорт таблицы"), suggested,
                                            FileMenu::tr("Таблица CSV (*.csv)"));
    case FileMenu::Choice::ReportPdf:
        return QFileDialog::getSaveFileName(parent, FileMenu::tr("Отчёт"), suggested,
                                            FileMenu::tr("Документ PDF (*.pdf)"));
    case FileMenu::Choice::ImagesFolder:
        return QFileDialog::getExistingDirectory(parent, FileMenu::tr("Папка для рисунков"), suggested);
    }
    return QString();
}

QImage PictureOf(const TImage* image)
{
    return image ? image->Picture() : QImage();
}

}  // namespace

FileMenu::FileMenu(const Window& window) : QObject(window.form), window_(window)
{
    setObjectName(QStringLiteral("FileMenu"));
    TForm4* form = window_.form;
    menu_ = new QMenu(tr("Файл"), form->menuBar());
    menu_->setObjectName(QStringLiteral("MenuFile"));
    form->menuBar()->insertMenu(window_.before, menu_);

    QAction* open = AddAction("ActionOpenParameters", tr("Открыть параметры…"), QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* saveAs = AddAction("ActionSaveParametersAs", tr("Сохранить параметры как…"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(open, &QAction::triggered, this, [this] { OpenParameters(); });
    connect(saveAs, &QAction::triggered, this, [this] { SaveParametersAs(); });

    // The commands of the result wait for the first one.
    struct ResultCommand {
        const char* name;
        QString text;
        QKeySequence shortcut;
        void (FileMenu::*run)();
        bool separatorBefore;
    };
    const ResultCommand commands[] = {
        {"ActionExportCsv", tr("Экспорт таблицы (CSV)…"), QKeySequence(), &FileMenu::ExportCsv, true},
        {"ActionSaveImages", tr("Сохранить рисунки…"), QKeySequence(), &FileMenu::SaveImages, false},
        {"ActionReportPdf", tr("Отчёт (PDF)…"), QKeySequence(), &FileMenu::ReportPdf, false},
        {"ActionPrintPreview", tr("Предварительный просмотр…"), QKeySequence(), &FileMenu::PrintPreview, true},
        {"ActionPrint", tr("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P), &FileMenu::Print, false},
    };
    for (const ResultCommand& command : commands) {
        if (command.separatorBefore)
            menu_->addSeparator();
        QAction* action = AddAction(command.name, command.text, command.shortcut);
        connect(action, &QAction::triggered, this, [this, run = command.run] { (this->*run)(); });
        action->setEnabled(false);
        resultActions_ << action;
    }
    // A failed Calculate takes them away until the next successful one: they would describe the
    // previous mechanism.
    const auto enable = [this] {
        for (QAction* action : resultActions_)
            action->setEnabled(window_.results->Current());
    };
    connect(window_.results, &ResultPublisher::Published, this, enable);
    connect(window_.results, &ResultPublisher::Withdrawn, this, enable);

    lastFolder_ = QDir::currentPath();
    chooser_ = [this](Choice choice, const QString& suggested) { return DefaultChooser(choice, suggested, window_.form); };
    printDialog_ = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, window_.form);
        return dialog.exec() == QDialog::Accepted;
    };
    previewDialog_ = [](QPrintPreviewDialog& preview) { preview.exec(); };
}

FileMenu::~FileMenu() = default;

QAction* FileMenu::AddAction(const char* name, const QString& text, const QKeySequence& shortcut)
{
    QAction* action = menu_->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // The shortcut works on every tab of the window.
    action->setShortcutContext(Qt::WindowShortcut);
    window_.form->addAction(action);
    return action;
}

bool FileMenu::CommitEditedField()
{
    return window_.fields->MayRunCommand(window_.form);
}

QString FileMenu::Choose(Choice choice, const QString& suggested, const char* suffix)
{
    QString path = chooser_ ? chooser_(choice, QDir(lastFolder_).filePath(suggested)) : QString();
    if (path.isEmpty())
        return path;
    // A name typed without an extension gets the one of its kind.
    if (suffix && QFileInfo(path).suffix().isEmpty())
        path += QString::fromLatin1(suffix);
    lastFolder_ = choice == Choice::ImagesFolder ? path : QFileInfo(path).absolutePath();
    return path;
}

void FileMenu::Tell(const QString& text)
{
    Messages().ShowMessage(text);
    window_.form->activateWindow();
}

void FileMenu::Status(const QString& text)
{
    window_.form->statusBar()->showMessage(text, kStatusMilliseconds);
}

void FileMenu::OpenParameters()
{
    if (!CommitEditedField())
        return;
    RunGuarded([this] {
        const QString path = Choose(Choice::OpenParameters, QString::fromLatin1(kParameterFileName), nullptr);
        if (path.isEmpty())
            return;
        // Into a copy first: a short, missing or foreign file leaves the record as it was.
        Mechanism loaded = window_.form->MechanismRecord();
        if (!QFileInfo(path).isFile() || !LoadParameterFile(loaded, path)) {
            Tell(tr("Не удалось прочитать параметры из файла %1").arg(ShownPath(path)));
            return;
        }
        window_.form->MechanismRecord() = loaded;
        window_.form->ShowParameters();
        Status(tr("Параметры прочитаны из файла %1").arg(ShownPath(path)));
    });
}

void FileMenu::SaveParametersAs()
{
    if (!CommitEditedField())
        return;
    RunGuarded([this] {
        const QString path = Choose(Choice::SaveParameters, QString::fromLatin1(kParameterFileName), ".tmm");
        if (path.isEmpty())
            return;
        const QString problem = CheckWritableTarget(path);
        if (!problem.isEmpty() || !SaveParameterFile(window_.form->MechanismRecord(), path)) {
            Tell(tr("Не удалось сохранить параметры в файл %1").arg(ShownPath(path))
                 + (problem.isEmpty() ? QString() : u'\n' + problem));
            return;
        }
        Status(tr("Параметры записаны в файл %1").arg(ShownPath(path)));
    });
}

void FileMenu::Export(Choice choice, const QString& suggested, const char* suffix, const Writer& write,
                      const QString& written)
{
    if (!ResultsReady())
        return;
    RunGuarded([&] {
        const QString path = Choose(choice, suggested, suffix);
        if (path.isEmpty())
            return;
        QString error;
        if (!write(path, error)) {
            // A write the user cancelled has said so already.
            if (!error.isEmpty())
                Tell(error);
            return;
        }
        Status(written.arg(ShownPath(path)));
    });
}

void FileMenu::ExportCsv()
{
    Export(Choice::ExportCsv, tr("Результаты.csv"), ".csv", [this](const QString& path, QString& error) {
        return WriteResultsCsv(*window_.results->Result(), path, error);
    }, tr("Таблица записана в файл %1"));
}

void FileMenu::SaveImages()
{
    Export(Choice::ImagesFolder, QString(), nullptr, [this](const QString& dir, QString& error) {
        // The charts as the window shows them, zoom included; one never laid out is built afresh.
        std::array<TChart*, kDiagramChartCount> charts = window_.charts;
        bool laidOut = true;
        for (const TChart* chart : charts)
            laidOut = laidOut && chart->width() >= kSmallestChartWidth && chart->height() >= kSmallestChartHeight;
        std::unique_ptr<DiagramCharts> built;
        if (!laidOut) {
            built = std::make_unique<DiagramCharts>(*window_.results->Result());
            charts = built->All();
        }
        BusyCursor busy;
        // The drawings as the window shows them: the drawing tab's, the analysis tabs' plans at
        // their positions and scales; every SVG painted as vectors.
        const CalculationResult& r = *window_.results->Result();
        const int drawn = window_.drawnPosition();
        std::vector<DrawingPicture> drawings{
            VelocityPlanPicture(r, drawn, window_.form->PlanScale(), PictureOf(window_.velocityPlan)),
            MechanismPicture(r, drawn, window_.form->PositionScale(), PictureOf(window_.mechanismDrawing))};
        if (window_.accelerations) {
            if (auto plan = AccelerationPlanPicture(r, window_.accelerations->SelectedPosition(),
                                                    window_.accelerations->AccelScale()))
                drawings.push_back(std::move(*plan));
        }
        if (window_.forces) {
            if (auto plan = ForcePlanPicture(r, window_.forces->SelectedPosition(), window_.forces->ForceScale()))
                drawings.push_back(std::move(*plan));
        }
        return SavePictureSet(dir, charts, drawings, error);
    }, tr("Рисунки записаны в папку %1"));
}

// The report's charts are built afresh at the report's size, with the window's look and series.
struct FileMenu::Report {
    explicit Report(const CalculationResult& result) : charts(result)
    {
        input.result = &result;
        input.charts = charts.All();
        input.date = QDate::currentDate();
    }
    DiagramCharts charts;
    ReportInput input;
};

std::unique_ptr<FileMenu::Report> FileMenu::MakeReport() const
{
    auto report = std::make_unique<Report>(*window_.results->Result());
    report->input.drawnPosition = window_.drawnPosition();
    report->input.structureScheme = MechanismSchemePainter();
    report->input.structureSchemeSize = QSizeF(kStructureSchemeWidth, kStructureSchemeHeight);
    if (window_.solutionPositions)
        report->input.solutionPositions = window_.solutionPositions();
    report->input.planScale = window_.form->PlanScale();
    report->input.positionScale = window_.form->PositionScale();
    return report;
}

void FileMenu::ReportPdf()
{
    Export(Choice::ReportPdf, tr("Отчёт.pdf"), ".pdf", [this](const QString& path, QString& error) {
        BusyCursor busy;
        const std::unique_ptr<Report> report = MakeReport();
        if (window_.results->Result()->Kinematics().table.Rows() < kReportProgressPositions)
            return WriteReportPdf(report->input, path, error);
        // A long report keeps the window answering: a bar, and Cancel that leaves the file as it was.
        ModalProgress dialog(tr("Запись отчёта…"), "ReportProgress", window_.form);
        report->input.progress = [&dialog](double fraction) {
            dialog.SetFraction(fraction);  // a modal bar lets events through
            if (dialog.wasCanceled())
                throw ComputationCancelled();
        };
        if (WriteReportPdf(report->input, path, error))
            return true;
        if (dialog.wasCanceled()) {
            error.clear();
            Status(tr("Запись отчёта отменена, файл %1 не изменён").arg(ShownPath(path)));
        }
        return false;
    }, tr("Отчёт записан в файл %1"));
}

void FileMenu::SetupPrinter(QPrinter& printer)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
                                      QPageLayout::Millimeter));
    printer.setDocName(QString::fromUtf8(kReportTitle));
}

void FileMenu::PaintReportOn(QPrinter& printer)
{
    const std::unique_ptr<Report> report = MakeReport();
    QPainter painter;
    if (!painter.begin(&printer)) {
        Tell(tr("Не удалось начать печать на принтер «%1».").arg(printer.printerName()));
        return;
    }
    PaintReport(painter, printer, report->input);
    painter.end();
}

void FileMenu::WithPrinter(const std::function<void(QPrinter& printer)>& use)
{
    if (!ResultsReady())
        return;
    RunGuarded([&] {
        QPrinter printer(QPrinter::HighResolution);
        SetupPrinter(printer);
        use(printer);
    });
}

void FileMenu::PrintPreview()
{
    WithPrinter([this](QPrinter& printer) {
        QPrintPreviewDialog preview(&printer, window_.form);
        preview.setObjectName(QStringLiteral("PrintPreviewDialog"));
        preview.setWindowTitle(tr("Предварительный просмотр отчёта"));
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { PaintReportOn(*target); });
        previewDialog_(preview);
    });
}

void FileMenu::Print()
{
    WithPrinter([this](QPrinter& printer) {
        if (!printDialog_(printer))
            return;
        BusyCursor busy;
        PaintReportOn(printer);
        Status(tr("Отчёт отправлен на печать"));
    });
}

bool FileMenu::ResultsReady()
{
    return window_.results->Current() && CommitEditedField();
}
