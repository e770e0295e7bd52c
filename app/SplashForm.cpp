#include "app/SplashForm.h"
#include "views/FormFont.h"

#include "app/BevelPanel.h"
#include "app/GuardedHandler.h"
#include "app/Pictures.h"
#include "app/TextColour.h"
#include "app/UserMessages.h"
#include "app/WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <limits>

namespace {

constexpr int kClientWidth = 249;
constexpr int kClientHeight = 295;
constexpr int kBevelWidth = 2;
constexpr int kTimerInterval = 1000;  // ms
constexpr QRgb kYellow = 0xFFFF00;
constexpr QRgb kNavy = 0x000080;
constexpr QRgb kDarkRed = 0x800000;

QLabel* TitleLabel(QWidget* parent, const char* objectName, const QString& caption, int pixelSize, QPoint at)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QFont font = parent->font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    // Transparent: the picture shows through around the letters.
    label->setAutoFillBackground(false);
    SetTextColour(label, kDarkRed);
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    InitPictureResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(kClientWidth, kClientHeight);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kClientWidth, kClientHeight);
    Panel1->SetColor(QColor(kYellow));
    Panel1->SetBevelOuter(BevelPanel::Bevel::Lowered);
    Panel1->SetBevelInner(BevelPanel::Bevel::Lowered);
    Panel1->SetBevelWidth(kBevelWidth);
    Panel1->setCursor(Qt::WaitCursor);
    Panel1->setFont(FormFont(13, true));
    SetTextColour(Panel1, kNavy);

    // The picture fills the panel inside its bevels at its natural size: what does not fit is
    // cut off, never scaled.
    const int frame = Panel1->FrameWidth();
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(frame, frame, kClientWidth - 2 * frame, kClientHeight - 2 * frame);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QString::fromLatin1(kSplashPicturePath)));

    Label1 = TitleLabel(Panel1, "Label1", tr("Расчет механизма"), 24, QPoint(4, 4));
    Label2 = TitleLabel(Panel1, "Label2", tr("по ТММ"), 19, QPoint(72, 39));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { RunGuarded([this] { Timer1Timer(); }); });
    Timer1->start();

    FormCreate();

    CentreOnScreen(*this);
}

void TForm1::FormCreate()
{
    splashTicks_ = 0;
    QApplication::setWindowIcon(ApplicationIcon());
    const QString title = QString::fromUtf8(kApplicationTitle);
    // The display name follows the application name; setting it explicitly would make the
    // window system append " — Orvek" to every window title.
    QApplication::setApplicationName(title);
}

void TForm1::Timer1Timer()
{
    if (splashTicks_ == 0 && mainForm_) {
        mainForm_->show();
        // Without a window manager nothing activates a window that appears.
        mainForm_->raise();
        mainForm_->activateWindow();
    }
    // Counting stops at the top after 68 years of ticks: signed overflow is undefined.
    if (splashTicks_ < std::numeric_limits<std::int32_t>::max())
        ++splashTicks_;
    hide();
}
