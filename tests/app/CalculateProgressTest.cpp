// A long Calculate computes on a worker thread behind the modal "CalculateProgress" dialog: the
// window keeps processing events, Cancel leaves everything exactly as it was, a fault reaches the
// error box once, and a completed run gives what the plain path gives.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "chart/FastLineSeries.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/ResultsTableModel.h"
#include "views/StringGrid.h"
#include "views/TImage.h"

#include <QListWidget>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <cstring>

namespace {

// Everything Cancel must leave as it was.
struct Visible {
    QStringList table, list;
    QList<int> seriesCounts;
    QByteArray record;
    QString lbcText;
    int calculations = 0;
    QImage image1, image2;

    bool operator==(const Visible& o) const
    {
        return table == o.table && list == o.list && seriesCounts == o.seriesCounts && record == o.record
               && lbcText == o.lbcText && calculations == o.calculations && image1 == o.image1 && image2 == o.image2;
    }
};

class CalculateProgressTest : public MainWindowFixture<> {
protected:
    QStringList TableTexts()
    {
        ResultsTableModel* model = FindComponent<StringGrid>(form, "StringGrid1")->Model();
        QStringList texts;
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                texts << model->CellText(r, c);
        return texts;
    }
    Visible Snapshot()
    {
        Visible v;
        v.table = TableTexts();
        auto* list = FindComponent<QListWidget>(form, "ListBox1");
        for (int i = 0; i < list->count(); ++i)
            v.list << list->item(i)->text();
        for (const char* name : {"Series1", "Series2", "Series3", "Series4", "Series5", "Series6", "Series7"})
            v.seriesCounts << FindComponent<TFastLineSeries>(form, name)->Count();
        v.record = QByteArray(reinterpret_cast<const char*>(&form.MechanismRecord()), sizeof(Mechanism));
        v.lbcText = FindComponent<QLineEdit>(form, "Edit3")->text();
        v.calculations = form.CalculationCount();
        v.image1 = FindComponent<TImage>(form, "Image1")->Picture();
        v.image2 = FindComponent<TImage>(form, "Image2")->Picture();
        return v;
    }

};

TEST_F(CalculateProgressTest, CancelLeavesEverythingAsItWasWhileTheWindowKeptProcessingEvents)
{
    Calculate();  // a first result, so that Cancel has something to keep
    Enter("Edit10", QStringLiteral("30000"));
    const Visible before = Snapshot();

    form.SetProgressDialogThreshold(1000);
    int ticks = 0;
    int seenValue = 0;
    bool cancelled = false;
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        ++ticks;
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (!dialog || cancelled)
            return;
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CalculateProgress"));
        EXPECT_EQ(dialog->labelText(), QStringLiteral("Расчёт механизма…"));
        seenValue = dialog->value();
        if (seenValue > 0) {
            auto* cancel = dialog->findChild<QPushButton*>();
            ASSERT_NE(cancel, nullptr);
            EXPECT_EQ(cancel->text(), QStringLiteral("Отмена"));
            cancelled = true;
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });
    watcher.start();
    Calculate();
    watcher.stop();

    EXPECT_TRUE(cancelled) << "the bar never moved";
    EXPECT_GT(ticks, 1) << "the window's thread processed timer events during the computation";
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_TRUE(Snapshot() == before);
}

TEST_F(CalculateProgressTest, TheDialogPathGivesTheSameTableAsThePlainPath)
{
    Enter("Edit10", QStringLiteral("500"));
    form.SetProgressDialogThreshold(1000000);
    Calculate();
    const Visible plain = Snapshot();

    TForm4 second;
    ShowActive(second);
    auto* edit = FindComponent<QLineEdit>(second, "Edit10");
    TypeInto(edit, QStringLiteral("500"));
    LeaveWithTab(edit);
    second.SetProgressDialogThreshold(1);
    QTest::mouseClick(FindComponent<QPushButton>(second, "Button4"), Qt::LeftButton);
    EXPECT_TRUE(messages.all.isEmpty());
    ResultsTableModel* model = FindComponent<StringGrid>(second, "StringGrid1")->Model();
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            texts << model->CellText(r, c);
    EXPECT_EQ(texts, plain.table);
    EXPECT_EQ(second.MechanismRecord().Lbc, form.MechanismRecord().Lbc);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the dialog is gone";
}

TEST_F(CalculateProgressTest, AFaultInTheWorkerShowsTheErrorBoxOnceOnTheWindowsThread)
{
    Enter("Edit4", QStringLiteral("0,05"));
    form.SetProgressDialogThreshold(1);
    Calculate();
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Invalid floating point operation.")});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
