#include "app/FileMenu.h"

#include "app/FieldExitRule.h"
#include "app/GuardedHandler.h"
#include "app/MainForm.h"
#include "app/UserMessages.h"
#include "chart/Chart.h"
#include "kinematics/NumberText.h"
#include "report/AtomicWrite.h"
#include "report/CsvExport.h"
#include "report/DiagramCharts.h"
#include "report/Pictures.h"
#include "report/ReportDocument.h"
#include "storage/ParameterFile.h"
#include "views/TImage.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <cmath>

namespace {

const char* const kParameterFilter = "Параметры механизма (*.tmm)";
constexpr int kStatusMilliseconds = 15000;
// A chart smaller than this was never laid out on screen: its picture is built off the window.
constexpr int kSmallestChartWidth = 100;
constexpr int kSmallestChartHeight = 60;
constexpr double kPrintMarginMm = 15;

QString DefaultChooser(FileMenu::Choice choice, const QString& suggested, QWidget* parent)
{
    const QString parameters = QString::fromUtf8(kParameterFilter);
    switch (choice) {
    case FileMenu::Choice::OpenParameters:
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Открыть параметры"), suggested, parameters);
    case FileMenu::Choice::SaveParameters:
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить параметры как"), suggested, parameters);
    case FileMenu::Choice::ExportCsv:
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Экспорт таблицы"), suggested,
                                            QStringLiteral("Таблица CSV (*.csv)"));
    case FileMenu::Choice::ReportPdf:
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Отчёт"), suggested,
                                            QStringLiteral("Документ PDF (*.pdf)"));
    case FileMenu::Choice::ImagesFolder:
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("Папка для рисунков"), suggested);
    }
    return QString();
}

// The crank position the drawing tab shows (180, the full turn, is position 0).
int DrawnPosition(const TForm4& form)
{
    const auto* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit5"));
    const auto parsed = edit ? ParseInteger(edit->text().toStdString()) : std::nullopt;
    if (!parsed || *parsed < 0 || *parsed >= kDiagramPositionCount)
        return 0;
    return *parsed;
}

QImage PictureOf(const TForm4& form, const char* name)
{
    const auto* image = form.findChild<TImage*>(QString::fromLatin1(name));
    return image ? image->Picture() : QImage();
}

}  // namespace

FileMenu::FileMenu(TForm4* form) : QObject(form), form_(form)
{
    setObjectName(QStringLiteral("FileMenu"));
    menu_ = new QMenu(QStringLiteral("Файл"), form->menuBar());
    menu_->setObjectName(QStringLiteral("MenuFile"));
    // Before "Справка"; at the end when the window has no such menu.
    QAction* before = nullptr;
    if (auto* help = form->findChild<QMenu*>(QStringLiteral("N4")))
        before = help->menuAction();
    form->menuBar()->insertMenu(before, menu_);

    QAction* open = AddAction("ActionOpenParameters", "Открыть параметры…", QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* saveAs = AddAction("ActionSaveParametersAs", "Сохранить параметры как…",
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    menu_->addSeparator();
    exportCsv_ = AddAction("ActionExportCsv", "Экспорт таблицы (CSV)…", QKeySequence());
    saveImages_ = AddAction("ActionSaveImages", "Сохранить рисунки…", QKeySequence());
    reportPdf_ = AddAction("ActionReportPdf", "Отчёт (PDF)…", QKeySequence());
    menu_->addSeparator();
    printPreview_ = AddAction("ActionPrintPreview", "Предварительный просмотр…", QKeySequence());
    print_ = AddAction("ActionPrint", "Печать…", QKeySequence(Qt::CTRL | Qt::Key_P));

    connect(open, &QAction::triggered, this, [this] { OpenParameters(); });
    connect(saveAs, &QAction::triggered, this, [this] { SaveParametersAs(); });
    connect(exportCsv_, &QAction::triggered, this, [this] { ExportCsv(); });
    connect(saveImages_, &QAction::triggered, this, [this] { SaveImages(); });
    connect(reportPdf_, &QAction::triggered, this, [this] { ReportPdf(); });
    connect(printPreview_, &QAction::triggered, this, [this] { PrintPreview(); });
    connect(print_, &QAction::triggered, this, [this] { Print(); });
    for (QAction* action : {exportCsv_, saveImages_, reportPdf_, printPreview_, print_})
        action->setEnabled(false);

    // The lengths as typed: what the record holds when Calculate starts, before the study
    // replaces Lbc. Pressing the button comes after the field being edited was left.
    if (auto* calculate = form->findChild<QPushButton*>(QStringLiteral("Button4")))
        connect(calculate, &QPushButton::pressed, this, [this] { typedBeforeCalculate_ = form_->MechanismRecord(); });
    // By name: the window announces a finished Calculate with this signal.
    if (form->metaObject()->indexOfSignal("CalculationFinished()") >= 0)
        connect(form, SIGNAL(CalculationFinished()), this, SLOT(OnCalculationFinished()));

    lastFolder_ = QDir::currentPath();
    chooser_ = [this](Choice choice, const QString& suggested) { return DefaultChooser(choice, suggested, form_); };
    printDialog_ = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, form_);
        return dialog.exec() == QDialog::Accepted;
    };
    previewDialog_ = [](QPrintPreviewDialog& preview) { preview.exec(); };
}

