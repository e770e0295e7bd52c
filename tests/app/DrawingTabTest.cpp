// The drawing tab driven like a user: the scroll bar, the position field and its arrows, the two
// scales and the animation, with the chains of change events they set off.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "chart/FastLineSeries.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/MechanismDrawing.h"
#include "views/TImage.h"
#include "views/UpDown.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

constexpr double kPlanScale = 500;
constexpr double kPositionScale = 250;
constexpr int kDiagramPositions = 180;

const QString kXFieldError = QStringLiteral("'x' is not a valid integer value.");

class DrawingTabTest : public MainWindowFixture<> {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Calculate();
        ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
        FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(3);
        QApplication::processEvents();
    }

    QLineEdit* Edit(const char* name) { return FindComponent<QLineEdit>(form, name); }

    // A blanked picture as the drawing tab blanks it: after a drawing, with that drawing's pen.
    static QImage Blank(int width, int penWidth)
    {
        TImage image;
        image.resize(width, 368);
        image.PenWidth = penWidth;
        ClearImage(image);
        return image.Picture();
    }

    // What the tab should show for position i: blanked, drawn, and (mechanism) dotted.
    QImage ExpectedMechanism(int i, double scale)
    {
        TImage image;
        image.resize(image2->size());
        const PositionArrays& a = form.Result()->Kinematics().diagrams.positions;
        DrawMechanism(image, a, 0, form.MechanismRecord(), scale);
        ClearImage(image);
        DrawMechanism(image, a, i, form.MechanismRecord(), scale);
        for (int k = 0; k < kDiagramPositions; ++k)
            PlotPathPoints(image, a, k, form.MechanismRecord(), scale);
        return image.Picture();
    }

    QImage ExpectedPlan(int i, double scale)
    {
        TImage image;
        image.resize(image1->size());
        const PositionArrays& a = form.Result()->Kinematics().diagrams.positions;
        DrawVelocityPlan(image, a, 0, scale);
        ClearImage(image);
        DrawVelocityPlan(image, a, i, scale);
        return image.Picture();
    }

    // Types one more character at the end of a field, as a user adding a digit.
    static void Append(QLineEdit* edit, QChar ch)
    {
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }

    // Selects the whole field and types over it, without emptying it on the way.
    static void TypeOver(QLineEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }

    // Clicks on the scroll bar's right (or left) arrow, as a user stepping through positions.
    void ClickScrollArrow(bool right, int times)
    {
        const QPoint arrow(right ? scrollBar->width() - 4 : 4, scrollBar->height() / 2);
        for (int n = 0; n < times; ++n)
            QTest::mouseClick(scrollBar, Qt::LeftButton, Qt::NoModifier, arrow);
    }

    // A scale field that holds no integer makes every redraw fail with one error box, so the
    // boxes count the redraws.
    void BreakPlanScale()
    {
        TypeOver(edit9, QStringLiteral("x"));
        ASSERT_EQ(messages.errors, QStringList{kXFieldError});
        messages.Clear();
    }

    // The strip's fields and controls, the two pictures and the velocity diagram's series.
    QLineEdit* edit5 = Edit("Edit5");
    QLineEdit* edit6 = Edit("Edit6");
    QLineEdit* edit8 = Edit("Edit8");
    QLineEdit* edit9 = Edit("Edit9");
    QLineEdit* edit11 = Edit("Edit11");
    QScrollBar* scrollBar = FindComponent<QScrollBar>(form, "ScrollBar1");
    UpDown* upDown = FindComponent<UpDown>(form, "UpDown1");
    QCheckBox* checkBox = FindComponent<QCheckBox>(form, "CheckBox1");
    QTimer* timer = FindComponent<QTimer>(form, "Timer1");
    TImage* image1 = FindComponent<TImage>(form, "Image1");
    TImage* image2 = FindComponent<TImage>(form, "Image2");
    TFastLineSeries* series1 = FindComponent<TFastLineSeries>(form, "Series1");
};

TEST_F(DrawingTabTest, StripStartsAsTheFormHoldsIt)
{
    EXPECT_EQ(edit5->text(), QStringLiteral("0"));
    EXPECT_EQ(edit6->text(), QStringLiteral("100"));
    EXPECT_EQ(edit8->text(), QStringLiteral("0"));
    EXPECT_EQ(edit9->text(), QStringLiteral("500"));
    EXPECT_EQ(edit11->text(), QStringLiteral("250"));
    EXPECT_EQ(scrollBar->minimum(), 0);
    EXPECT_EQ(scrollBar->maximum(), 180);
    EXPECT_EQ(scrollBar->value(), 0);
    EXPECT_FALSE(checkBox->isChecked());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_EQ(image1->size(), QSize(335, 368));
    EXPECT_EQ(image2->size(), QSize(356, 368));
    EXPECT_EQ(FindComponent<QWidget>(form, "Panel6")->height(), 59);
    EXPECT_EQ(edit5->geometry(), QRect(104, 8, 49, 21));
    EXPECT_EQ(scrollBar->geometry(), QRect(176, 8, 145, 16));
    EXPECT_EQ(edit6->geometry(), QRect(372, 30, 49, 24));
    EXPECT_EQ(edit11->geometry(), QRect(632, 32, 49, 21));
    EXPECT_TRUE(checkBox->font().bold());
    // The Calculate blanked before it drew position 0, as a change of position does: the
    // blanking leaves its outline.
    EXPECT_EQ(image2->Picture().pixel(0, 0), QColor(Qt::black).rgb());
}

