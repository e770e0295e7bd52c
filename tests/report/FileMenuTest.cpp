// The "Файл" menu driven through the real main window: its place and actions, the parameter
// files under any name, and the exports of the last Calculate with the file choice answered by
// the test.

#include "ReportTestSupport.h"

#include "app/FileMenu.h"
#include "app/MainForm.h"
#include "app/ModalAnswer.h"
#include "app/TabTable.h"
#include "kinematics/Accelerations.h"
#include "kinematics/ForceAnalysis.h"
#include "kinematics/NumberText.h"
#include "report/CsvExport.h"
#include "report/Pictures.h"
#include "report/ReportDocument.h"
#include "storage/ParameterFile.h"

#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class FileMenuTest : public ::testing::Test {
protected:
    FileMenuTest()
    {
        menu = form.findChild<FileMenu*>();
        menu->SetFileChooser([this](FileMenu::Choice choice, const QString&) {
            choices << choice;
            return answer;
        });
        ShowActive(form);
    }

    QAction* Action(const char* name) { return FindComponent<QAction>(form, name); }
    QLineEdit* Edit(const char* name) { return FindComponent<QLineEdit>(form, name); }
    void Calculate() { QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton); }
    QString Status() { return form.statusBar()->currentMessage(); }
    // The print preview opened from the menu, painted and closed: how many pages it showed.
    int PreviewPages()
    {
        int pages = 0;
        ModalAnswer answerPreview([&](QWidget* modal) {
            if (auto* widget = modal->findChild<QPrintPreviewWidget*>()) {
                widget->updatePreview();
                pages = widget->pageCount();
            }
            modal->close();
        });
        Action("ActionPrintPreview")->trigger();
        return pages;
    }
    void ShowTab(const char* name)
    {
        QWidget* tab = FindComponent<QWidget>(form, name);
        FindComponent<QTabWidget>(form, "PageControl1")->setCurrentWidget(tab);
        QApplication::processEvents();
    }
    // The cells of the groups' balancing torques of a CSV the menu wrote.
    static QStringList TorquesOf(const QString& path)
    {
        const QList<QStringList> rows = CsvCells(ReadAll(path));
        QStringList torques;
        if (rows.isEmpty())
            return torques;
        const auto column = rows[0].indexOf(QStringLiteral("Mб (группы Ассура), Н·м"));
        for (int r = 1; r < rows.size() && column > 0; ++r)
            torques << rows[r][column];
        return torques;
    }
    static QStringList Texts(const std::vector<double>& values)
    {
        QStringList texts;
        for (double v : values)
            texts << QString::fromStdString(FormatGeneral(v));
        return texts;
    }

    TempWorkDir dir;  // no startpar.tmm: the defaults
    RecordingMessages messages;
    TForm4 form;
    FileMenu* menu = nullptr;  // owned by the form
    QString answer;
    QList<FileMenu::Choice> choices;
};

