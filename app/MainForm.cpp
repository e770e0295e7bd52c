#include "app/MainForm.h"
#include "views/FormFont.h"

#include "app/AccelerationsTab.h"
#include "app/CalculateStatus.h"
#include "app/FieldExitRule.h"
#include "app/FileMenu.h"
#include "app/DynamicsTab.h"
#include "app/SheetsCommand.h"
#include "app/ForcesTab.h"
#include "app/GuardedHandler.h"
#include "app/LanguageMenu.h"
#include "app/ManualWindow.h"
#include "app/StaleResultNotes.h"
#include "app/ResultPublisher.h"
#include "app/SolutionMenu.h"
#include "app/StructureTab.h"
#include "app/UserMessages.h"
#include "app/WindowGrowth.h"
#include "app/WindowPlacement.h"
#include "kinematics/ComputationProgress.h"
#include "storage/ParameterFile.h"
#include "views/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int kClientWidth = 705;
constexpr int kClientHeight = 515;
constexpr int kBottomStripHeight = 41;

QWidget* AddTab(QTabWidget* tabs, const char* objectName, const QString& caption)
{
    auto* tab = new QWidget;
    tab->setObjectName(QString::fromLatin1(objectName));
    tabs->addTab(tab, caption);
    return tab;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Кинематический рассчет шарнирно-рычажного механизма"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(FormFont(11));

    exitRule_ = new FieldExitRule(this);
    results_ = new ResultPublisher(this);
    // The window's own parts read each result first, then the tabs and the menu.
    connect(results_, &ResultPublisher::Published, this,
            [this](const std::shared_ptr<const CalculationResult>& result, ResultChange change) {
                ResultPublished(*result, change == ResultChange::Calculated);
            });
    // A result taken over from the window before may be an earlier one; the status bar says why.
    connect(results_, &ResultPublisher::Withdrawn, this,
            [this](const QString& reason) { ShowStatus(FailureText(mechanism_, reason)); });
    CreateMenu();

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setMinimumSize(kClientWidth, kClientHeight);
    panel->resize(kClientWidth, kClientHeight);
    setCentralWidget(panel);

    PageControl1 = new QTabWidget(panel);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, kClientWidth, kClientHeight - kBottomStripHeight);
    PageControl1->tabBar()->setFont(FormFont(12, true));

    TabSheet1 = AddTab(PageControl1, "TabSheet1", tr("Рассчет "));
    TabSheet4 = AddTab(PageControl1, "TabSheet4", tr("Диаграммы"));
    TabSheet2 = AddTab(PageControl1, "TabSheet2", tr("Диаграмы"));
    TabSheet3 = AddTab(PageControl1, "TabSheet3", tr("Планы скоростей и положения механизма"));
    TabAccelerations = new AccelerationsTab(results_, exitRule_);
    PageControl1->addTab(TabAccelerations, tr("Ускорения"));
    TabForces = new ForcesTab(results_, exitRule_);
    PageControl1->addTab(TabForces, tr("Силы"));
    TabDynamics = new DynamicsTab(results_, exitRule_);
    PageControl1->addTab(TabDynamics, tr("Динамика"));
    TabStructure = new StructureTab(results_);
    PageControl1->addTab(TabStructure, tr("Структура"));
    PageControl1->setCurrentIndex(0);

    auto* bottom = new QFrame(panel);
    bottom->setObjectName(QStringLiteral("Panel7"));
    bottom->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bottom->setGeometry(0, kClientHeight - kBottomStripHeight, kClientWidth, kBottomStripHeight);
    Label16 = new QLabel(bottom);
    Label16->setObjectName(QStringLiteral("Label16"));
    Label16->setText(tr("Пример программы с сайта ") + QString::fromLatin1(kWebSiteAddress));
    QFont linkFont(QStringLiteral("Courier New"));
    linkFont.setStyleHint(QFont::TypeWriter);
    linkFont.setPixelSize(24);
    linkFont.setUnderline(true);
    Label16->setFont(linkFont);
    Label16->setStyleSheet(QStringLiteral("color: red; background: transparent;"));
    Label16->setCursor(Qt::PointingHandCursor);
    Label16->move(10, 6);
    Label16->adjustSize();

    CreateInputTab(TabSheet1);
    CreateResultsTable(TabSheet1);
    CreateChartTabs(TabSheet4, TabSheet2);
    CreateDrawingTab(TabSheet3);
    CreateStatusBar();
    // "Файл" before "Справка"; it exports the charts and the drawings as the window shows them.
    FileMenu::Window window{this, results_, exitRule_, N4->menuAction(), {Chart1, Chart2, Chart3, Chart4, Chart5, Chart6},
                            Image1, Image2, [this] { return drawnPosition_; },
                            [this] { return MenuSolution ? MenuSolution->ReportPositions() : std::vector<int>{}; },
                            TabAccelerations, TabForces};
    MenuFile = new FileMenu(window);
    new SheetsCommand(this, MenuFile->Menu(), results_, exitRule_);
    new StaleResultNotes(results_,
                         {{TabSheet1, TabSheet1->findChild<QWidget*>(QStringLiteral("Panel8"))},
                          {TabSheet4, nullptr},
                          {TabSheet2, nullptr},
                          {TabSheet3, nullptr},
                          {TabAccelerations, nullptr},
                          {TabForces, nullptr},
                          {TabDynamics, nullptr},
                          {TabStructure, nullptr}},
                         this);
    // "Решение" after "Файл".
    MenuSolution = new SolutionMenu({this, results_, N4->menuAction(), TabSheet3->findChild<QWidget*>(QStringLiteral("GroupBox3")),
                                     [this] { return drawnPosition_; }});
    // "Язык" after "Справка", before "Выход".
    AddLanguageMenu(menuBar(), N6, [this](InterfaceLanguage language) { emit LanguageChosen(language); });

    qApp->installEventFilter(this);
    FormCreate();

    adjustSize();
    // The start size is the smallest; from it the window grows.
    setMinimumSize(sizeHint());
    resize(sizeHint());
    InstallWindowGrowth(panel);
    CentreOnScreen(*this);
}

