// The web-site link of the main window: a new open request per click, errors in the error box.

#include "app/MainForm.h"

#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kAddress = QString::fromLatin1(kWebSiteAddress);

class WebLink : public ::testing::Test {
protected:
    WebLink()
    {
        form.show();
        form.activateWindow();
        link = form.findChild<QLabel*>("Label16");
    }
    void UseOpener(bool succeeds)
    {
        form.SetUrlOpener([this, succeeds](const QUrl& url) {
            requests << url;
            return succeeds;
        });
    }

    TempWorkDir dir;
    RecordingMessages messages;
    TForm4 form;
    QLabel* link = nullptr;
    QList<QUrl> requests;
};

}  // namespace

TEST_F(WebLink, EveryClickMakesANewRequestForTheSameAddress)
{
    ASSERT_TRUE(link);
    EXPECT_EQ(link->text(), QStringLiteral("Пример программы с сайта ") + kAddress);
    UseOpener(true);
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0], QUrl(kAddress));
    EXPECT_EQ(requests[1], QUrl(kAddress));
    EXPECT_TRUE(requests[0].isValid());
    EXPECT_EQ(requests[0].scheme(), QStringLiteral("http"));
    EXPECT_TRUE(messages.all.isEmpty());
}

TEST_F(WebLink, FailureShowsTheErrorBoxOnceAndTheProgramGoesOn)
{
    UseOpener(false);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(messages.errors[0],
              QStringLiteral("Не удалось открыть адрес ") + kAddress + QStringLiteral(" в браузере."));
    EXPECT_TRUE(messages.messages.isEmpty());

    // Nothing was remembered: the next click asks again and succeeds.
    UseOpener(true);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(requests.size(), 2);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(WebLink, OpenWebPageThrowsForTheErrorBox)
{
    UseOpener(false);
    EXPECT_THROW(form.OpenWebPage(QStringLiteral("https://example.invalid/x")), std::exception);
    UseOpener(true);
    EXPECT_NO_THROW(form.OpenWebPage(QStringLiteral("https://example.invalid/x")));
    EXPECT_EQ(requests.back(), QUrl(QStringLiteral("https://example.invalid/x")));
}
