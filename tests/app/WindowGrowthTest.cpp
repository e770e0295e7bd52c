// The main window at its start size looks exactly as the pictures kept in start-pictures/ (the
// window as it starts, and with each of its tabs after a Calculate); it can be made larger, its charts
// and table grow with it, and back at the start size it looks as at start-up again.
//
// ORVEK_WRITE_START_PICTURES=1 rewrites the kept pictures from the window as it is (after a change
// of the window's looks that is meant).

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "chart/Chart.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/StringGrid.h"

#include <QDir>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>

#include <map>
#include <vector>

namespace {

const QString kPicturesDir = QStringLiteral(ORVEK_SOURCE_DIR "/tests/app/start-pictures");
const QSize kStartSize(705, 568);

struct Shot {
    QString name;
    QImage image;
};

class WindowGrowthTest : public MainWindowFixture<> {
protected:
    void SetUp() override
    {
        // A blinking text cursor would make two grabs of the same window differ.
        QApplication::setCursorFlashTime(0);
        ShowActive(form);
    }
    void TearDown() override { QApplication::setCursorFlashTime(flashTime_); }

    QTabWidget* Tabs() { return FindComponent<QTabWidget>(form, "PageControl1"); }
    void ShowTab(int index)
    {
        Tabs()->setCurrentIndex(index);
        QApplication::processEvents();
    }
    void Calculate()
    {
        QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_NE(form.Result(), nullptr);
    }
    void ResizeTo(QSize size)
    {
        form.resize(size);
        QApplication::processEvents();
    }

    // The window with each of its tabs, `prefix` naming the state; the first tab is shown after.
    std::vector<Shot> Pictures(const QString& prefix)
    {
        std::vector<Shot> shots;
        for (int i = 0; i < Tabs()->count(); ++i) {
            ShowTab(i);
            shots.push_back({prefix + Tabs()->widget(i)->objectName(),
                             form.grab().toImage().convertToFormat(QImage::Format_RGB32)});
        }
        ShowTab(0);
        return shots;
    }

    // Each shot against the kept picture of its name (or kept, when asked to rewrite them).
    static void ExpectKeptPictures(const std::vector<Shot>& shots)
    {
        const bool rewrite = qEnvironmentVariableIsSet("ORVEK_WRITE_START_PICTURES");
        QDir().mkpath(kPicturesDir);
        for (const Shot& shot : shots) {
            const QString path = kPicturesDir + QLatin1Char('/') + shot.name + QStringLiteral(".png");
            if (rewrite) {
                ASSERT_TRUE(shot.image.save(path)) << path.toStdString();
            }
            const QImage kept = QImage(path).convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(kept.isNull()) << "no kept picture " << path.toStdString();
            EXPECT_EQ(shot.image.size(), kept.size()) << shot.name.toStdString();
            if (shot.image != kept) {
                const QString seen = QDir::temp().filePath(shot.name + QStringLiteral("-seen.png"));
                shot.image.save(seen);
                ADD_FAILURE() << shot.name.toStdString() << " differs from " << path.toStdString() << "; seen in "
                              << seen.toStdString();
            }
        }
    }

    static void ExpectSamePictures(const std::vector<Shot>& seen, const std::vector<Shot>& expected)
    {
        ASSERT_EQ(seen.size(), expected.size());
        for (std::size_t i = 0; i < seen.size(); ++i)
            EXPECT_TRUE(seen[i].image == expected[i].image) << seen[i].name.toStdString();
    }

private:
    int flashTime_ = QApplication::cursorFlashTime();
};

}  // namespace

TEST_F(WindowGrowthTest, StartsAtItsSizeLookingAsItAlwaysDid)
{
    EXPECT_EQ(form.size(), kStartSize);
    ExpectKeptPictures({{QStringLiteral("startup"), form.grab().toImage().convertToFormat(QImage::Format_RGB32)}});
    Calculate();
    ExpectKeptPictures(Pictures(QStringLiteral("calculated-")));
}

