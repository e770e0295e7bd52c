#pragma once
// TForm4, the main window: input fields, Calculate, the results table, the six diagrams, the
// drawings with their angle selection and animation, the parameter file buttons and the menu.
//
// The form owns the record the fields edit (Mechanism) and one ResultPublisher: Calculate runs
// the one Calculate function (kinematics/Calculation.h) on the record and the loads in use and
// publishes its CalculationResult there; every part of the window reads that result and nothing
// else computes.
//
// The form's code is split by role:
//   MainForm.cpp           construction, menu, Exit
//   MainFormCalculate.cpp  Calculate, its progress dialog, what the window does with a published
//                          result, the status bar
//   MainFormInput.cpp      the six parameter fields and their exit handlers (kinematics/InputRule
//                          judges them; FieldExitRule decides when the handlers run)
//   MainFormTable.cpp      results table and dead-position list
//   MainFormCharts.cpp     the two chart tabs
//   MainFormDiagrams.cpp   ShowDiagrams: the six diagrams and the two drawings of the result
//   MainFormDrawing.cpp    drawing tab, angle selection and animation
//   MainFormFile.cpp       parameter file buttons
//   MainFormWeb.cpp        the web-site link
// Parts of their own: the tabs "Ускорения", "Силы" and "Динамика" (AccelerationsTab, ForcesTab,
// DynamicsTab, built on AnalysisTab), "Структура" (StructureTab), the "Файл" menu (FileMenu), the
// "Решение" menu with its two windows (SolutionMenu), CalculateStatus (the status bar's texts), the
// menu "Язык" (LanguageMenu).

#include "app/LocaleLanguage.h"
#include "kinematics/Calculation.h"
#include "kinematics/Mechanism.h"

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>

class AccelerationsTab;
class ComputationProgress;
class FileMenu;
class DynamicsTab;
class ForcesTab;
class SolutionMenu;
class StructureTab;
class FieldExitRule;
class ResultPublisher;
struct InputRule;
struct InputVerdict;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTimer;
class QWidget;

class StringGrid;
class TChart;
class TImage;
class UpDown;

// The program's web-site address, shown by both link labels.
inline constexpr const char* kWebSiteAddress = "http://orvek.example/";

class TForm4 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);  // builds the window and runs FormCreate
    ~TForm4() override;

    // ---- State the form owns (read by tests and the other forms) ----
    // The record the fields edit; after a Calculate, the record it solved (the adopted Lbc).
    Mechanism& MechanismRecord() { return mechanism_; }
    // The one result every part of the window shows; none before the first Calculate.
    ResultPublisher& Results() const { return *results_; }
    const CalculationResult* Result() const;
    int CalculationCount() const { return calculationCount_; }
    double PlanScale() const { return planScale_; }
    double PositionScale() const { return positionScale_; }

    // ---- Commands ----
    void Button4Click();   // Calculate
    void N5Click();        // About box
    void N6Click();        // Exit, after the question
    void Label16Click();   // web-site link of the bottom strip
    void Button5Click();   // "Считать из файла"
    void Button6Click();   // "Сохранить в файл"

    // Opens `address` in a new browser window; a failure is an error for the error box.
    void OpenWebPage(const QString& address);
    // Tests replace the desktop's URL handler; it returns false when the address was not opened.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void SetUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    // The About box shown by N5Click (not owned; the program entry creates it).
    void SetAboutBox(QWidget* about) { aboutBox_ = about; }

    // ---- Parameters ----
    void ShowParameters();
    void Edit1Exit();
    void Edit2Exit();
    void Edit3Exit();
    void Edit4Exit();
    void Edit7Exit();
    void Edit10Exit();

    // ---- Calculate and its readers ----
    // The one Calculate of the record and the loads in use; none when the user cancelled it.
    std::optional<CalculationResult> CalculateRecord();
    void FillResultsTable(const CalculationResult& result);
    // The drawings of the position Edit5 selects and the six diagrams, from the current result.
    void ShowDiagrams();

    // A Calculate of at least this many positions runs behind the progress dialog.
    void SetProgressDialogThreshold(int positions) { progressDialogPositions_ = positions; }

    // ---- Drawings ----
    void ClearImage(TImage* image);
    void DrawVelocityPlan(int i);
    void DrawMechanism(int i);
    void PlotPathPoints(int k);

    // ---- Angle selection, scales and animation ----
    void Edit5Change();
    void Edit9Change();
    void Edit11Change();
    void ScrollBar1Change();
    void ScrollBar1Scroll(int newPosition);
    void CheckBox1Click();
    void Timer1Timer();