TEST_F(FileMenuTest, StandsBeforeHelpWithItsCommandsAndTheResultCommandsWaitForACalculate)
{
    const QList<QAction*> bar = form.menuBar()->actions();
    auto* file = FindComponent<QMenu>(form, "MenuFile");
    auto* help = FindComponent<QMenu>(form, "N4");
    ASSERT_TRUE(file && help);
    EXPECT_EQ(file->title(), QStringLiteral("Файл"));
    // First on the bar; the menu "Решение" stands between it and "Справка".
    auto* solution = FindComponent<QMenu>(form, "MenuSolution");
    ASSERT_TRUE(solution);
    EXPECT_EQ(bar.indexOf(file->menuAction()), 0);
    EXPECT_EQ(bar.indexOf(solution->menuAction()), 1);
    EXPECT_EQ(bar.indexOf(help->menuAction()), 2);

    struct Expected {
        const char* name;
        const char* text;
        QKeySequence shortcut;
        bool needsResults;
    };
    const Expected expected[] = {
        {"ActionOpenParameters", "Открыть параметры…", QKeySequence(QStringLiteral("Ctrl+O")), false},
        {"ActionSaveParametersAs", "Сохранить параметры как…", QKeySequence(QStringLiteral("Ctrl+Shift+S")), false},
        {"ActionExportCsv", "Экспорт таблицы (CSV)…", QKeySequence(), true},
        {"ActionSaveImages", "Сохранить рисунки…", QKeySequence(), true},
        {"ActionReportPdf", "Отчёт (PDF)…", QKeySequence(), true},
        {"ActionPrintPreview", "Предварительный просмотр…", QKeySequence(), true},
        {"ActionPrint", "Печать…", QKeySequence(QStringLiteral("Ctrl+P")), true},
    };
    for (const Expected& e : expected) {
        QAction* action = Action(e.name);
        ASSERT_TRUE(action);
        EXPECT_TRUE(file->actions().contains(action)) << e.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(e.text)) << e.name;
        EXPECT_EQ(action->shortcut(), e.shortcut) << e.name;
        EXPECT_EQ(action->isEnabled(), !e.needsResults) << e.name;
    }
    // A disabled command does nothing, not even ask for a file.
    Action("ActionExportCsv")->trigger();
    EXPECT_TRUE(choices.isEmpty());

    Calculate();
    for (const Expected& e : expected)
        EXPECT_TRUE(Action(e.name)->isEnabled()) << e.name;
    ASSERT_NE(form.Result(), nullptr);
    EXPECT_EQ(double{form.Result()->input.typed.Lbc}, 0.6) << "the length as typed, before the study";
    EXPECT_EQ(double{form.Result()->Kinematics().solved.Lbc}, 0.9);
}

TEST_F(FileMenuTest, SaveAsThenOpenBringsTheFieldsBackAndAReadOnlyTargetIsNotReplaced)
{
    answer = dir.file(QStringLiteral("a"));  // typed without the extension
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(choices, QList<FileMenu::Choice>{FileMenu::Choice::SaveParameters});
    const QString saved = dir.file(QStringLiteral("a.tmm"));
    const auto bytes = EncodeMechanism(form.MechanismRecord());
    EXPECT_EQ(ReadAll(saved), QByteArray(reinterpret_cast<const char*>(bytes.data()), kParameterRecordSize));
    EXPECT_TRUE(Status().contains(saved)) << Status().toStdString();
    EXPECT_FALSE(QFile::exists(QStringLiteral("startpar.tmm")));

    TypeInto(Edit("Edit1"), QStringLiteral("0,2"));
    LeaveWithTab(Edit("Edit1"));
    TypeInto(Edit("Edit10"), QStringLiteral("12"));
    LeaveWithTab(Edit("Edit10"));
    ASSERT_EQ(form.MechanismRecord().Loa, 0.2);
    answer = saved;
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Edit("Edit1")->text(), QStringLiteral("0,1"));
    EXPECT_EQ(Edit("Edit10")->text(), QStringLiteral("8"));
    EXPECT_EQ(form.MechanismRecord().Loa, 0.1);
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Параметры прочитаны из файла"))) << Status().toStdString();
    EXPECT_TRUE(messages.all.isEmpty());

    // A field typed into and not left yet is read before the save, as a button would read it.
    TypeInto(Edit("Edit1"), QStringLiteral("0,3"));
    QFile::setPermissions(saved, QFileDevice::ReadOwner);
    const QByteArray before = ReadAll(saved);
    QTest::keyClick(KeyTarget(&form), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.MechanismRecord().Loa, 0.3);
    EXPECT_EQ(ReadAll(saved), before) << "a read-only file stays as it was";
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].startsWith(QStringLiteral("Не удалось сохранить параметры в файл «%1»").arg(saved)));
    EXPECT_TRUE(messages.messages[0].contains(QStringLiteral("защищён от записи")));
}