TEST_F(WindowGrowthTest, StartSizeIsTheSmallestAndTheWindowCanBeMaximised)
{
    EXPECT_EQ(form.minimumSize(), kStartSize);
    EXPECT_GT(form.maximumWidth(), kStartSize.width());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    ResizeTo(QSize(500, 400));
    EXPECT_EQ(form.size(), kStartSize);
}

TEST_F(WindowGrowthTest, ChartsAndTableGrowAndComeBackToTheStartPictures)
{
    auto* positions = FindComponent<QLineEdit>(form, "Edit10");
    TypeInto(positions, QStringLiteral("100"));  // more rows than the start size shows
    LeaveWithTab(positions);
    Calculate();
    const std::vector<Shot> start = Pictures(QStringLiteral("calculated-"));
    std::map<QString, std::pair<QSize, int>> startCharts;  // size and painted plot width
    for (TChart* chart : form.findChildren<TChart*>())
        startCharts[chart->objectName()] = {chart->size(), chart->PlotRect().Width()};
    auto* grid = FindComponent<StringGrid>(form, "StringGrid1");
    const int startLastRow = grid->rowAt(grid->viewport()->height() - 1);
    ASSERT_GE(startLastRow, 0);

    ResizeTo(QSize(1400, 1000));
    ASSERT_EQ(form.size(), QSize(1400, 1000));
    EXPECT_GT(grid->rowAt(grid->viewport()->height() - 1), startLastRow) << "the table shows more rows";
    EXPECT_GT(grid->width(), 1300);
    int checked = 0;
    for (int i = 0; i < Tabs()->count(); ++i) {
        ShowTab(i);
        for (TChart* chart : Tabs()->widget(i)->findChildren<TChart*>()) {
            if (!chart->isVisible())
                continue;
            const QString name = chart->objectName();
            const auto& [size, plotWidth] = startCharts.at(name);
            chart->grab();  // paints it
            EXPECT_GT(chart->width(), size.width() + 200) << name.toStdString();
            EXPECT_GT(chart->height(), size.height() + 100) << name.toStdString();
            // The plot of the last paint spans the new width, not the start one.
            EXPECT_GT(chart->PlotRect().Width(), plotWidth + (chart->width() - size.width()) / 2) << name.toStdString();
            EXPECT_LE(chart->PlotRect().right, chart->width()) << name.toStdString();
            ++checked;
        }
    }
    EXPECT_GE(checked, 6) << "the six diagrams and the tabs' charts";

    ResizeTo(kStartSize);
    ExpectSamePictures(Pictures(QStringLiteral("calculated-")), start);
}

TEST_F(WindowGrowthTest, TabsFirstShownInALargerWindowLookAsAtStartBackAtTheStartSize)
{
    Calculate();
    ResizeTo(QSize(1400, 1000));
    for (int i = 0; i < Tabs()->count(); ++i)
        ShowTab(i);
    const auto* upper = FindComponent<QWidget>(form, "Panel2");
    EXPECT_GT(upper->height(), 225 + 200) << "the upper charts share the growth";
    EXPECT_GT(FindComponent<QWidget>(form, "Chart2")->width(), 352 + 300);
    ResizeTo(kStartSize);
    ExpectKeptPictures(Pictures(QStringLiteral("calculated-")));
}

TEST_F(WindowGrowthTest, PanesDraggedByTheUserKeepTheirShareAsTheWindowGrows)
{
    ShowTab(1);
    auto* splitter = FindComponent<QSplitter>(form, "Splitter1");
    // The user drags the handle between the two upper charts 152 pixels to the left.
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(handle, grip - QPoint(152, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip - QPoint(152, 0));
    const int dragged = splitter->sizes()[0];
    ASSERT_LT(dragged, 352 - 100);
    const double share = double(dragged) / (splitter->width() - splitter->handleWidth());
    ResizeTo(QSize(1400, 1000));
    const QList<int> sizes = splitter->sizes();
    EXPECT_NEAR(sizes[0] / double(sizes[0] + sizes[1]), share, 0.01);
    ResizeTo(kStartSize);
    EXPECT_EQ(splitter->sizes()[0], dragged);
}
