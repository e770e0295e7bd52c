// The six parameter fields: start-up values, reading with point or comma, and the messages with
// their order, driven by real key and mouse events.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QClipboard>
#include <QPushButton>

namespace {

const QString kConversion = QStringLiteral("Ошибка ввода данных!");
const QString kNegative = QStringLiteral("Параметр не может быть отрицательным!");
const QString kZero = QStringLiteral("Ноль недопустим!");
const QString kRange = QStringLiteral("Вибране значення поза діапазоном");
// "&Рассчитать": Alt with the Cyrillic letter Р.
constexpr auto kCalculateMnemonic = static_cast<Qt::Key>(0x0420);

class InputFieldsTest : public MainWindowFixture<> {
protected:
    QLineEdit* Edit(const char* name) { return FindComponent<QLineEdit>(form, name); }

    // Types `text` into the field and leaves it with Tab; returns the messages shown.
    QStringList Enter(const char* field, const QString& text)
    {
        messages.Clear();
        EnterField(form, field, text);
        return messages.messages;
    }
};

TEST_F(InputFieldsTest, StartsWithTheBuiltInDefaults)
{
    const char* names[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit7", "Edit10"};
    const char* texts[] = {"0,1", "0,6", "0,6", "0,5", "1", "8"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Edit(names[i])->text(), QString::fromLatin1(texts[i])) << names[i];
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Кинематический рассчет шарнирно-рычажного механизма"));
    EXPECT_EQ(form.centralWidget()->size(), QSize(705, 515));
}

TEST_F(InputFieldsTest, PointAndCommaBothReadAsTheDecimalSeparator)
{
    EXPECT_TRUE(Enter("Edit1", QStringLiteral("0.25")).isEmpty());
    EXPECT_EQ(form.MechanismRecord().Loa, 0.25);
    EXPECT_TRUE(Enter("Edit1", QStringLiteral("0,35")).isEmpty());
    EXPECT_EQ(form.MechanismRecord().Loa, 0.35);
}

TEST_F(InputFieldsTest, MessagesComeInTheirOrderAndTheFocusReturns)
{
    struct Case {
        const char* field;
        QString text;
        QStringList expected;
    };
    const Case cases[] = {
        {"Edit1", QString(), {kConversion}},
        {"Edit2", QStringLiteral("abc"), {kConversion}},
        {"Edit4", QStringLiteral("-0"), {kZero}},
        {"Edit7", QStringLiteral("-2"), {kNegative}},
        {"Edit3", QStringLiteral("-0,3"), {kNegative, kRange}},
        {"Edit3", QStringLiteral("0,51"), {kRange}},
        {"Edit3", QStringLiteral("0,5"), {kRange}},
        {"Edit3", QStringLiteral("0,95"), {kRange}},
        {"Edit3", QStringLiteral("0,52"), {}},
        {"Edit3", QStringLiteral("0,9"), {}},
        {"Edit10", QStringLiteral("8.0"), {kConversion}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Enter(c.field, c.text), c.expected) << c.field << " " << c.text.toStdString();
        if (!c.expected.isEmpty()) {
            EXPECT_TRUE(Edit(c.field)->hasFocus()) << c.field << " should have the focus back";
        }
        // Leave the field valid again for the next case.
        Enter(c.field, QStringLiteral("0,6"));
    }
}

TEST_F(InputFieldsTest, RejectedValuesAreStoredAnywayButUnreadableOnesKeepTheOldValue)
{
    // A rejected field keeps the focus, so each case is made valid again before the next.
    Enter("Edit3", QStringLiteral("0,95"));
    EXPECT_EQ(form.MechanismRecord().Lbc, 0.95);
    Enter("Edit3", QStringLiteral("0,6"));
    Enter("Edit4", QStringLiteral("-0"));
    EXPECT_EQ(form.MechanismRecord().Lde, 0.0);
    Enter("Edit4", QStringLiteral("0,5"));
    const double loc = form.MechanismRecord().Loc;
    Enter("Edit7", QStringLiteral("1,2,3"));
    EXPECT_EQ(form.MechanismRecord().Loc, loc);
    EXPECT_EQ(Edit("Edit7")->text(), QStringLiteral("1,2,3")) << "the field keeps what the user typed";
}

TEST_F(InputFieldsTest, ARejectedFieldKeepsTheFocusUntilItHoldsAValidValue)
{
    Enter("Edit2", QStringLiteral("0"));
    TypeInto(Edit("Edit4"), QStringLiteral("0,4"));  // the click brings the message again
    EXPECT_EQ(messages.messages, (QStringList{kZero, kZero}));
    EXPECT_TRUE(Edit("Edit2")->hasFocus());
    EXPECT_EQ(form.MechanismRecord().Lde, 0.5);
}

TEST_F(InputFieldsTest, NegativeCountIsStoredAndShownAgain)
{
    EXPECT_EQ(Enter("Edit10", QStringLiteral("-3")), QStringList{kNegative});
    EXPECT_EQ(form.MechanismRecord().PositionCount, -3);
    EXPECT_EQ(Edit("Edit10")->text(), QStringLiteral("-3"));
}

TEST_F(InputFieldsTest, LeavingTheCountRewritesAllFieldsFromTheRecord)
{
    TypeInto(Edit("Edit1"), QStringLiteral("0.25"));
    LeaveWithTab(Edit("Edit1"));
    Enter("Edit10", QStringLiteral("12"));
    EXPECT_EQ(Edit("Edit1")->text(), QStringLiteral("0,25"));
    EXPECT_EQ(form.MechanismRecord().PositionCount, 12);
}

TEST_F(InputFieldsTest, TwoInvalidFieldsDoNotBounceMessagesBetweenThem)
{
    TypeInto(Edit("Edit1"), QString());
    LeaveWithTab(Edit("Edit1"));
    EXPECT_EQ(messages.messages, QStringList{kConversion});
    TypeInto(Edit("Edit2"), QString());
    messages.Clear();
    QTest::mouseClick(Edit("Edit1"), Qt::LeftButton);
    Edit("Edit1")->setFocus(Qt::MouseFocusReason);
    EXPECT_LE(messages.messages.size(), 1);
}

TEST_F(InputFieldsTest, AValidValueTypedThenCalculateClickedIsUsed)
{
    TypeInto(Edit("Edit1"), QStringLiteral("0.12"));
    QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton);
    EXPECT_EQ(form.MechanismRecord().Loa, 0.12);
    EXPECT_EQ(form.CalculationCount(), 1);
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
}

TEST_F(InputFieldsTest, AClickWhoseFocusChangeBroughtAMessageDoesNotCalculate)
{
    QLineEdit* edit = Edit("Edit1");
    TypeInto(edit, QStringLiteral("x"));
    // The press moves the focus first: the field's exit handler runs and shows its message.
    QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton);
    EXPECT_EQ(messages.messages, QStringList{kConversion});
    EXPECT_EQ(form.CalculationCount(), 0);
}

