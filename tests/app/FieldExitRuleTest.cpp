// The rule that runs a field's exit handler when the user leaves it, gives a rejected field the
// focus back and swallows the command whose click brought the rejection.

#include "app/FieldExitRule.h"
#include "support/FormProbe.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

class FieldExitRuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        first = new QLineEdit(&window);
        second = new QLineEdit(&window);
        button = new QPushButton(QStringLiteral("&Go"), &window);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second), static_cast<QWidget*>(button)})
            layout->addWidget(w);
        rule = new FieldExitRule(&window);
        rule->AddField(first, [this] {
            ++firstExits;
            if (first->text() == QStringLiteral("bad"))
                rule->NoteRejected();
        });
        rule->AddField(second, [this] {
            ++secondExits;
            rule->NoteRejected();  // always rejects: must never bounce with the first
        });
        QObject::connect(button, &QPushButton::clicked, [this] {
            if (rule->MayRunCommand(button))
                ++commands;
        });
        ShowActive(window);
    }

    QWidget window;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QPushButton* button = nullptr;
    FieldExitRule* rule = nullptr;
    int firstExits = 0, secondExits = 0, commands = 0;
};

TEST_F(FieldExitRuleTest, LeavingAnAcceptedFieldRunsItsHandlerOnceAndTheCommandRuns)
{
    TypeInto(first, QStringLiteral("good"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(firstExits, 1);
    EXPECT_EQ(commands, 1);
    EXPECT_TRUE(rule->IsField(first));
    EXPECT_FALSE(rule->IsField(button));
}

TEST_F(FieldExitRuleTest, ARejectedFieldKeepsTheFocusAndTheClickThatLeftItDoesNotRun)
{
    TypeInto(first, QStringLiteral("bad"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(firstExits, 1);
    EXPECT_EQ(commands, 0);
    EXPECT_EQ(QApplication::focusWidget(), first);

    // Mended, the next click runs the command.
    TypeInto(first, QStringLiteral("good"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(commands, 1);
}

TEST_F(FieldExitRuleTest, AMnemonicLeavesTheFieldFirstLikeAClick)
{
    TypeInto(first, QStringLiteral("bad"));
    QTest::keyClick(first, Qt::Key_G, Qt::AltModifier);
    QTest::qWait(300);  // a mnemonic clicks its button after a short delay
    EXPECT_EQ(firstExits, 1);
    EXPECT_EQ(commands, 0);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(FieldExitRuleTest, TwoRejectedFieldsNeverBounceTheFocusBetweenThem)
{
    TypeInto(first, QStringLiteral("bad"));
    QTest::mouseClick(second, Qt::LeftButton);  // leaving first is rejected: back into first
    EXPECT_EQ(firstExits, 1);
    EXPECT_EQ(secondExits, 0) << "the focus going back into a rejected field is not the user leaving the other";
    EXPECT_EQ(QApplication::focusWidget(), first);
}

}  // namespace