TEST_F(FileMenuTest, OpeningAShortOrMissingFileSaysSoAndKeepsTheFields)
{
    const QString shortFile = dir.file(QStringLiteral("short.tmm"));
    WriteAll(shortFile, QByteArray(10, 'x'));
    TypeInto(Edit("Edit2"), QStringLiteral("0,65"));
    LeaveWithTab(Edit("Edit2"));
    for (const QString& path : {shortFile, dir.file(QStringLiteral("none.tmm")), dir.path()}) {
        messages.Clear();
        answer = path;
        Action("ActionOpenParameters")->trigger();
        ASSERT_EQ(messages.messages.size(), 1) << path.toStdString();
        EXPECT_EQ(messages.messages[0], QStringLiteral("Не удалось прочитать параметры из файла «%1»").arg(path));
        EXPECT_EQ(Edit("Edit2")->text(), QStringLiteral("0,65"));
        EXPECT_EQ(form.MechanismRecord().Lab, 0.65);
    }
    // Cancelling the choice does nothing at all.
    messages.Clear();
    answer.clear();
    Action("ActionOpenParameters")->trigger();
    EXPECT_TRUE(messages.all.isEmpty());
}

TEST_F(FileMenuTest, ExportsWriteWhatTheCommandLineWritesForTheSameMechanism)
{
    Calculate();
    answer = dir.file(QStringLiteral("table"));
    Action("ActionExportCsv")->trigger();
    CalculationInput input;
    input.typed = form.Result()->input.typed;
    const CalculationResult reference = ::Calculate(input);
    EXPECT_EQ(ReadAll(dir.file(QStringLiteral("table.csv"))), ResultsCsvText(reference));
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Таблица записана в файл"))) << Status().toStdString();

    const QString pictures = dir.file(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkdir(pictures));
    answer = pictures;
    Action("ActionSaveImages")->trigger();
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files).size(), 20) << "six charts and four drawings, PNG and SVG";
    const QImage chart(QDir(pictures).filePath(QStringLiteral("Chart1.png")));
    EXPECT_FALSE(chart.isNull());

    answer = dir.file(QStringLiteral("report.pdf"));
    Action("ActionReportPdf")->trigger();
    const QString text = PdfText(answer);
    EXPECT_TRUE(text.contains(QString::fromUtf8(kReportTitle)));
    EXPECT_TRUE(text.contains(QStringLiteral("Принятая длина коромысла: Lbc = 0,9 м")));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'\n').toStdString();
}

TEST_F(FileMenuTest, NoOutputPathIsTrustedAndNothingIsLost)
{
    Calculate();
    answer = dir.file(QStringLiteral("нет/table.csv"));
    Action("ActionExportCsv")->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(answer)) << messages.messages[0].toStdString();
    EXPECT_TRUE(messages.messages[0].contains(QStringLiteral("не существует")));

    const QString readOnly = dir.file(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    messages.Clear();
    answer = readOnly;
    Action("ActionSaveImages")->trigger();
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(QStringLiteral("«%1»").arg(readOnly)));
    EXPECT_TRUE(QDir(readOnly).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    const QString old = dir.file(QStringLiteral("old.pdf"));
    WriteAll(old, "old report");
    QFile::setPermissions(old, QFileDevice::ReadOwner);
    messages.Clear();
    answer = old;
    Action("ActionReportPdf")->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(old));
    EXPECT_EQ(ReadAll(old), QByteArray("old report"));
}

TEST_F(FileMenuTest, PrintGoesThroughThePrintDialogAndPreviewShowsThePages)
{
    Calculate();
    const QString printed = dir.file(QStringLiteral("printed.pdf"));
    int dialogs = 0;
    menu->SetPrintDialog([&](QPrinter& printer) {
        ++dialogs;
        if (dialogs == 1)
            return false;  // cancelled
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    });
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(QFile::exists(printed));
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(PdfText(printed).contains(QString::fromUtf8(kReportTitle)));

    const int previewPages = PreviewPages();
    EXPECT_GE(previewPages, 3);
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'\n').toStdString();
}

