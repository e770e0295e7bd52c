// The Calculate command end to end on the main window: the study's choice, the table to the last
// digit against the independently computed reference, the dead-position list, the refusals and
// the error box, and copying cells for reports.

#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "kinematics/NumberText.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/ResultsTableModel.h"
#include "views/StringGrid.h"

#include <QClipboard>
#include <QTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

namespace {

QList<QStringList> ReadReferenceRows(const char* name)
{
    QFile file(QStringLiteral(ORVEK_SOURCE_DIR "/tests/kinematics/data/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        rows << QString::fromUtf8(line).split(u'\t');
    }
    return rows;
}

class CalculateTest : public MainWindowFixture<> {
protected:
    StringGrid* Grid() { return FindComponent<StringGrid>(form, "StringGrid1"); }
    QLineEdit* Edit(const char* name) { return FindComponent<QLineEdit>(form, name); }
};

TEST_F(CalculateTest, DefaultsGiveTheReferenceTableToTheLastDigit)
{
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(Edit("Edit3")->text(), QStringLiteral("0,9"));
    EXPECT_EQ(form.MechanismRecord().Lbc, 0.9);

    const QList<QStringList> reference = ReadReferenceRows("defaults-n8-table.tsv");
    ASSERT_EQ(reference.size(), 9) << "header and eight rows";
    ResultsTableModel* model = Grid()->Model();
    ASSERT_EQ(model->rowCount(), 8);
    ASSERT_EQ(model->columnCount(), 14);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 14; ++c)
            EXPECT_EQ(model->CellText(r, c), reference[r + 1][c]) << "row " << r << " column " << c;
    EXPECT_EQ(Grid()->FixedRows(), 1);
}

TEST_F(CalculateTest, TheDeadPositionListDescribesTheLatestCalculate)
{
    Calculate();
    auto* list = FindComponent<QListWidget>(form, "ListBox1");
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    EXPECT_EQ(lines, (QStringList{QStringLiteral("1,48352986419518"), QStringLiteral("1,50098315671512"),
                                  QStringLiteral("4,62512251778497"), QStringLiteral("4,64257581030492")}));
    // The second Calculate scans with the rocker length the first one chose.
    Calculate();
    EXPECT_EQ(form.CalculationCount(), 2);
    ASSERT_NE(form.Result(), nullptr);
    EXPECT_EQ(list->count(), form.Result()->Kinematics().study.DeadCount);
}

TEST_F(CalculateTest, ASecondCalculateKeepsTheUsersCountOfRows)
{
    Calculate();
    Calculate();
    EXPECT_EQ(Grid()->Model()->rowCount(), 8);
    EXPECT_EQ(form.MechanismRecord().PositionCount, 8);
    EXPECT_EQ(Edit("Edit10")->text(), QStringLiteral("8"));
}

TEST_F(CalculateTest, OneRowTableHasNoFixedRowAndCellsShowTheirRounding)
{
    Enter("Edit10", QStringLiteral("1"));
    Calculate();
    EXPECT_EQ(Grid()->Model()->rowCount(), 1);
    EXPECT_EQ(Grid()->FixedRows(), 0);
    EXPECT_EQ(Grid()->Model()->CellText(0, 0), QStringLiteral("0,1"));
}

TEST_F(CalculateTest, TooManyPositionsAreRefusedAndNothingChanges)
{
    Enter("Edit10", QStringLiteral("100001"));
    messages.Clear();
    Calculate();
    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("Слишком большое количество положений механизма (не более 100000)")});
    EXPECT_EQ(form.CalculationCount(), 0);
    EXPECT_EQ(Edit("Edit3")->text(), QStringLiteral("0,6"));
}

TEST_F(CalculateTest, AFloatingPointFaultReachesTheErrorBoxOnceAndTheWindowGoesOn)
{
    // Fields never let a zero through to Calculate; a parameter file can.
    form.MechanismRecord().Lde = 0;
    form.ShowParameters();
    messages.Clear();
    Calculate();
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Floating point division by zero.")});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor is restored";
    EXPECT_EQ(form.Result(), nullptr) << "a failed Calculate publishes nothing";
    Enter("Edit4", QStringLiteral("0,5"));
    messages.Clear();
    Calculate();
    EXPECT_TRUE(messages.all.isEmpty());
    EXPECT_EQ(Grid()->Model()->rowCount(), 8);
}

TEST_F(CalculateTest, ANonAssemblingMechanismLeavesBlankRows)
{
    Enter("Edit7", QStringLiteral("1,3"));
    Enter("Edit3", QStringLiteral("0,6"));
    Calculate();
    // The study picks a length that assembles; every row of the final solve is filled.
    EXPECT_FALSE(Grid()->Model()->CellText(7, 13).isEmpty());
    Enter("Edit7", QStringLiteral("5"));
    messages.Clear();
    Calculate();
    EXPECT_EQ(Grid()->Model()->rowCount(), 8);
    for (int r = 0; r < 8; ++r)
        EXPECT_TRUE(Grid()->Model()->CellText(r, 0).isEmpty()) << "row " << r;
}

TEST_F(CalculateTest, CtrlCCopiesTheSelectedCellsUnrounded)
{
    Calculate();
    StringGrid* grid = Grid();
    grid->setFocus();
    const QAbstractItemModel* model = grid->model();
    grid->selectionModel()->select(QItemSelection(model->index(0, 12), model->index(1, 13)),
                                   QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const PositionArrays& a = form.Result()->Kinematics().table.positions;
    const auto text = [](double v) { return QString::fromStdString(FormatGeneral(v)); };
    const QString expected = text(a.Ye[0]) + u'\t' + text(a.Ve[0]) + u'\n' + text(a.Ye[1]) + u'\t' + text(a.Ve[1]) + u'\n';
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
    // What the cells show stays rounded: Ve of position 0 reads 0,048.
    EXPECT_EQ(grid->Model()->CellText(0, 13), QStringLiteral("0,048"));
}

TEST_F(CalculateTest, ExitAsksAndOnlyYesEndsTheLoop)
{
    messages.answerYes = false;
    form.N6Click();
    EXPECT_EQ(messages.questions, QStringList{QStringLiteral("Вы уверены что хотите выйти из программы ? ")});
    EXPECT_TRUE(form.isVisible());

    messages.answerYes = true;
    bool quitRequested = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quitRequested = true; });
    QTimer::singleShot(0, [&] { form.N6Click(); });
    // The safety exit dies with the test: fired later, it would end every event loop after it.
    QObject safety;
    QTimer::singleShot(2000, &safety, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(quitRequested);
}

}  // namespace