signals:
    // The user picked another language in the menu "Язык"; the program entry builds the window
    // again in it (MainWindows).
    void LanguageChosen(InterfaceLanguage language);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, one part of the window each.
    void CreateMenu();
    void CreateInputTab(QWidget* tab);
    void CreateResultsTable(QWidget* tab);
    void CreateChartTabs(QWidget* chartsTab, QWidget* studyTab);
    void CreateDeadPositionBox(QWidget* parent);
    void CreateDrawingTab(QWidget* tab);
    void CreateStatusBar();
    void FormCreate();

    // Calculate on a worker thread while a modal progress dialog shows how far it got; none when
    // the user cancelled it.
    std::optional<CalculationResult> CalculateBehindProgressDialog(const CalculationInput& input);
    // What the window does with a published result.
    void ResultPublished(const CalculationResult& result, bool calculated);
    void ShowStatus(const QString& text);
    void ShowCalculateStatus(const CalculationResult& result);

    // The six parameter fields with their exit handlers (MainFormInput.cpp).
    struct ParameterField;
    static const ParameterField kParameterFields[];

    // The verdict on the field's text under `rule`: its messages shown (with the beep where the
    // message has one) and, when there were any, the field to get the focus back.
    InputVerdict JudgeField(QLineEdit* edit, const InputRule& rule, double previous);
    // "Loa: ожидается положительное число в метрах": the field and what it takes.
    QString FieldRuleText(QLineEdit* edit, const InputRule& rule);

    // ---- State ----
    Mechanism mechanism_{};
    int calculationCount_ = 0;
    double planScale_ = 0;
    double positionScale_ = 0;
    int drawnPosition_ = 0;          // the position of the diagrams' solve the drawings show
    FieldExitRule* exitRule_ = nullptr;  // when the fields' exit handlers run; owned by the form
    ResultPublisher* results_ = nullptr;  // owned by the form
    bool timerTickRunning_ = false;
    std::exception_ptr drawingError_;  // a refresh of the drawings that failed while a result was published
    int progressDialogPositions_ = 10000;  // about 0.3 s of computation and more
    ComputationProgress* calculating_ = nullptr;  // the running computation behind the dialog
    UrlOpener urlOpener_;
    QWidget* aboutBox_ = nullptr;

    // ---- Components (objectName = the name below) ----
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    AccelerationsTab* TabAccelerations = nullptr;
    ForcesTab* TabForces = nullptr;
    DynamicsTab* TabDynamics = nullptr;
    StructureTab* TabStructure = nullptr;
    SolutionMenu* MenuSolution = nullptr;
    FileMenu* MenuFile = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* StatusLabel = nullptr;
    QMenu* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QPushButton* Button4 = nullptr;
    QCheckBox* CheckAdoptLbc = nullptr;  // the study's Lbc replaces the typed one
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;

    StringGrid* StringGrid1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* ScanNote = nullptr;  // whose the list's angles are, and the solved mechanism's extremes

    TChart* Chart1 = nullptr;
    TChart* Chart2 = nullptr;
    TChart* Chart3 = nullptr;
    TChart* Chart4 = nullptr;
    TChart* Chart5 = nullptr;
    TChart* Chart6 = nullptr;

    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QLineEdit* Edit5 = nullptr;
    UpDown* UpDown1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QTimer* Timer1 = nullptr;
};
