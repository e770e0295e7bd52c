// Start-up: the splash, its timer showing the main window once, the application title and icon,
// the message boxes' title, and the end of the program when the main window closes.

#include "app/GuardedHandler.h"
#include "app/MainForm.h"
#include "app/SplashForm.h"
#include "app/UserMessages.h"
#include "kinematics/Errors.h"

#include "ModalAnswer.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* w) { w->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

QLabel* LabelWithText(QWidget* parent, const QString& text)
{
    for (QLabel* label : parent->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

}  // namespace

TEST(Splash, FormCreateSetsTitleIconAndTicks)
{
    QApplication::setWindowIcon(QIcon());
    QApplication::setApplicationName(QStringLiteral("tests"));
    TForm1 splash;
    EXPECT_EQ(splash.SplashTicks(), 0);
    EXPECT_EQ(QApplication::applicationDisplayName(), "Orvek");
    EXPECT_EQ(QApplication::applicationName(), "Orvek");
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    ASSERT_TRUE(splash.Timer());
    EXPECT_TRUE(splash.Timer()->isActive());
    EXPECT_EQ(splash.Timer()->interval(), 1000);
}

TEST(Splash, LooksAsDesigned)
{
    TForm1 splash;
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.size(), QSize(249, 295));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        EXPECT_LE((splash.geometry().center() - screen->availableGeometry().center()).manhattanLength(), 2);
    }

    QWidget* panel = splash.findChild<QWidget*>("Panel1");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 249, 295));
    EXPECT_EQ(panel->cursor().shape(), Qt::WaitCursor);

    auto* picture = splash.findChild<QLabel*>("Image1");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(246, 293));
    EXPECT_FALSE(picture->hasScaledContents());

    struct Title {
        const char* text;
        QPoint at;
        int pixelSize;
    };
    for (const Title& t : {Title{"Расчет механизма", {4, 4}, 24}, Title{"по ТММ", {72, 39}, 19}}) {
        QLabel* label = LabelWithText(&splash, QString::fromUtf8(t.text));
        ASSERT_TRUE(label) << t.text;
        EXPECT_EQ(label->mapTo(&splash, QPoint(0, 0)), t.at) << t.text;
        EXPECT_EQ(label->font().pixelSize(), t.pixelSize) << t.text;
        EXPECT_TRUE(label->font().bold()) << t.text;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x80, 0, 0)) << t.text;
        EXPECT_FALSE(label->autoFillBackground()) << t.text;
    }

    // The titles are painted over the picture: a title pixel is dark red, the yellow panel is
    // covered by the picture.
    const QImage shot = splash.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(249, 295));
    int darkRed = 0;
    for (int y = 4; y < 30; ++y)
        for (int x = 4; x < 200; ++x)
            if (qRed(shot.pixel(x, y)) > 100 && qGreen(shot.pixel(x, y)) < 60 && qBlue(shot.pixel(x, y)) < 60)
                ++darkRed;
    EXPECT_GT(darkRed, 50);
}

TEST(Splash, EveryTickHidesTheSplashButOnlyTheFirstShowsTheMainWindow)
{
    TempWorkDir dir;
    RecordingMessages messages;
    TForm1 splash;
    splash.Timer()->stop();  // the ticks are driven by hand here
    TForm4 main;
    splash.SetMainForm(&main);
    ShowCounter counter(&main);
    splash.show();
    EXPECT_FALSE(main.isVisible());

    splash.Timer1Timer();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.SplashTicks(), 1);
    EXPECT_EQ(counter.shows, 1);

    // The user minimises or hides the main window: later ticks never bring it back.
    main.hide();
    splash.show();
    for (int tick = 0; tick < 5; ++tick)
        splash.Timer1Timer();
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.SplashTicks(), 6);
    EXPECT_EQ(counter.shows, 1);
}

TEST(Splash, RealTimerShowsTheMainWindowAfterAboutOneSecond)
{
    TempWorkDir dir;
    RecordingMessages messages;
    QElapsedTimer clock;
    clock.start();
    TForm1 splash;
    TForm4 main;
    splash.SetMainForm(&main);
    ShowCounter counter(&main);
    splash.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, 5000));
    // A coarse timer may fire up to 5 % early.
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.SplashTicks(), 1);
    EXPECT_TRUE(splash.Timer()->isActive()) << "the timer is never stopped";
    EXPECT_EQ(counter.shows, 1);
}

TEST(Messages, PlainAndErrorBoxesCarryTheApplicationTitle)
{
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    const auto answer = [](Seen& seen) {
        return [&seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) {
                modal->close();
                return;
            }
            seen = {box->windowTitle(), box->text(), box->icon()};
            box->button(QMessageBox::Ok)->click();
        };
    };

    Seen plain;
    {
        ModalAnswer answerer(answer(plain));
        DialogMessages().ShowMessage(QStringLiteral("Ноль недопустим!"));
        EXPECT_TRUE(answerer.answered());
        EXPECT_FALSE(answerer.timedOut());
    }
    EXPECT_EQ(plain.title, "Orvek");
    EXPECT_EQ(plain.text, QStringLiteral("Ноль недопустим!"));
    EXPECT_EQ(plain.icon, QMessageBox::NoIcon);

    // The error box of an event handler, reached through the installed dialogs.
    Seen error;
    {
        ModalAnswer answerer(answer(error));
        EXPECT_FALSE(RunGuarded([] { throw FloatingPointError(kDivisionByZeroText); }));
        EXPECT_TRUE(answerer.answered());
    }
    EXPECT_EQ(error.title, "Orvek");
    EXPECT_EQ(error.text, "Floating point division by zero.");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
}

TEST(Shutdown, ClosingTheMainWindowEndsTheLoopWithoutAQuestion)
{
    TempWorkDir dir;
    RecordingMessages messages;
    TForm1 splash;
    TForm4 main;
    splash.SetMainForm(&main);
    splash.Timer1Timer();
    ASSERT_TRUE(main.isVisible());

    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QTimer::singleShot(0, &main, [&main] { main.close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_FALSE(main.isVisible());
}
