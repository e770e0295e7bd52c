// "Вписать" clicked as a user clicks it: on the drawing tab both scale fields take the fitted
// scales and the pictures are drawn at them; on the tabs Ускорения and Силы the scale field takes
// the fitted scale, and a refused text in another field keeps the click from fitting.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/FitScales.h"
#include "views/TImage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

class FitButtonsTest : public MainWindowFixture<> {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Calculate();
        ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    }

    void ShowTab(int index)
    {
        FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(index);
        QApplication::processEvents();
    }
};

TEST_F(FitButtonsTest, TheDrawingTabTakesBothFittedScalesAndDrawsAtThem)
{
    ShowTab(3);
    const KinematicsResult& k = form.Result()->Kinematics();
    const auto plan = FitVelocityPlanScale(k.diagrams.positions, k.diagrams.Rows(), FindComponent<TImage>(form, "Image1")->size());
    const auto position = FitPositionScale(k.diagrams.positions, k.diagrams.Rows(), k.solved, FindComponent<TImage>(form, "Image2")->size());
    ASSERT_TRUE(plan && position);
    QTest::mouseClick(FindComponent<QPushButton>(form, "ButtonFitDrawing"), Qt::LeftButton);
    EXPECT_EQ(FindComponent<QLineEdit>(form, "Edit9")->text(), QString::number(*plan));
    EXPECT_EQ(FindComponent<QLineEdit>(form, "Edit11")->text(), QString::number(*position));
    EXPECT_EQ(form.PlanScale(), *plan);
    EXPECT_EQ(form.PositionScale(), *position);
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
}

TEST_F(FitButtonsTest, TheAnalysisTabsTakeTheirFittedScale)
{
    for (const auto& [tab, button, field] : {std::tuple{4, "ButtonFitAccelScale", "EditAccelScale"},
                                            std::tuple{5, "ButtonFitForceScale", "EditForceScale"}}) {
        ShowTab(tab);
        // A scale typed by hand, left by the click on the button, then replaced by the fitted one.
        QLineEdit* edit = FindComponent<QLineEdit>(form, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "7");
        QTest::mouseClick(FindComponent<QPushButton>(form, button), Qt::LeftButton);
        EXPECT_NE(edit->text(), QStringLiteral("7")) << field;
        EXPECT_FALSE(edit->text().isEmpty()) << field;
        EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    }
}

TEST_F(FitButtonsTest, ARefusedFieldKeepsTheClickFromFitting)
{
    ShowTab(4);
    QLineEdit* omega = FindComponent<QLineEdit>(form, "EditOmega1");
    QLineEdit* scale = FindComponent<QLineEdit>(form, "EditAccelScale");
    const QString before = scale->text();
    omega->setFocus();
    omega->selectAll();
    QTest::keyClicks(omega, "abc");
    QTest::mouseClick(FindComponent<QPushButton>(form, "ButtonFitAccelScale"), Qt::LeftButton);
    EXPECT_EQ(scale->text(), before);
    EXPECT_FALSE(messages.all.isEmpty()) << "the input message for ω1";
}

}  // namespace