TEST_F(InputFieldsTest, TheCalculateMnemonicAfterARejectedValueDoesNotCalculate)
{
    TypeInto(Edit("Edit2"), QStringLiteral("y"));
    QTest::sendKeyEvent(QTest::Click, KeyTarget(Edit("Edit2")), kCalculateMnemonic, QStringLiteral("Р"), Qt::AltModifier);
    QTest::qWait(300);  // a mnemonic clicks its button after a short delay
    EXPECT_EQ(messages.messages, QStringList{kConversion});
    EXPECT_EQ(form.CalculationCount(), 0);

    Enter("Edit2", QStringLiteral("0,6"));
    QTest::sendKeyEvent(QTest::Click, KeyTarget(Edit("Edit2")), kCalculateMnemonic, QStringLiteral("Р"), Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(form.CalculationCount(), 1);
}

TEST_F(InputFieldsTest, OddTextsInEveryFieldNeverCrashOrLeaveASecondBox)
{
    const QString texts[] = {QStringLiteral("1e400"), QStringLiteral("nan"), QStringLiteral("inf"), QString(),
                             QStringLiteral(" "), QStringLiteral("1,2,3"), QStringLiteral("٣"),
                             QStringLiteral("0x10"), QString(10000, u'7')};
    const char* fields[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit7", "Edit10"};
    auto* button = FindComponent<QPushButton>(form, "Button4");
    for (const char* field : fields) {
        for (const QString& text : texts) {
            messages.Clear();
            if (text.size() > 100) {
                // A long text arrives the way a user brings it: pasted.
                TypeInto(Edit(field), QString());
                QApplication::clipboard()->setText(text);
                QTest::keyClick(KeyTarget(Edit(field)), Qt::Key_V, Qt::ControlModifier);
            } else {
                TypeInto(Edit(field), text);
            }
            LeaveWithTab(Edit(field));
            EXPECT_LE(messages.all.size(), 2) << field;
            QTest::mouseClick(button, Qt::LeftButton);
            ShowActive(form);
        }
        form.ShowParameters();
        SetDefaultParameters(form.MechanismRecord());
        form.ShowParameters();
    }
}

}  // namespace