TForm4::~TForm4()
{
    if (Timer1)
        Timer1->stop();
}

void TForm4::CreateMenu()
{
    N4 = menuBar()->addMenu(tr("&Справка"));
    N4->setObjectName(QStringLiteral("N4"));
    QAction* manual = N4->addAction(tr("Руководство"));
    manual->setObjectName(QStringLiteral("ManualAction"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    connect(manual, &QAction::triggered, this, [this] { ManualWindow::ShowFor(this); });
    N5 = N4->addAction(tr("&О программе"));
    N5->setObjectName(QStringLiteral("N5"));
    connect(N5, &QAction::triggered, this, [this] { N5Click(); });
    // "&Выход" is a command directly on the menu bar, without a submenu.
    N6 = menuBar()->addAction(tr("&Выход"));
    N6->setObjectName(QStringLiteral("N6"));
    connect(N6, &QAction::triggered, this, [this] { N6Click(); });
}

void TForm4::FormCreate()
{
    Mechanism loaded = mechanism_;
    if (LoadParameterFile(loaded))
        mechanism_ = loaded;
    else
        SetDefaultParameters(mechanism_);
    ShowParameters();
    calculationCount_ = 0;
}

void TForm4::N6Click()
{
    if (Messages().AskYesNo(tr("Вы уверены что хотите выйти из программы ? ")))
        QApplication::quit();
}

void TForm4::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program without a question.
    event->accept();
    if (calculating_)
        calculating_->RequestCancel();
    if (Timer1)
        Timer1->stop();
    QApplication::quit();
}

const CalculationResult* TForm4::Result() const
{
    return results_->Result().get();
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (watched == Label16 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Label16Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