TEST_F(FileMenuTest, TheCsvCarriesTheForcesWithTheForcesTabsParametersAtTheTimeOfWriting)
{
    Calculate();
    // A user on the forces tab: no bar mass, gravity off, then the export.
    QWidget* forcesTab = FindComponent<QWidget>(form, "TabForces");
    ASSERT_TRUE(forcesTab);
    QTabWidget* tabs = nullptr;
    for (QWidget* w = forcesTab->parentWidget(); w && !tabs; w = w->parentWidget())
        tabs = qobject_cast<QTabWidget*>(w);
    ASSERT_TRUE(tabs);
    tabs->setCurrentWidget(forcesTab);
    QApplication::processEvents();
    TypeInto(Edit("EditLinearMass"), QStringLiteral("0"));
    LeaveWithTab(Edit("EditLinearMass"));
    auto* gravity = FindComponent<QCheckBox>(form, "CheckGravity");
    ASSERT_TRUE(gravity);
    QTest::mouseClick(gravity, Qt::LeftButton, {}, QPoint(4, gravity->height() / 2));
    ASSERT_FALSE(gravity->isChecked());

    answer = dir.file(QStringLiteral("forces.csv"));
    Action("ActionExportCsv")->trigger();
    const QList<QStringList> rows = CsvCells(ReadAll(answer));
    ASSERT_EQ(rows.size(), 9);
    const int column = static_cast<int>(rows[0].indexOf(QStringLiteral("Mб (группы Ассура), Н·м")));
    ASSERT_GT(column, 0);

    // The same mechanism solved here, its forces with the tab's values.
    Mechanism m{};
    SetDefaultParameters(m);
    m.Lbc = 0.9;
    SolverState solver;
    ASSERT_TRUE(SolveMechanism(m, solver).complete);
    AccelerationArrays a;
    ComputeAccelerations(m, solver.arrays, m.PositionCount, a);
    ForceParameters tab;
    tab.LinearMass = 0;
    tab.Gravity = false;
    ForceArrays expected;
    ComputeForces(m, solver.arrays, a, ComputeCharacteristics(m), tab, expected);
    ForceArrays defaults;
    ComputeForces(m, solver.arrays, a, ComputeCharacteristics(m), ForceParameters{}, defaults);
    for (int r = 1; r < rows.size(); ++r) {
        const auto k = static_cast<std::size_t>(r - 1);
        const double written = ParseDecimal(rows[r][column].toStdString()).value_or(-1e300);
        EXPECT_NEAR(written, expected.MbGroups[k], 1e-13 * std::max(1.0, std::fabs(expected.MbGroups[k]))) << r;
        EXPECT_GT(std::fabs(written - defaults.MbGroups[k]), 1e-6) << "not the defaults, row " << r;
    }
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'\n').toStdString();
}

TEST_F(FileMenuTest, AnExportUsesTheLoadTheTabAcceptedNotATextItRefused)
{
    Calculate();
    ShowTab("TabForces");
    TypeInto(Edit("EditLinearMass"), QStringLiteral("5"));
    LeaveWithTab(Edit("EditLinearMass"));
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    answer = dir.file(QStringLiteral("accepted.csv"));
    Action("ActionExportCsv")->trigger();
    const QStringList accepted = TorquesOf(answer);
    ASSERT_EQ(accepted.size(), 8);

    // A refused text: the message, and the tab keeps computing with q = 5.
    TypeInto(Edit("EditLinearMass"), QStringLiteral("-1"));
    LeaveWithTab(Edit("EditLinearMass"));
    EXPECT_EQ(messages.messages, QStringList{QStringLiteral("Параметр не может быть отрицательным!")});
    // An export from the refused field leaves it first: the message again, and nothing written.
    messages.Clear();
    answer = dir.file(QStringLiteral("refused.csv"));
    Action("ActionExportCsv")->trigger();
    EXPECT_EQ(messages.messages, QStringList{QStringLiteral("Параметр не может быть отрицательным!")});
    EXPECT_FALSE(QFile::exists(answer));

    // The message box takes the focus without the field being left; the export then writes the
    // forces of the accepted q = 5, not those of the refused text or of the default.
    messages.Clear();
    Edit("EditForceScale")->setFocus(Qt::ActiveWindowFocusReason);
    Action("ActionExportCsv")->trigger();
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(TorquesOf(answer), accepted);
    EXPECT_EQ(form.Result()->input.loads.LinearMass, 5);
    auto* grid = FindComponent<TabTable>(form, "ForceGrid");
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(grid->Model()->CellText(r, 1), accepted[r]) << "the tab shows what was written";
}