FileMenu::~FileMenu() = default;

QAction* FileMenu::AddAction(const char* name, const char* text, const QKeySequence& shortcut)
{
    QAction* action = menu_->addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // The shortcut works on every tab of the window.
    action->setShortcutContext(Qt::WindowShortcut);
    form_->addAction(action);
    return action;
}

bool FileMenu::CommitEditedField()
{
    auto* rule = form_->findChild<FieldExitRule*>();
    return !rule || rule->MayRunCommand(form_);
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
    form_->activateWindow();
}

void FileMenu::Status(const QString& text)
{
    form_->statusBar()->showMessage(text, kStatusMilliseconds);
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
        Mechanism loaded = form_->MechanismRecord();
        if (!QFileInfo(path).isFile() || !LoadParameterFile(loaded, path)) {
            Tell(QStringLiteral("Не удалось прочитать параметры из файла %1").arg(ShownPath(path)));
            return;
        }
        form_->MechanismRecord() = loaded;
        form_->ShowParameters();
        Status(QStringLiteral("Параметры прочитаны из файла %1").arg(ShownPath(path)));
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
        if (!problem.isEmpty() || !SaveParameterFile(form_->MechanismRecord(), path)) {
            Tell(QStringLiteral("Не удалось сохранить параметры в файл %1").arg(ShownPath(path))
                 + (problem.isEmpty() ? QString() : u'\n' + problem));
            return;
        }
        Status(QStringLiteral("Параметры записаны в файл %1").arg(ShownPath(path)));
    });
}

void FileMenu::ExportCsv()
{
    if (!ResultsReady())
        return;
    RunGuarded([this] {
        const QString path = Choose(Choice::ExportCsv, QStringLiteral("Результаты.csv"), ".csv");
        if (path.isEmpty())
            return;
        UpdateForces(*snapshot_, WindowForceParameters(*form_));
        QString error;
        if (!WriteResultsCsv(*snapshot_, path, error)) {
            Tell(error);
            return;
        }
        Status(QStringLiteral("Таблица записана в файл %1").arg(ShownPath(path)));
    });
}

void FileMenu::SaveImages()
{
    if (!ResultsReady())
        return;
    RunGuarded([this] {
        const QString dir = Choose(Choice::ImagesFolder, QString(), nullptr);
        if (dir.isEmpty())
            return;
        // The charts as the window shows them, zoom included; one never laid out is built afresh.
        std::array<TChart*, 6> charts{};
        bool laidOut = true;
        for (int i = 0; i < kDiagramChartCount; ++i) {
            auto* chart = form_->findChild<TChart*>(QStringLiteral("Chart%1").arg(i + 1));
            charts[static_cast<std::size_t>(i)] = chart;
            laidOut = laidOut && chart && chart->width() >= kSmallestChartWidth && chart->height() >= kSmallestChartHeight;
        }
        std::unique_ptr<DiagramCharts> built;
        if (!laidOut) {
            built = std::make_unique<DiagramCharts>(*snapshot_, QImage(QStringLiteral(":/charts/chart_back.png")));
            for (int i = 0; i < kDiagramChartCount; ++i)
                charts[static_cast<std::size_t>(i)] = &built->Chart(i + 1);
        }
        BusyCursor busy;
        QString error;
        if (!SavePictureSet(dir, charts, PictureOf(*form_, "Image1"), PictureOf(*form_, "Image2"), error)) {
            Tell(error);
            return;
        }
        Status(QStringLiteral("Рисунки записаны в папку %1").arg(ShownPath(dir)));
    });
}

