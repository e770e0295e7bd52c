// "Файл → Листы курсового проекта…" driven as a student drives it: the dialog opened from the
// menu's action, its fields typed with real key events (Cyrillic one character at a time), the
// format chosen with the arrow keys, refusals answered, and OK clicked; then the files it wrote
// read by poppler, librsvg and ezdxf. A second opening shows the last answers, and Escape writes
// nothing.

#include "ReportTestSupport.h"
#include "SheetDxfCheck.h"

#include "app/MainForm.h"
#include "app/ModalAnswer.h"
#include "report/SheetLayout.h"
#include "report/Sheets.h"

#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SheetsDialogTest : public ::testing::Test {
protected:
    SheetsDialogTest() { ShowActive(form); }

    void Calculate() { QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton); }
    // Opens the dialog from its action and runs `drive` on it while it is modal.
    bool Open(const std::function<void(QDialog&)>& drive)
    {
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            ASSERT_TRUE(dialog);
            // No window manager activates it: the keys must reach the dialog, not the window.
            QApplication::setActiveWindow(dialog);
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            drive(*dialog);
            if (dialog->isVisible())
                dialog->reject();  // a failed step never leaves the box open
        });
        FindComponent<QAction>(form, "ActionSheets")->trigger();
        EXPECT_FALSE(answer.timedOut());
        return answer.answered();
    }
    // Clicks "Записать листы" and returns the message it brought, if any.
    QString ClickWrite(QDialog& dialog)
    {
        messages.Clear();
        auto* buttons = FindComponent<QDialogButtonBox>(dialog, "SheetsButtons");
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return messages.messages.isEmpty() ? QString() : messages.messages.join(u'|');
    }

    TempWorkDir dir;
    RecordingMessages messages;
    TForm4 form;
};