TEST_F(FileMenuTest, ACalculateAndEveryExportRunTheOneCalculationOnce)
{
    const long calculations = CalculateCallCount();
    const long solves = SolveCallCount();
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(CalculateCallCount(), calculations + 1);
    const long solvesOfTheCalculate = SolveCallCount() - solves;

    answer = dir.file(QStringLiteral("table.csv"));
    Action("ActionExportCsv")->trigger();
    const QString pictures = dir.file(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkdir(pictures));
    answer = pictures;
    Action("ActionSaveImages")->trigger();
    answer = dir.file(QStringLiteral("report.pdf"));
    Action("ActionReportPdf")->trigger();
    const int previewPages = PreviewPages();
    menu->SetPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.file(QStringLiteral("printed.pdf")));
        return true;
    });
    Action("ActionPrint")->trigger();

    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("table.csv"))));
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files).size(), 20);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("report.pdf"))));
    EXPECT_GE(previewPages, 3);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("printed.pdf"))));
    EXPECT_EQ(CalculateCallCount(), calculations + 1) << "no export calculates";
    EXPECT_EQ(SolveCallCount() - solves, solvesOfTheCalculate) << "no export solves";
    EXPECT_LE(solvesOfTheCalculate, 2) << "the final solve and the diagrams' solve";
}

TEST_F(FileMenuTest, ACommandLeavesAnAnalysisTabsFieldFirstAndARefusalStopsIt)
{
    Calculate();
    ShowTab("TabAccelerations");
    TypeInto(Edit("EditOmega1"), QStringLiteral("0"));
    answer = dir.file(QStringLiteral("table.csv"));
    Action("ActionExportCsv")->trigger();
    EXPECT_EQ(messages.messages, QStringList{QStringLiteral("Ноль недопустим!")});
    EXPECT_FALSE(QFile::exists(answer)) << "the refusal stopped the export";
    EXPECT_EQ(QApplication::focusWidget(), Edit("EditOmega1"));

    // Typed and not left, an accepted speed reaches the export: the field is left first.
    messages.Clear();
    TypeInto(Edit("EditOmega1"), QStringLiteral("2"));
    Action("ActionExportCsv")->trigger();
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(form.Result()->input.loads.Omega1, 2);
    EXPECT_EQ(TorquesOf(answer), Texts(form.Result()->forces.table.MbGroups));
}

}  // namespace

