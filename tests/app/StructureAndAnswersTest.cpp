// The tab "Структура", the window "Ход решения" and the window "Проверка ответов" driven like a
// user: found by name in the main window, opened from the drawing tab and the menu, typed into
// with real key events, and compared with the result they read.

#include "app/AnswersWindow.h"
#include "MainWindowFixture.h"
#include "app/MainForm.h"
#include "app/ResultPublisher.h"
#include "app/SolutionWindow.h"
#include "app/StructureTab.h"
#include "kinematics/NumberText.h"
#include "kinematics/ResultPositions.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"
#include "views/StructureScheme.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

namespace {

class StructureAndAnswersTest : public MainWindowFixture<> {
protected:
    void Calculate()
    {
        QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton);
        ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
        ASSERT_NE(form.Result(), nullptr);
    }

    // Triggers an item of the menu "Решение" as a click on it does.
    void Choose(const char* action)
    {
        QMenu* menu = FindComponent<QMenu>(form, "MenuSolution");
        ASSERT_NE(menu, nullptr);
        QAction* item = FindComponent<QAction>(*menu, action);
        ASSERT_NE(item, nullptr);
        item->trigger();
        QApplication::processEvents();
    }

    // Types `text` into a cell of the answers table as a user does: the cell's editor opens on a key.
    static void TypeCell(QTableWidget* table, int row, int column, const QString& text)
    {
        table->setCurrentCell(row, column);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    static QString Cell(QTableWidget* table, int row, int column)
    {
        const QTableWidgetItem* item = table->item(row, column);
        return item ? item->text() : QString();
    }

    static QString Text(double x) { return QString::fromStdString(FormatGeneral(x)); }

    double Exact(PositionQuantity q, int k) const { return *ExactValue(SolvedTableOf(*form.Result()), q, k); }
};

TEST_F(StructureAndAnswersTest, TheStructureTabShowsTheAnalysisBeforeACalculateAndTheTurnVerdictAfterIt)
{
    auto* tabs = FindComponent<QTabWidget>(form, "PageControl1");
    auto* tab = FindComponent<StructureTab>(form, "TabStructure");
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tabs->tabText(tabs->indexOf(tab)), QStringLiteral("Структура"));
    tabs->setCurrentWidget(tab);
    QApplication::processEvents();

    const QString before = tab->Text();
    for (const char* piece : {"W = 3n − 2p5 − p4 = 3·5 − 2·7 − 0 = 1", "I(0,1) → II(2,3) → II(4,5)",
                              "Группа Ассура 2–3", "Группа Ассура 4–5", "Механизм II класса",
                              "появится после расчёта"})
        EXPECT_TRUE(before.contains(QString::fromUtf8(piece))) << piece;

    Calculate();
    const QString after = tab->Text();
    EXPECT_FALSE(after.contains(QStringLiteral("появится после расчёта")));
    EXPECT_TRUE(after.contains(QStringLiteral("Условие Грасгофа s + l ≤ p + q")));
    EXPECT_TRUE(after.contains(QStringLiteral("Механизм проворачивается полностью")));
    // The rocker the study adopted is the one checked.
    EXPECT_TRUE(after.contains(QStringLiteral("lBC = 0,9 м"))) << after.toStdString();
}

TEST_F(StructureAndAnswersTest, TheSchemeDrawsEveryGroupOntoAnyDevice)
{
    const StructuralAnalysis s = AnalyseMechanismStructure();
    QImage image(660, 190, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintStructureScheme(painter, QRectF(image.rect()), s);
    }
    // Ink in each of the three parts: the primary mechanism and the two groups.
    for (int part = 0; part < 3; ++part) {
        int dark = 0;
        for (int x = part * 220 + 10; x < part * 220 + 200; ++x)
            for (int y = 0; y < 190; ++y)
                dark += qGray(image.pixel(x, y)) < 128;
        EXPECT_GT(dark, 200) << "part " << part;
    }
    // A box of no size paints nothing.
    QImage untouched(50, 50, QImage::Format_RGB32);
    untouched.fill(Qt::white);
    const QImage copy = untouched.copy();
    {
        QPainter painter(&untouched);
        PaintStructureScheme(painter, QRectF(0, 0, 0, 40), s);
    }
    EXPECT_EQ(untouched, copy);
}

