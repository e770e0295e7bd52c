// The up-down control of the position field: steps of one within 0 .. maximum, and no change
// event when a step has nothing to change.

#include "views/UpDown.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

class UpDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        edit = new QLineEdit(QStringLiteral("0"));
        upDown = new UpDown;
        upDown->setFixedSize(15, 21);
        layout->addWidget(edit);
        layout->addWidget(upDown);
        upDown->SetAssociate(edit);
        upDown->setMaximum(180);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void ClickUp() { QTest::mouseClick(upDown->UpButton(), Qt::LeftButton); }
    void ClickDown() { QTest::mouseClick(upDown->DownButton(), Qt::LeftButton); }

    QWidget window;
    QLineEdit* edit = nullptr;
    UpDown* upDown = nullptr;
};

TEST_F(UpDownTest, ArrowsStepWithinTheRangeAndRaiseChangesOnlyForRealSteps)
{
    struct Row {
        QString before;
        bool up;
        QString after;
        int changes;
    };
    const Row rows[] = {
        {"5", true, "6", 1},         {"5", false, "4", 1},
        {"179", true, "180", 1},     {"180", true, "180", 0},   // at the maximum nothing changes
        {"0", false, "0", 0},        {"1", false, "0", 1},
        {"1800", true, "180", 1},    {"-7", false, "0", 1},     // beyond the range: back to its end
        {"abc", true, "1", 1},
    };
    for (const Row& row : rows) {
        edit->setText(row.before);
        QSignalSpy changes(edit, &QLineEdit::textChanged);
        row.up ? ClickUp() : ClickDown();
        EXPECT_EQ(edit->text(), row.after) << row.before.toStdString() << (row.up ? " up" : " down");
        EXPECT_EQ(changes.count(), row.changes) << row.before.toStdString();
    }
}

TEST_F(UpDownTest, ArrowKeysInTheFieldStepToo)
{
    edit->setText(QStringLiteral("10"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("11"));
}

TEST_F(UpDownTest, MaximumFollowsTheSolvedPositionCount)
{
    upDown->setMaximum(8);
    EXPECT_EQ(upDown->maximum(), 8);
    edit->setText(QStringLiteral("8"));
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    ClickUp();
    EXPECT_EQ(changes.count(), 0);
    upDown->setMaximum(-3);  // a negative count leaves only 0
    EXPECT_EQ(upDown->maximum(), 0);
    ClickUp();
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
}

TEST_F(UpDownTest, SettingTheSameTextRaisesNoChange)
{
    // The chains of the drawing tab end on this rule of the edit field.
    edit->setText(QStringLiteral("37"));
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    edit->setText(QStringLiteral("37"));
    EXPECT_EQ(changes.count(), 0);
    edit->setText(QStringLiteral("38"));
    EXPECT_EQ(changes.count(), 1);
}

}  // namespace
