// One fault, one box: a Calculate whose speed or loads overflow the force analysis says so once,
// however many parts of the window cannot show the result.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <utility>

namespace {

using FieldAndText = std::pair<const char*, const char*>;

class OneErrorBoxTest : public MainWindowFixture<::testing::TestWithParam<FieldAndText>> {
protected:
    // Shows the tab that holds `field`.
    void Show(const char* field)
    {
        auto* edit = FindComponent<QLineEdit>(form, field);
        auto* pages = FindComponent<QTabWidget>(form, "PageControl1");
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(edit))
                pages->setCurrentIndex(i);
        }
    }
    // Types into the field, on its tab, and leaves it as a user does.
    void Enter(const char* field, const QString& text)
    {
        Show(field);
        MainWindowFixture::Enter(field, text);
    }
};

TEST_P(OneErrorBoxTest, AnOverflowingInputGivesOneBoxPerCalculate)
{
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    // Typed, and Calculate clicked straight away: the click leaves the field, which changes the
    // loads, and then calculates with them. One fault, one box.
    Show(GetParam().first);
    TypeInto(FindComponent<QLineEdit>(form, GetParam().first), QString::fromLatin1(GetParam().second));
    Calculate();
    EXPECT_EQ(messages.errors.size(), 1) << messages.errors.join(u'|').toStdString();
    // The next Calculate of the same loads says it again, once.
    messages.Clear();
    Calculate();
    EXPECT_EQ(messages.errors.size(), 1) << messages.errors.join(u'|').toStdString();
    // Leaving the field first says it on leaving; the Calculate right after it does not repeat it.
    messages.Clear();
    Enter(GetParam().first, QStringLiteral("1"));
    Enter(GetParam().first, QString::fromLatin1(GetParam().second));
    EXPECT_EQ(messages.errors.size(), 1) << messages.errors.join(u'|').toStdString();
    messages.Clear();
    Calculate();
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Fields, OneErrorBoxTest,
                         ::testing::Values(std::make_pair("EditOmega1", "1E200"), std::make_pair("EditN1", "1E200"),
                                           std::make_pair("EditLinearMass", "1E308"),
                                           std::make_pair("EditSliderMass", "1E308"),
                                           std::make_pair("EditResistance", "1E308")));

}  // namespace
