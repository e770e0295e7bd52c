// The About box: its look, the modal call from the menu, and the ways of closing it.

#include "app/AboutForm.h"
#include "app/MainForm.h"

#include "ModalAnswer.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLabel* LabelWithText(QWidget* parent, const QString& text)
{
    for (QLabel* label : parent->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

class AboutBox : public ::testing::Test {
protected:
    AboutBox()
    {
        main.SetAboutBox(&about);
        about.SetMainForm(&main);
        main.SetUrlOpener([this](const QUrl& url) {
            opened << url.toString();
            return true;
        });
        main.show();
        main.activateWindow();
    }

    TempWorkDir dir;
    RecordingMessages messages;
    TForm4 main;
    TForm5 about;
    QStringList opened;
};

}  // namespace

TEST_F(AboutBox, WindowAndPanels)
{
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(about.size(), QSize(538, 504));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(about.isVisible()) << "created hidden";
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        EXPECT_LE((about.geometry().center() - screen->availableGeometry().center()).manhattanLength(), 2);
    }

    auto* top = about.findChild<QWidget*>("Panel1");
    ASSERT_TRUE(top);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 538, 433));
    auto* background = about.findChild<QLabel*>("Image1");
    ASSERT_TRUE(background);
    EXPECT_EQ(background->geometry(), QRect(216, 8, 313, 417));
    EXPECT_EQ(background->pixmap().size(), QSize(313, 417));

    auto* frame = about.findChild<QWidget*>("Panel2");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->geometry(), QRect(8, 104, 201, 241));
    auto* side = about.findChild<QLabel*>("Image2");
    ASSERT_TRUE(side);
    EXPECT_EQ(side->size(), QSize(189, 231));
    EXPECT_TRUE(side->hasScaledContents());
    EXPECT_FALSE(side->pixmap().isNull());
}

TEST_F(AboutBox, CaptionsStandWhereAndHowDesigned)
{
    struct Row {
        const char* text;
        QPoint at;
        QColor colour;
        int pixelSize;
        bool bold;
        bool fixedPitch;
    };
    const Row rows[] = {
        {"Tesmar", {219, 14}, Qt::blue, 24, true, false},
        {"- программа", {373, 18}, Qt::red, 19, true, false},
        {"проводящая кинематическое", {221, 42}, Qt::red, 19, true, false},
        {"исследование шарнирно-", {221, 66}, Qt::red, 19, true, false},
        {"рычажного механизма", {221, 90}, Qt::red, 19, true, false},
        {"Версия - 1", {215, 131}, Qt::black, 24, true, true},
        {"Выполнил :", {223, 170}, Qt::red, 24, false, true},
    };
    for (const Row& row : rows) {
        QLabel* label = LabelWithText(&about, QString::fromUtf8(row.text));
        ASSERT_TRUE(label) << row.text;
        EXPECT_EQ(label->mapTo(&about, QPoint(0, 0)), row.at) << row.text;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), row.colour) << row.text;
        EXPECT_EQ(label->font().pixelSize(), row.pixelSize) << row.text;
        EXPECT_EQ(label->font().bold(), row.bold) << row.text;
        EXPECT_EQ(QFontInfo(label->font()).fixedPitch(), row.fixedPitch) << row.text;
        EXPECT_FALSE(label->autoFillBackground()) << row.text;
    }

    // The credit lines run from (223, 210) down to (248, 384), red, fixed pitch.
    int credits = 0;
    bool first = false, last = false;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        const QPoint at = label->mapTo(&about, QPoint(0, 0));
        if (at.y() < 210 || at.y() > 384 || !label->pixmap().isNull())
            continue;
        if (label->parentWidget() == about.findChild<QWidget*>("Panel2"))
            continue;
        ++credits;
        first |= at == QPoint(223, 210);
        last |= at == QPoint(248, 384);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red)) << label->text().toStdString();
        EXPECT_TRUE(QFontInfo(label->font()).fixedPitch()) << label->text().toStdString();
        EXPECT_TRUE(label->font().pixelSize() == 19 || label->font().pixelSize() == 24);
    }
    EXPECT_GE(credits, 3);
    EXPECT_TRUE(first);
    EXPECT_TRUE(last);
}

TEST_F(AboutBox, LinkAndCloseButton)
{
    auto* link = about.findChild<QLabel*>("Label1");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->text(), QStringLiteral("Пример программы с сайта ") + QString::fromLatin1(kWebSiteAddress));
    EXPECT_EQ(link->geometry().topLeft(), QPoint(3, 431));
    EXPECT_EQ(link->width(), 525);
    EXPECT_EQ(link->font().pixelSize(), 19);
    EXPECT_TRUE(link->font().underline());
    EXPECT_TRUE(QFontInfo(link->font()).fixedPitch());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    auto* close = about.findChild<QPushButton*>("Button2");
    ASSERT_TRUE(close);
    EXPECT_EQ(close->text(), QStringLiteral("Закрыть"));
    EXPECT_EQ(close->geometry(), QRect(189, 468, 139, 28));
    EXPECT_TRUE(close->font().bold());
    EXPECT_EQ(close->font().pixelSize(), 16);
    EXPECT_EQ(close->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBox, MenuItemShowsItModallyAndCloseEndsTheCall)
{
    bool wasModal = false;
    ModalAnswer answer([&](QWidget* modal) {
        wasModal = modal == &about && about.isVisible();
        QTest::mouseClick(about.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    });
    QAction* item = main.findChild<QAction*>("N5");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), QStringLiteral("&О программе"));
    item->trigger();
    EXPECT_TRUE(answer.answered());
    EXPECT_FALSE(answer.timedOut());
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(AboutBox, CloseBoxEndsTheModalCallToo)
{
    ModalAnswer answer([](QWidget* modal) { modal->close(); });
    main.N5Click();
    EXPECT_TRUE(answer.answered());
    EXPECT_FALSE(answer.timedOut());
    EXPECT_FALSE(about.isVisible());

    // And it opens again afterwards.
    ModalAnswer again([](QWidget* modal) { modal->close(); });
    main.N5Click();
    EXPECT_TRUE(again.answered());
    EXPECT_FALSE(again.timedOut());
}

TEST_F(AboutBox, LinkClickLeavesTheBoxOpenAndModal)
{
    bool stillOpen = false;
    ModalAnswer answer([&](QWidget*) {
        auto* link = about.findChild<QLabel*>("Label1");
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
        stillOpen = about.isVisible() && QApplication::activeModalWidget() == &about;
        about.findChild<QPushButton*>("Button2")->click();
    });
    main.N5Click();
    EXPECT_FALSE(answer.timedOut());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(opened, QStringList(2, QString::fromLatin1(kWebSiteAddress)));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(AboutBox, FailingLinkShowsTheErrorOnceAndTheBoxStays)
{
    main.SetUrlOpener([](const QUrl&) { return false; });
    bool stillOpen = false;
    ModalAnswer answer([&](QWidget*) {
        QTest::mouseClick(about.findChild<QLabel*>("Label1"), Qt::LeftButton);
        stillOpen = about.isVisible();
        about.findChild<QPushButton*>("Button2")->click();
    });
    main.N5Click();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QString::fromLatin1(kWebSiteAddress)));
}