TEST_F(SheetsDialogTest, TypedAnswersWriteTheSheetsTheyAskFor)
{
    auto* action = FindComponent<QAction>(form, "ActionSheets");
    EXPECT_FALSE(action->isEnabled()) << "the sheets wait for a result";
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    ASSERT_TRUE(action->isEnabled());
    const QString folder = dir.file(QStringLiteral("листы"));
    ASSERT_TRUE(QDir().mkdir(folder));

    const bool opened = Open([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("SheetsDialog"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Листы курсового проекта"));
        auto* count = FindComponent<QLineEdit>(dialog, "EditSheetSchemePositions");
        EXPECT_EQ(count->text(), QStringLiteral("12")) << "the usual assignment's 12 positions";
        TypeInto(FindComponent<QLineEdit>(dialog, "EditSheetStudent"), QStringLiteral("Иванов И. И."));
        TypeInto(FindComponent<QLineEdit>(dialog, "EditSheetGroup"), QStringLiteral("ТМ-21"));
        TypeInto(FindComponent<QLineEdit>(dialog, "EditSheetTeacher"), QStringLiteral("Петров П. П."));
        auto* format = FindComponent<QComboBox>(dialog, "ComboSheetFormat");
        LeaveWithTab(FindComponent<QLineEdit>(dialog, "EditSheetTeacher"));
        EXPECT_EQ(QApplication::focusWidget(), format) << "Tab goes on to the format";
        QTest::keyClick(format, Qt::Key_Down);
        QTest::keyClick(format, Qt::Key_Down);
        EXPECT_EQ(format->currentText(), QStringLiteral("A3"));

        // Each refusal keeps the dialog open with the focus on the field to mend.
        TypeInto(count, QStringLiteral("30"));
        EXPECT_EQ(ClickWrite(dialog), QStringLiteral("Число положений схемы — целое от 1 до 24."));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), count);
        TypeInto(count, QStringLiteral("7"));
        auto* positions = FindComponent<QLineEdit>(dialog, "EditSheetPositions");
        TypeInto(positions, QStringLiteral("6,9"));
        EXPECT_EQ(ClickWrite(dialog),
                  QStringLiteral("Положения задаются двумя номерами от 0 до 6 через запятую, например 2,8."));
        EXPECT_EQ(QApplication::focusWidget(), positions);
        TypeInto(positions, QStringLiteral("6,2"));
        auto* folderEdit = FindComponent<QLineEdit>(dialog, "EditSheetFolder");
        TypeInto(folderEdit, QString());
        EXPECT_EQ(ClickWrite(dialog), QStringLiteral("Укажите папку для листов."));
        TypeInto(folderEdit, dir.file(QStringLiteral("нет такой")));
        EXPECT_FALSE(ClickWrite(dialog).isEmpty()) << "a folder that does not exist";
        EXPECT_EQ(QApplication::focusWidget(), folderEdit);
        TypeInto(folderEdit, folder);
        EXPECT_EQ(ClickWrite(dialog), QString());
        EXPECT_FALSE(dialog.isVisible()) << "accepted";
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_TRUE(form.statusBar()->currentMessage().startsWith(QStringLiteral("Листы (9 файлов) записаны в папку")))
        << form.statusBar()->currentMessage().toStdString();

    // What was written, read by the independent readers.
    const SheetSizeMm a3 = SheetSizeOf(SheetFormat::A3);
    const QString pdf = QDir(folder).filePath(QStringLiteral("sheet1.pdf"));
    const QRegularExpressionMatch page = QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts"))
                                             .match(ToolOutput(QStringLiteral("pdfinfo"), {pdf}));
    ASSERT_TRUE(page.hasMatch());
    EXPECT_NEAR(page.captured(1).toDouble(), a3.width * 72 / 25.4, 1);
    EXPECT_NEAR(page.captured(2).toDouble(), a3.height * 72 / 25.4, 1);
    const QString text = PdfText(pdf);
    for (const char* wanted : {"Иванов И. И.", "ТМ-21", "Петров П. П.", "в 7 положениях", "положение 6 (φ = 308,57°)",
                               "положение 2 (φ = 102,86°)"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(wanted))) << wanted;
    const QString png = QDir(folder).filePath(QStringLiteral("sheet1.png"));
    ToolOutput(QStringLiteral("rsvg-convert"), {QStringLiteral("-d"), QStringLiteral("25.4"), QStringLiteral("-p"),
                                                QStringLiteral("25.4"), QStringLiteral("-o"), png,
                                                QDir(folder).filePath(QStringLiteral("sheet1.svg"))});
    EXPECT_EQ(QImage(png).size(), QSize(static_cast<int>(a3.width), static_cast<int>(a3.height)));
    const CalculationResult seven = WithSchemePositions(*form.Result(), 7);
    EXPECT_EQ(SheetDxfVerdict(folder, seven, 6).toStdString(), "");

    // Opened again it shows the last answers; Escape closes it and writes nothing.
    const QStringList before = QDir(folder).entryList(QDir::Files);
    ASSERT_TRUE(QFile::remove(pdf));
    const bool again = Open([&](QDialog& dialog) {
        EXPECT_EQ(FindComponent<QLineEdit>(dialog, "EditSheetStudent")->text(), QStringLiteral("Иванов И. И."));
        EXPECT_EQ(FindComponent<QLineEdit>(dialog, "EditSheetSchemePositions")->text(), QStringLiteral("7"));
        EXPECT_EQ(FindComponent<QLineEdit>(dialog, "EditSheetPositions")->text(), QStringLiteral("6,2"));
        EXPECT_EQ(FindComponent<QComboBox>(dialog, "ComboSheetFormat")->currentText(), QStringLiteral("A3"));
        EXPECT_EQ(FindComponent<QLineEdit>(dialog, "EditSheetFolder")->text(), folder);
        QTest::keyClick(KeyTarget(&dialog), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    ASSERT_TRUE(again);
    EXPECT_FALSE(QFile::exists(pdf)) << "Escape wrote nothing";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), before.size() - 1);
}

}  // namespace
