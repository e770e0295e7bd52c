// What the window says about results it can no longer stand behind: after a failed Calculate the
// exports are taken away and every tab says that it shows the previous calculation, until the
// next one succeeds; a refused field value is named, with its rule, in the status bar.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

namespace {

class StaleResultTest : public MainWindowFixture<> {
protected:
    QAction* Action(const char* name) { return FindComponent<QAction>(form, name); }
    // The stale-result lines of the tabs.
    std::vector<QLabel*> Notes()
    {
        std::vector<QLabel*> notes;
        for (const char* tab : {"TabSheet1", "TabSheet4", "TabSheet2", "TabSheet3", "TabAccelerations", "TabForces",
                                 "TabDynamics"})
            notes.push_back(FindComponent<QLabel>(form, (std::string(tab) + "StaleNote").c_str()));
        return notes;
    }

};

constexpr const char* kResultActions[] = {"ActionExportCsv", "ActionSaveImages", "ActionReportPdf",
                                          "ActionPrintPreview", "ActionPrint"};

TEST_F(StaleResultTest, AFailedCalculateTakesTheExportsAwayAndMarksEveryTab)
{
    Calculate();
    for (const char* name : kResultActions)
        ASSERT_TRUE(Action(name)->isEnabled()) << name;
    for (QLabel* note : Notes())
        EXPECT_FALSE(note->isVisibleTo(note->parentWidget())) << note->objectName().toStdString();

    // Lde 0,1 cannot reach the guide: the Calculate fails, the tabs keep the 0,9 m mechanism.
    Enter("Edit4", QStringLiteral("0,1"));
    Calculate();
    ASSERT_EQ(messages.errors.size(), 1);
    for (const char* name : kResultActions)
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    auto* pages = FindComponent<QTabWidget>(form, "PageControl1");
    for (QLabel* note : Notes()) {
        pages->setCurrentWidget(note->parentWidget());
        EXPECT_TRUE(note->isVisible()) << note->objectName().toStdString();
        EXPECT_EQ(note->text(), QStringLiteral("Результаты предыдущего расчёта: Loa 0,1, Lab 0,6, Lbc 0,9, Lde 0,5, "
                                               "Loc 1 м, N 8; новый расчёт не выполнен"));
        EXPECT_LE(note->fontMetrics().horizontalAdvance(note->text()), note->width()) << "one line, whole";
        // The line lies across the tab's bottom (on the first tab, just above the Calculate strip).
        const QWidget* tab = note->parentWidget();
        const int bottom = tab->objectName() == QStringLiteral("TabSheet1") ? FindComponent<QWidget>(form, "Panel8")->y()
                                                                             : tab->height();
        EXPECT_EQ(note->geometry().bottom() + 1, bottom) << tab->objectName().toStdString();
        EXPECT_EQ(note->width(), tab->width());
    }
    // Ctrl+P no longer prints the previous variant either.
    pages->setCurrentIndex(0);
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(messages.errors.size(), 1);

    // Other loads for the old result change nothing of that.
    pages->setCurrentWidget(FindComponent<QWidget>(form, "TabForces"));
    Enter("EditResistance", QStringLiteral("400"));
    EXPECT_FALSE(Action("ActionExportCsv")->isEnabled());
    EXPECT_TRUE(Notes()[5]->isVisible()) << "the forces tab still says so";

    // The next successful Calculate gives them back.
    pages->setCurrentIndex(0);
    Enter("Edit4", QStringLiteral("0,5"));
    Calculate();
    for (const char* name : kResultActions)
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    for (QLabel* note : Notes())
        EXPECT_FALSE(note->isVisibleTo(note->parentWidget())) << note->objectName().toStdString();
}

TEST_F(StaleResultTest, ARefusedValueIsNamedWithItsRuleBesideTheBox)
{
    Enter("Edit1", QStringLiteral("abc"));
    ASSERT_EQ(messages.messages, QStringList{QStringLiteral("Ошибка ввода данных!")});
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("Loa: ожидается положительное число в метрах"));
    Enter("Edit1", QStringLiteral("0,1"));
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty()) << "a value taken clears what was said of its field";

    Enter("Edit3", QStringLiteral("0,95"));
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("Lbc: ожидается число в метрах больше 0,51 и не больше 0,9"));
    Enter("Edit3", QStringLiteral("0,6"));
    Enter("Edit10", QStringLiteral("-3"));
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("N: ожидается целое положительное число положений"));
    Enter("Edit10", QStringLiteral("8"));
    Enter("Edit7", QStringLiteral("0"));
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("Loc: ожидается положительное число в метрах"));

    // Calculate's account replaces it.
    Enter("Edit7", QStringLiteral("1"));
    Calculate();
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty());
    EXPECT_FALSE(FindComponent<QLabel>(form, "StatusLabel")->text().isEmpty());
}

}  // namespace