TEST_F(DrawingTabTest, ScrollingTo37SelectsAndDrawsPosition37)
{
    ClickScrollArrow(true, 37);
    EXPECT_EQ(scrollBar->value(), 37);
    EXPECT_EQ(edit5->text(), QStringLiteral("37"));
    EXPECT_EQ(edit8->text(), QStringLiteral("74"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(image2->Picture(), ExpectedMechanism(37, kPositionScale));
    EXPECT_EQ(image1->Picture(), ExpectedPlan(37, kPlanScale));
    EXPECT_NE(image2->Picture(), ExpectedMechanism(36, kPositionScale));
}

TEST_F(DrawingTabTest, TypingBeyondTheScrollBarWritesTheEndBackAndRedrawsTwice)
{
    ClickScrollArrow(true, 50);
    ASSERT_EQ(edit5->text(), QStringLiteral("50"));
    BreakPlanScale();

    // "500": the scroll bar stops at 180 and writes it back; inner and outer redraw both run.
    Append(edit5, u'0');
    EXPECT_EQ(scrollBar->value(), 180);
    EXPECT_EQ(edit5->text(), QStringLiteral("180"));
    EXPECT_EQ(edit8->text(), QStringLiteral("360"));
    EXPECT_EQ(messages.errors, (QStringList{kXFieldError, kXFieldError}));

    // "1800" with the scroll bar already at its end: nothing writes back, one redraw.
    messages.Clear();
    Append(edit5, u'0');
    EXPECT_EQ(scrollBar->value(), 180);
    EXPECT_EQ(edit5->text(), QStringLiteral("1800"));
    EXPECT_EQ(edit8->text(), QStringLiteral("3600"));
    EXPECT_EQ(messages.errors, QStringList{kXFieldError});
}

TEST_F(DrawingTabTest, TheFullTurnDrawsPositionZeroAndBeyondItNothing)
{
    ClickScrollArrow(true, 50);
    Append(edit5, u'0');
    ASSERT_EQ(edit5->text(), QStringLiteral("180"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(image2->Picture(), ExpectedMechanism(0, kPositionScale));
    EXPECT_EQ(image1->Picture(), ExpectedPlan(0, kPlanScale));

    Append(edit5, u'0');
    ASSERT_EQ(edit5->text(), QStringLiteral("1800"));
    EXPECT_TRUE(messages.all.isEmpty());
    // Nothing but the path dots: 1800 is no position of the arrays.
    EXPECT_EQ(image1->Picture(), Blank(335, 3));
    EXPECT_EQ(image2->Picture(), ExpectedMechanism(1800, kPositionScale));

    // A click on the right arrow of the bar at its end still reports the position it holds.
    ClickScrollArrow(true, 1);
    EXPECT_EQ(edit5->text(), QStringLiteral("180"));
    EXPECT_EQ(edit8->text(), QStringLiteral("360"));
    EXPECT_EQ(image2->Picture(), ExpectedMechanism(0, kPositionScale));
}

TEST_F(DrawingTabTest, UpArrowAtTheMaximumChangesNothing)
{
    ClickScrollArrow(true, 180);
    ASSERT_EQ(edit5->text(), QStringLiteral("180"));
    ASSERT_EQ(upDown->maximum(), 180);
    // Blank the plan, so that a redraw would show.
    TypeOver(edit9, QStringLiteral("50"));
    ClearImage(*image1);
    const QImage plan = image1->Picture();
    const QImage mechanism = image2->Picture();
    QSignalSpy changes(edit5, &QLineEdit::textChanged);

    QTest::mouseClick(upDown->UpButton(), Qt::LeftButton);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(edit5->text(), QStringLiteral("180"));
    EXPECT_EQ(image1->Picture(), plan);
    EXPECT_EQ(image2->Picture(), mechanism);
    EXPECT_TRUE(messages.all.isEmpty());

    // The down arrow does step, through the whole chain.
    QTest::mouseClick(upDown->DownButton(), Qt::LeftButton);
    EXPECT_EQ(edit5->text(), QStringLiteral("179"));
    EXPECT_EQ(scrollBar->value(), 179);
    EXPECT_EQ(edit8->text(), QStringLiteral("358"));
    EXPECT_EQ(image1->Picture(), ExpectedPlan(179, 50));
}

TEST_F(DrawingTabTest, AnimationFrom175StopsAt180)
{
    ClickScrollArrow(true, 180);
    ClickScrollArrow(false, 5);
    ASSERT_EQ(edit5->text(), QStringLiteral("175"));
    QTest::mouseClick(checkBox, Qt::LeftButton);
    ASSERT_TRUE(checkBox->isChecked());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);

    QStringList seen;
    for (int tick = 0; tick < 7; ++tick) {
        form.Timer1Timer();
        seen << edit5->text();
    }
    EXPECT_EQ(seen, (QStringList{"176", "177", "178", "179", "180", "180", "180"}));
    EXPECT_EQ(edit8->text(), QStringLiteral("360"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(messages.all.isEmpty());

    // The real clock: off, back to 170, then on again with the interval Edit6 now holds.
    QTest::mouseClick(checkBox, Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    ClickScrollArrow(false, 10);
    TypeOver(edit6, QStringLiteral("1"));
    QTest::mouseClick(checkBox, Qt::LeftButton);
    EXPECT_EQ(timer->interval(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit5->text() == QStringLiteral("180"); }, 20000));
    QTest::qWait(20);
    EXPECT_EQ(edit5->text(), QStringLiteral("180"));
    QTest::mouseClick(checkBox, Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(image2->Picture(), ExpectedMechanism(0, kPositionScale));
}

TEST_F(DrawingTabTest, NewPositionScaleRedrawsOnlyTheMechanism)
{
    ClickScrollArrow(true, 20);
    const QImage plan = image1->Picture();
    TypeOver(edit11, QStringLiteral("100"));
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(form.PositionScale(), 100);
    EXPECT_EQ(image2->Picture(), ExpectedMechanism(20, 100));
    EXPECT_EQ(image1->Picture(), plan);

    // Emptying a scale field while retyping it blanks its picture and is no error: the
    // drawing waits for the number.
    TypeOver(edit9, QString());
    QTest::keyClick(edit9, Qt::Key_Delete);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'|').toStdString();
    EXPECT_EQ(image1->Picture(), Blank(335, 3));
    QTest::keyClicks(edit9, "500");
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(image1->Picture(), plan);
    // Something that is no number is still refused, once.
    QTest::keyClicks(edit9, "x");
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("'500x' is not a valid integer value.")});
}

TEST_F(DrawingTabTest, EmptyPositionFieldBlanksBothPicturesAndChangesNothingElse)
{
    ClickScrollArrow(true, 12);
    const int points = series1->Count();
    edit5->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit5, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit5, Qt::Key_Delete);
    EXPECT_TRUE(messages.errors.isEmpty()) << "an emptied field waits for a number";
    EXPECT_EQ(image1->Picture(), Blank(335, 3));
    EXPECT_EQ(image2->Picture(), Blank(356, 2));
    EXPECT_EQ(scrollBar->value(), 12);
    EXPECT_EQ(edit8->text(), QStringLiteral("24"));
    EXPECT_EQ(series1->Count(), points);
}

TEST_F(DrawingTabTest, FailedTickStopsTheAnimationAndSaysSoOnce)
{
    QTest::mouseClick(checkBox, Qt::LeftButton);
    ASSERT_TRUE(timer->isActive());
    BreakPlanScale();
    form.Timer1Timer();
    EXPECT_EQ(messages.errors, QStringList{kXFieldError});
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(checkBox->isChecked());
    EXPECT_EQ(scrollBar->value(), 1);   // the step moved on before the redraw failed
    // A tick still in the queue finds the animation off but runs no further box of its own.
    QTest::qWait(150);
    EXPECT_EQ(messages.errors.size(), 1);
}

TEST_F(DrawingTabTest, IntervalThatIsNotAnIntegerLeavesTheBoxUnchecked)
{
    TypeOver(edit6, QStringLiteral("1x"));
    QTest::mouseClick(checkBox, Qt::LeftButton);
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("'1x' is not a valid integer value.")});
    EXPECT_FALSE(checkBox->isChecked());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(DrawingTabTest, IntervalOfZeroOrBelowNeverFires)
{
    for (const QString& interval : {QStringLiteral("0"), QStringLiteral("-5")}) {
        TypeOver(edit6, interval);
        QTest::mouseClick(checkBox, Qt::LeftButton);
        ASSERT_TRUE(checkBox->isChecked());
        EXPECT_TRUE(timer->property("Enabled").toBool());
        EXPECT_FALSE(timer->isActive());
        QTest::qWait(50);
        EXPECT_EQ(edit5->text(), QStringLiteral("0"));
        QTest::mouseClick(checkBox, Qt::LeftButton);
        EXPECT_FALSE(timer->property("Enabled").toBool());
    }
    EXPECT_TRUE(messages.all.isEmpty());
}

// A message box that lets a tick through while it is open, as a modal loop would.
class TickDuringBox : public RecordingMessages {
public:
    void ShowError(const QString& text) override
    {
        RecordingMessages::ShowError(text);
        if (tick)
            tick();
    }
    std::function<void()> tick;
};

TEST_F(DrawingTabTest, TicksDoNotPileUpWhileAStepShowsItsError)
{
    QTest::mouseClick(checkBox, Qt::LeftButton);
    BreakPlanScale();
    TickDuringBox box;
    box.tick = [this] { form.Timer1Timer(); };
    form.Timer1Timer();
    EXPECT_EQ(box.errors.size(), 1);
    EXPECT_EQ(scrollBar->value(), 1);
}

}  // namespace