TEST_F(StructureAndAnswersTest, TheWorkedSolutionOfTheDrawnPositionAndOfATablePositionCopiesWhole)
{
    Calculate();
    auto* tabs = FindComponent<QTabWidget>(form, "PageControl1");
    tabs->setCurrentIndex(3);
    QApplication::processEvents();
    TypeInto(FindComponent<QLineEdit>(form, "Edit5"), QStringLiteral("3"));
    QApplication::processEvents();
    // The button covers none of the tab's controls and pictures, and shows its whole text.
    auto* button = FindComponent<QPushButton>(form, "SolutionButton");
    const QRect place(button->mapTo(&form, QPoint(0, 0)), button->size());
    for (const char* other : {"ButtonFitDrawing", "Image1", "Image2", "ScrollBar1", "Edit6", "Edit9", "Edit11"}) {
        auto* widget = FindComponent<QWidget>(form, other);
        ASSERT_NE(widget, nullptr) << other;
        EXPECT_FALSE(place.intersects(QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size()))) << other;
    }
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width());
    QTest::mouseClick(FindComponent<QPushButton>(form, "SolutionButton"), Qt::LeftButton);
    auto* window = FindComponent<SolutionWindow>(form, "SolutionWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ход решения"));

    // After a Calculate, Edit5 selects among the drawings' own 180 positions.
    const int drawn = 3;
    const QString drawnText = QString::fromStdString(WorkedSolutionText(WorkResultPosition(*form.Result(), ResultSolve::Diagrams, drawn)));
    EXPECT_TRUE(window->Text().endsWith(drawnText)) << window->Text().left(300).toStdString();

    // Back in the window after another position was chosen on the drawing tab: that position.
    QApplication::setActiveWindow(&form);
    TypeInto(FindComponent<QLineEdit>(form, "Edit5"), QStringLiteral("5"));
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
    const QString fifth = QString::fromStdString(WorkedSolutionText(WorkResultPosition(*form.Result(), ResultSolve::Diagrams, 5)));
    EXPECT_TRUE(window->Text().endsWith(fifth)) << window->Text().left(300).toStdString();

    auto* spin = FindComponent<QSpinBox>(*window, "SolutionPosition");
    EXPECT_EQ(spin->maximum(), 7);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_TRUE(FindComponent<QRadioButton>(*window, "SolutionTablePosition")->isChecked());
    const QString tableText = QString::fromStdString(WorkedSolutionText(WorkResultPosition(*form.Result(), ResultSolve::Table, 2)));
    EXPECT_EQ(window->Text(), tableText);
    EXPECT_TRUE(tableText.startsWith(QStringLiteral("Ход решения: положение 2 из 8")));
    EXPECT_TRUE(tableText.contains(QStringLiteral("Силы")));

    QTest::mouseClick(FindComponent<QPushButton>(*window, "SolutionCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tableText);

    QTest::mouseClick(FindComponent<QPushButton>(*window, "SolutionAddToReport"), Qt::LeftButton);
    EXPECT_EQ(window->ReportPositions(), std::vector<int>{2});
    QTest::mouseClick(FindComponent<QPushButton>(*window, "SolutionClearReport"), Qt::LeftButton);
    EXPECT_TRUE(window->ReportPositions().empty());
}

TEST_F(StructureAndAnswersTest, TypedAnswersGetTheirErrorsVerdictColoursAndSummary)
{
    Calculate();
    Choose("AnswersAction");
    auto* window = FindComponent<AnswersWindow>(form, "AnswersWindow");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    QApplication::setActiveWindow(window);
    auto* table = FindComponent<QTableWidget>(*window, "AnswersTable");
    EXPECT_EQ(FindComponent<QLineEdit>(*window, "AnswersTolerance")->text(), QStringLiteral("5"));

    const double vB = Exact(PositionQuantity::VB, 2);
    const double eps3 = Exact(PositionQuantity::Eps3, 4);
    const double aD = Exact(PositionQuantity::AD, 1);
    const struct {
        QString position, name, value;
    } rows[] = {
        {QStringLiteral("2"), QStringLiteral("vB"), Text(vB)},
        {QStringLiteral("4"), QStringLiteral("ε3"), Text(eps3 * 1.04)},
        {QStringLiteral("1"), QStringLiteral("aD"), Text(aD * 1.06)},
        {QStringLiteral("1"), QStringLiteral("vF"), QStringLiteral("0,5")},
        {QStringLiteral("1"), QStringLiteral("vA"), QStringLiteral("быстро")},
    };
    for (int r = 0; r < 5; ++r) {
        TypeCell(table, r, AnswersWindow::Position, rows[r].position);
        TypeCell(table, r, AnswersWindow::Name, rows[r].name);
        TypeCell(table, r, AnswersWindow::Given, rows[r].value);
    }
    QTest::mouseClick(FindComponent<QPushButton>(*window, "AnswersCheck"), Qt::LeftButton);

    EXPECT_EQ(Cell(table, 0, AnswersWindow::Exact), QString::fromStdString(FormatSignificant(vB, 6)));
    EXPECT_EQ(Cell(table, 0, AnswersWindow::RelativeError), QStringLiteral("0"));
    EXPECT_EQ(Cell(table, 1, AnswersWindow::RelativeError), QStringLiteral("4"));
    EXPECT_EQ(Cell(table, 1, AnswersWindow::Verdict), QStringLiteral("в пределах 5 %"));
    EXPECT_EQ(Cell(table, 2, AnswersWindow::RelativeError), QStringLiteral("6"));
    EXPECT_EQ(Cell(table, 2, AnswersWindow::Verdict), QStringLiteral("вне допуска 5 %"));
    const QColor within = table->item(1, AnswersWindow::Verdict)->background().color();
    const QColor outside = table->item(2, AnswersWindow::Verdict)->background().color();
    EXPECT_GT(within.green(), within.red()) << "green";
    EXPECT_GT(outside.red(), outside.green()) << "red";
    EXPECT_TRUE(Cell(table, 3, AnswersWindow::Verdict).startsWith(QStringLiteral("неизвестная величина «vF»")));
    EXPECT_EQ(Cell(table, 4, AnswersWindow::Verdict), QStringLiteral("значение «быстро» — не число"));
    EXPECT_EQ(window->SummaryText(), QStringLiteral("2 из 3 в пределах 5 %; не проверено: 2"));
    EXPECT_TRUE(window->MessagesText().contains(QStringLiteral("«vF»")));

    // A wider tolerance passes the 6 % answer too.
    TypeInto(FindComponent<QLineEdit>(*window, "AnswersTolerance"), QStringLiteral("6,5"));
    QTest::mouseClick(FindComponent<QPushButton>(*window, "AnswersCheck"), Qt::LeftButton);
    EXPECT_EQ(window->SummaryText(), QStringLiteral("3 из 3 в пределах 6,5 %; не проверено: 2"));
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
}

TEST_F(StructureAndAnswersTest, AnAnswersFileFillsTheTableAndNamesItsBadLines)
{
    Calculate();
    const double mb = Exact(PositionQuantity::Mb, 5);
    const QString path = dir.file(QStringLiteral("ответы.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBFПоложение;Величина;Значение\r\n5;Mb;" + QByteArray::fromStdString(FormatGeneral(mb))
               + "\r\nпять;vA;1\r\n6;w2;1\r\n");
    file.close();

    Choose("AnswersAction");
    auto* window = FindComponent<AnswersWindow>(form, "AnswersWindow");
    ASSERT_TRUE(window->LoadFile(path));
    auto* table = FindComponent<QTableWidget>(*window, "AnswersTable");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(Cell(table, 0, AnswersWindow::Name), QStringLiteral("Mb"));
    EXPECT_EQ(Cell(table, 0, AnswersWindow::Verdict), QStringLiteral("в пределах 5 %"));
    EXPECT_EQ(Cell(table, 1, AnswersWindow::Verdict), QStringLiteral("вне допуска 5 %"));
    EXPECT_EQ(window->SummaryText(), QStringLiteral("1 из 2 в пределах 5 %"));
    EXPECT_TRUE(window->MessagesText().contains(QStringLiteral("строка 3"))) << window->MessagesText().toStdString();

    EXPECT_FALSE(window->LoadFile(dir.file(QStringLiteral("нет.csv"))));
    EXPECT_EQ(messages.messages.size(), 1);
}

}  // namespace