namespace {

// The report's charts are built afresh at the report's size, with the window's look and series.
struct WindowReport {
    WindowReport(const CalculationSnapshot& snapshot, const TForm4& form)
        : charts(snapshot, QImage(QStringLiteral(":/charts/chart_back.png")))
    {
        input.snapshot = &snapshot;
        for (int i = 0; i < kDiagramChartCount; ++i)
            input.charts[static_cast<std::size_t>(i)] = &charts.Chart(i + 1);
        input.velocityPlan = PictureOf(form, "Image1");
        input.mechanismDrawing = PictureOf(form, "Image2");
        input.drawnPosition = DrawnPosition(form);
        input.date = QDate::currentDate();
    }
    DiagramCharts charts;
    ReportInput input;
};

}  // namespace

void FileMenu::ReportPdf()
{
    if (!ResultsReady())
        return;
    RunGuarded([this] {
        const QString path = Choose(Choice::ReportPdf, QStringLiteral("Отчёт.pdf"), ".pdf");
        if (path.isEmpty())
            return;
        BusyCursor busy;
        UpdateForces(*snapshot_, WindowForceParameters(*form_));
        const WindowReport report(*snapshot_, *form_);
        QString error;
        if (!WriteReportPdf(report.input, path, error)) {
            Tell(error);
            return;
        }
        Status(QStringLiteral("Отчёт записан в файл %1").arg(ShownPath(path)));
    });
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
    UpdateForces(*snapshot_, WindowForceParameters(*form_));
    const WindowReport report(*snapshot_, *form_);
    QPainter painter;
    if (!painter.begin(&printer)) {
        Tell(QStringLiteral("Не удалось начать печать на принтер «%1».").arg(printer.printerName()));
        return;
    }
    PaintReport(painter, printer, report.input);
    painter.end();
}

void FileMenu::PrintPreview()
{
    if (!ResultsReady())
        return;
    RunGuarded([this] {
        QPrinter printer(QPrinter::HighResolution);
        SetupPrinter(printer);
        QPrintPreviewDialog preview(&printer, form_);
        preview.setObjectName(QStringLiteral("PrintPreviewDialog"));
        preview.setWindowTitle(QStringLiteral("Предварительный просмотр отчёта"));
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { PaintReportOn(*target); });
        previewDialog_(preview);
    });
}

void FileMenu::Print()
{
    if (!ResultsReady())
        return;
    RunGuarded([this] {
        QPrinter printer(QPrinter::HighResolution);
        SetupPrinter(printer);
        if (!printDialog_(printer))
            return;
        BusyCursor busy;
        PaintReportOn(printer);
        Status(QStringLiteral("Отчёт отправлен на печать"));
    });
}

void FileMenu::CalculationFinished()
{
    RunGuarded([this] {
        // Only what the window holds now is taken here; the solves for the table's and the
        // diagrams' positions wait for the first export, so a Calculate pays nothing for them.
        auto snapshot = std::make_unique<CalculationSnapshot>();
        const Mechanism& record = form_->MechanismRecord();
        snapshot->typed = typedBeforeCalculate_.value_or(record);
        typedBeforeCalculate_.reset();
        snapshot->adopted = record;
        snapshot->study = form_->Study();
        snapshot->lbcChosen = form_->LastOutcome().lbcChosen;
        const int dead = std::clamp(snapshot->study.DeadCount, 0, kDeadAnglesCapacity);
        snapshot->deadAngles.assign(snapshot->study.DeadAngles.begin(), snapshot->study.DeadAngles.begin() + dead);
        snapshot_ = std::move(snapshot);
        snapshotSolved_ = false;
        for (QAction* action : {exportCsv_, saveImages_, reportPdf_, printPreview_, print_})
            action->setEnabled(true);
    });
}

bool FileMenu::ResultsReady()
{
    if (!snapshot_ || !CommitEditedField())
        return false;
    if (snapshotSolved_)
        return true;
    return RunGuarded([this] {
        // The window's arrays end up holding the diagrams' 180 positions; the table's N positions
        // are solved again from the adopted record, which gives the same values.
        CalculationSnapshot& snapshot = *snapshot_;
        Mechanism table = snapshot.adopted;
        SolverState tableSolver;
        snapshot.tableRows = ::SolveMechanism(table, tableSolver).positionsDone;
        snapshot.table = std::move(tableSolver.arrays);
        Mechanism diagrams = snapshot.adopted;
        diagrams.PositionCount = kDiagramPositionCount;
        SolverState diagramSolver;
        snapshot.diagramRows = ::SolveMechanism(diagrams, diagramSolver).positionsDone;
        snapshot.diagrams = std::move(diagramSolver.arrays);
        AddLaterQuantities(snapshot, WindowForceParameters(*form_));
        snapshotSolved_ = true;
    });
}