namespace {

TEST_F(FileMenuTest, ALongReportIsWrittenBehindABarWhoseCancelLeavesTheFile)
{
    form.SetProgressDialogThreshold(1000000);  // the Calculate itself without its dialog
    TypeInto(Edit("Edit10"), QStringLiteral("10000"));
    LeaveWithTab(Edit("Edit10"));
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    answer = dir.file(QStringLiteral("long.pdf"));
    WriteAll(answer, "old report");

    QString dialogName;
    {
        ModalAnswer cancel([&](QWidget* modal) {
            dialogName = modal->objectName();
            if (auto* bar = qobject_cast<QProgressDialog*>(modal))
                bar->cancel();
        });
        Action("ActionReportPdf")->trigger();
        EXPECT_TRUE(cancel.answered());
    }
    EXPECT_EQ(dialogName, QStringLiteral("ReportProgress"));
    EXPECT_EQ(ReadAll(answer), QByteArray("old report"));
    EXPECT_TRUE(messages.all.isEmpty()) << "a cancel is no error: " << messages.all.join(u'|').toStdString();
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Запись отчёта отменена"))) << Status().toStdString();

    // Let run, the bar ends in the report, whose tables list every 28th position.
    Action("ActionReportPdf")->trigger();
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Отчёт записан в файл"))) << Status().toStdString();
    EXPECT_TRUE(PdfText(answer).contains(QStringLiteral("каждое 28-е положение")));
    EXPECT_LT(PdfPages(answer), 60);
}

// The share of `a`'s ink (inside a frame of 2 pixels) with no ink of `b` within 2 pixels.
double StrayInk(const QImage& a, const QImage& b)
{
    constexpr int kFrame = 2, kNear = 2, kInk = 160;
    long ink = 0, stray = 0;
    for (int y = kFrame; y < a.height() - kFrame; ++y)
        for (int x = kFrame; x < a.width() - kFrame; ++x) {
            if (qGray(a.pixel(x, y)) >= kInk)
                continue;
            ++ink;
            bool near = false;
            for (int dy = -kNear; dy <= kNear && !near; ++dy)
                for (int dx = -kNear; dx <= kNear && !near; ++dx)
                    near = qGray(b.pixel(x + dx, y + dy)) < kInk;
            stray += near ? 0 : 1;
        }
    return ink > 0 ? static_cast<double>(stray) / static_cast<double>(ink) : 1.0;
}

// The drawings' SVGs are vectors, no bitmap inside, and librsvg renders each as its PNG shows it:
// the drawing tab's at its position and scales, the analysis tabs' plans at theirs.
TEST_F(FileMenuTest, SavedDrawingsAreVectorsThatLookLikeTheirBitmaps)
{
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    const QString pictures = dir.file(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkdir(pictures));
    answer = pictures;
    Action("ActionSaveImages")->trigger();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    for (const char* name : {"Image1", "Image2", "AccelPlanImage", "ForcePlanImage"}) {
        const QString base = QDir(pictures).filePath(QString::fromLatin1(name));
        const QByteArray svg = ReadAll(base + QStringLiteral(".svg"));
        EXPECT_FALSE(svg.contains("<image")) << name;
        EXPECT_TRUE(svg.contains("<path") || svg.contains("<polyline")) << name;
        const QImage png(base + QStringLiteral(".png"));
        ASSERT_FALSE(png.isNull()) << name;
        const QString rendered = base + QStringLiteral("-rendered.png");
        ToolOutput(QStringLiteral("rsvg-convert"), {QStringLiteral("-w"), QString::number(png.width() / kPictureScale),
                                                    QStringLiteral("-h"), QString::number(png.height() / kPictureScale),
                                                    QStringLiteral("-o"), rendered, base + QStringLiteral(".svg")});
        const QImage drawn = QImage(rendered).convertToFormat(QImage::Format_Grayscale8);
        const QImage bitmap = png.scaled(png.size() / kPictureScale).convertToFormat(QImage::Format_Grayscale8);
        ASSERT_EQ(drawn.size(), bitmap.size()) << name;
        // Antialiasing and the renderer's letters move ink by a pixel or two, a missing or moved
        // part by far more; the window's frame of the picture is no part of the drawing.
        const double missing = StrayInk(bitmap, drawn), extra = StrayInk(drawn, bitmap);
        EXPECT_LT(missing, 0.03) << name << ": ink of the PNG the SVG lacks";
        EXPECT_LT(extra, 0.08) << name << ": ink of the SVG the PNG lacks";
    }
}

}  // namespace
