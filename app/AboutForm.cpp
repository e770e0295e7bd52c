#include "app/AboutForm.h"
#include "views/FormFont.h"

#include "app/BevelPanel.h"
#include "app/GuardedHandler.h"
#include "app/JpegImage.h"
#include "app/MainForm.h"
#include "app/Pictures.h"
#include "app/TextColour.h"
#include "app/WindowPlacement.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 538;
constexpr int kClientHeight = 504;
constexpr int kTopPanelHeight = 433;
constexpr int kBevelWidth = 2;
constexpr QRect kBackgroundRect(216, 8, 313, 417);
constexpr QRect kSidePanelRect(8, 104, 201, 241);
constexpr QSize kSidePictureSize(189, 231);
constexpr QPoint kLinkAt(3, 431);
constexpr int kLinkWidth = 525;
constexpr QRect kCloseButtonRect(189, 468, 139, 28);

constexpr QRgb kGreen = 0x008000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlack = 0x000000;

// The panel's bold italic serif, recoloured and resized for each caption.
QFont SerifFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("MS Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(true);
    return font;
}

QFont FixedPitchFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(false);
    return font;
}

// One line of the text over the background picture.
struct Caption {
    const char* text;
    QPoint at;
    int pixelSize;
    bool bold;
    bool fixedPitch;
    QRgb colour;
};

constexpr Caption kCaptions[] = {
    {"Tesmar", {219, 14}, 24, true, false, kBlue},
    {QT_TRANSLATE_NOOP("TForm5", "- программа"), {373, 18}, 19, true, false, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "проводящая кинематическое"), {221, 42}, 19, true, false, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "исследование шарнирно-"), {221, 66}, 19, true, false, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "рычажного механизма"), {221, 90}, 19, true, false, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "Версия - 1"), {215, 131}, 24, true, true, kBlack},
    {QT_TRANSLATE_NOOP("TForm5", "Выполнил :"), {223, 170}, 24, false, true, kRed},
    // The developers' credit: who, study group, school, place and year.
    {QT_TRANSLATE_NOOP("TForm5", "Разработчики"), {223, 210}, 24, false, true, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "программы Orvek"), {223, 238}, 24, false, true, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "учебная группа ТММ"), {223, 276}, 19, false, true, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "курс теории машин"), {223, 302}, 19, false, true, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "и механизмов"), {223, 328}, 19, false, true, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "открытый проект"), {223, 354}, 19, false, true, kRed},
    {QT_TRANSLATE_NOOP("TForm5", "2026 г."), {248, 384}, 24, false, true, kRed},
};

}  // namespace

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    InitPictureResources();
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("О программе"));
    // A dialog border: fixed size, the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(FormFont(11));

    CreateTopPanel();

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(tr("Пример программы с сайта ") + QString::fromLatin1(kWebSiteAddress));
    QFont linkFont = FixedPitchFont(19, false);
    linkFont.setUnderline(true);
    Label1->setFont(linkFont);
    SetTextColour(Label1, kRed);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setGeometry(QRect(kLinkAt, QSize(kLinkWidth, Label1->sizeHint().height())));
    Label1->installEventFilter(this);

    Button2 = new QPushButton(tr("Закрыть"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(kCloseButtonRect);
    Button2->setFont(FormFont(16, true));
    Button2->setCursor(Qt::PointingHandCursor);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, [this] { RunGuarded([this] { Button1Click(); }); });

    CentreOnScreen(*this);
}

void TForm5::CreateTopPanel()
{
    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kClientWidth, kTopPanelHeight);
    Panel1->SetBevelOuter(BevelPanel::Bevel::Lowered);
    Panel1->SetBevelInner(BevelPanel::Bevel::Space);
    Panel1->SetBevelWidth(kBevelWidth);
    QFont panelFont = SerifFont(13, true);
    panelFont.setItalic(true);
    Panel1->setFont(panelFont);
    SetTextColour(Panel1, kGreen);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kBackgroundRect);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(LoadJpegFile(QString::fromLatin1(kAboutBackgroundPath))));

    for (const Caption& c : kCaptions) {
        const QFont font = c.fixedPitch ? FixedPitchFont(c.pixelSize, c.bold) : SerifFont(c.pixelSize, c.bold);
        AddLabel(Panel1, tr(c.text), c.at, font, c.colour);
    }

    Panel2 = new BevelPanel(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(kSidePanelRect);
    Panel2->SetBevelOuter(BevelPanel::Bevel::Raised);
    Panel2->SetBevelInner(BevelPanel::Bevel::Raised);
    Panel2->SetBevelWidth(kBevelWidth);

    Image2 = new QLabel(Panel2);
    Image2->setObjectName(QStringLiteral("Image2"));
    const QPoint sideAt((kSidePanelRect.width() - kSidePictureSize.width()) / 2,
                        (kSidePanelRect.height() - kSidePictureSize.height()) / 2);
    Image2->setGeometry(QRect(sideAt, kSidePictureSize));
    Image2->setScaledContents(true);
    Image2->setPixmap(QPixmap::fromImage(LoadJpegFile(QString::fromLatin1(kAboutSidePicturePath))));
}

QLabel* TForm5::AddLabel(QWidget* parent, const QString& caption, QPoint at, const QFont& font, QRgb colour)
{
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    SetTextColour(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

void TForm5::Button1Click()
{
    accept();
}

void TForm5::Label1Click()
{
    if (mainForm_)
        mainForm_->OpenWebPage(QString::fromLatin1(kWebSiteAddress));
}

bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    // A click is a release of the left button over the label that was pressed on it.
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Label1->rect().contains(mouse->position().toPoint())) {
            RunGuarded([this] { Label1Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
