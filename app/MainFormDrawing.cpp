// The drawing tab: the velocity plan and mechanism pictures, and the strip under them that
// selects the drawn position, sets the two scales and runs the animation. Every change there
// redraws through ShowDiagrams.

#include "app/MainForm.h"

#include "app/GuardedHandler.h"
#include "app/UserMessages.h"
#include "kinematics/NumberText.h"
#include "app/DrawingFitButton.h"
#include "views/MechanismDrawing.h"
#include "views/TImage.h"
#include "views/UpDown.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kStripHeight = 59;
constexpr int kLastScrollPosition = 180;   // the full turn, 2 degrees a step
constexpr int kDegreesPerPosition = 2;
constexpr int kTimerStartInterval = 10;    // ms

// Timer1 is "enabled" also with an interval that never fires (0 or below); the QTimer itself is
// then left stopped.
const char* const kTimerEnabledProperty = "Enabled";

const QColor kNavy(0, 0, 128);
const QColor kDarkRed(128, 0, 0);

QString IntegerText(long long value)
{
    return QString::number(value);
}

std::int32_t IntegerOf(const QLineEdit* edit)
{
    return StrToInt(edit->text().toStdString());
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QPoint at)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

void MakeBold(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Collects the error boxes raised while an animation step runs, so that a failed step can stop
// the animation before the user sees its message. Other messages pass straight through.
class StepErrors : public UserMessages {
public:
    // The messages in use before this one (the dialogs when nothing was installed) take what
    // this one does not keep.
    StepErrors() : replaced_(&Messages()), installedBefore_(InstallMessages(this)) {}
    ~StepErrors() override { InstallMessages(installedBefore_); }
    StepErrors(const StepErrors&) = delete;
    StepErrors& operator=(const StepErrors&) = delete;

    void Beep() override { replaced_->Beep(); }
    void ShowMessage(const QString& text) override { replaced_->ShowMessage(text); }
    void ShowError(const QString& text) override { errors << text; }
    bool AskYesNo(const QString& text) override { return replaced_->AskYesNo(text); }

    QStringList errors;

private:
    UserMessages* replaced_;
    UserMessages* installedBefore_;
};

}  // namespace

// ---- Construction ----

void TForm4::CreateDrawingTab(QWidget* tab)
{
    auto* tabLayout = new QVBoxLayout(tab);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    tabLayout->setSpacing(0);

    auto* box = new QGroupBox(tr("План скоростей и положения механизма в N-случаях"), tab);
    box->setObjectName(QStringLiteral("GroupBox3"));
    auto* boxLayout = new QHBoxLayout(box);
    boxLayout->setContentsMargins(2, 0, 2, 2);
    boxLayout->setSpacing(0);
    Image1 = new TImage(box);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kVelocityPlanWidth, kDrawingHeight);
    Image2 = new TImage(box);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(kMechanismPictureWidth, kDrawingHeight);
    boxLayout->addWidget(Image1);
    boxLayout->addWidget(Image2);
    boxLayout->addStretch();
    tabLayout->addWidget(box);

    auto* strip = new QFrame(tab);
    strip->setObjectName(QStringLiteral("Panel6"));
    strip->setFixedHeight(kStripHeight);
    tabLayout->addWidget(strip);

    RadioButton1 = new QRadioButton(tr("Положение"), strip);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(8, 8, 89, 17);
    RadioButton1->setChecked(true);

    Edit5 = MakeEdit(strip, "Edit5", QStringLiteral("0"), QRect(104, 8, 49, 21));
    UpDown1 = new UpDown(strip);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(153, 8, 15, 21);
    UpDown1->SetAssociate(Edit5);
    UpDown1->setMaximum(mechanism_.PositionCount);

    ScrollBar1 = new QScrollBar(Qt::Horizontal, strip);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(176, 8, 145, 16);
    ScrollBar1->setRange(0, kLastScrollPosition);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    ScrollBar1->setValue(0);

    MakeLabel(strip, "Label14", tr("Угол поворота"), QPoint(8, 32));
    Edit8 = MakeEdit(strip, "Edit8", QStringLiteral("0"), QRect(104, 32, 49, 21));
    // It shows the crank angle of the selected position; nothing reads what is typed into it.
    Edit8->setReadOnly(true);

    CheckBox1 = new QCheckBox(tr("Анимация с частотой"), strip);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(188, 34, 181, 17);
    MakeBold(CheckBox1, QPalette::WindowText, kNavy);
    Edit6 = MakeEdit(strip, "Edit6", QStringLiteral("100"), QRect(372, 30, 49, 24));
    MakeBold(Edit6, QPalette::Text, kDarkRed);

    MakeLabel(strip, "Label15", tr("Масштаб плана скоростей"), QPoint(464, 8));
    Edit9 = MakeEdit(strip, "Edit9", IntegerText(kDefaultPlanScale), QRect(632, 8, 49, 21));
    MakeBold(Edit9, QPalette::Text, kDarkRed);
    Edit9->setToolTip(tr("Масштаб плана скоростей: пикселей на м/с (целое число)"));
    MakeLabel(strip, "Label11", tr("Масштаб положений механизма"), QPoint(432, 32));
    Edit11 = MakeEdit(strip, "Edit11", IntegerText(kDefaultPositionScale), QRect(632, 32, 49, 21));
    MakeBold(Edit11, QPalette::Text, kDarkRed);
    Edit11->setToolTip(tr("Масштаб положений механизма: пикселей на метр (целое число)"));
    AddDrawingFitButton(strip, [this] { return Result(); },
                        {Edit9, Edit11, QSize(kVelocityPlanWidth, kDrawingHeight),
                         QSize(kMechanismPictureWidth, kDrawingHeight)});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerStartInterval);
    Timer1->setProperty(kTimerEnabledProperty, false);

    // textChanged comes for typing and for setText alike, but only when the text really changes.
    connect(Edit5, &QLineEdit::textChanged, this, [this] { Edit5Change(); });
    connect(Edit9, &QLineEdit::textChanged, this, [this] { Edit9Change(); });
    connect(Edit11, &QLineEdit::textChanged, this, [this] { Edit11Change(); });
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    // A user's scroll action arrives before the scroll bar takes the new position.
    connect(ScrollBar1, &QScrollBar::actionTriggered, this, [this] {
        ScrollBar1Scroll(std::clamp(ScrollBar1->sliderPosition(), ScrollBar1->minimum(), ScrollBar1->maximum()));
    });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

// ---- Drawings ----

void TForm4::ClearImage(TImage* image)
{
    if (image)
        ::ClearImage(*image);
}

// Only positions the result's diagrams hold are drawn; any other index draws nothing.
void TForm4::DrawVelocityPlan(int i)
{
    const CalculationResult* result = Result();
    if (result && i >= 0 && i < result->Kinematics().diagrams.Rows())
        ::DrawVelocityPlan(*Image1, result->Kinematics().diagrams.positions, i, planScale_);
}

void TForm4::DrawMechanism(int i)
{
    const CalculationResult* result = Result();
    if (result && i >= 0 && i < result->Kinematics().diagrams.Rows())
        ::DrawMechanism(*Image2, result->Kinematics().diagrams.positions, i, result->Kinematics().solved, positionScale_);
}

void TForm4::PlotPathPoints(int k)
{
    const CalculationResult* result = Result();
    if (result && k >= 0 && k < result->Kinematics().diagrams.Rows())
        ::PlotPathPoints(*Image2, result->Kinematics().diagrams.positions, k, result->Kinematics().solved, positionScale_);
}

// ---- Angle selection and scales ----

void TForm4::Edit5Change()
{
    RunGuarded([this] {
        ClearImage(Image1);
        ClearImage(Image2);
        // Emptied while retyping: the drawings wait for a number.
        if (Edit5->text().isEmpty())
            return;
        // May write the position held within 0..180 back into Edit5: a complete inner redraw.
        ScrollBar1->setValue(IntegerOf(Edit5));
        Edit8->setText(IntegerText(static_cast<long long>(kDegreesPerPosition) * IntegerOf(Edit5)));
        ShowDiagrams();
    });
}

void TForm4::Edit9Change()
{
    RunGuarded([this] {
        ClearImage(Image1);
        if (!Edit9->text().isEmpty())
            ShowDiagrams();
    });
}

void TForm4::Edit11Change()
{
    RunGuarded([this] {
        ClearImage(Image2);
        if (!Edit11->text().isEmpty())
            ShowDiagrams();
    });
}

void TForm4::ScrollBar1Change()
{
    RunGuarded([this] { Edit5->setText(IntegerText(ScrollBar1->value())); });
}

void TForm4::ScrollBar1Scroll(int newPosition)
{
    RunGuarded([this, newPosition] { Edit5->setText(IntegerText(newPosition)); });
}

// ---- Animation ----

void TForm4::CheckBox1Click()
{
    RunGuarded([this] {
        if (!CheckBox1->isChecked()) {
            Timer1->stop();
            Timer1->setProperty(kTimerEnabledProperty, false);
            return;
        }
        std::int32_t interval = 0;
        try {
            interval = IntegerOf(Edit6);
        } catch (...) {
            // No animation without an interval: the box does not stay checked.
            CheckBox1->setChecked(false);
            throw;
        }
        Timer1->setInterval(interval);
        Timer1->setProperty(kTimerEnabledProperty, true);
        // An interval of 0 or below never fires.
        if (interval > 0)
            Timer1->start();
        else
            Timer1->stop();
    });
}

void TForm4::Timer1Timer()
{
    // A tick that arrives while one runs (a message box's loop) or while Calculate computes
    // behind its dialog is dropped, not queued.
    if (timerTickRunning_ || calculating_)
        return;
    timerTickRunning_ = true;
    QStringList errors;
    {
        StepErrors stepErrors;
        RunGuarded([this] { ScrollBar1->setValue(ScrollBar1->value() + 1); });
        errors = stepErrors.errors;
    }
    if (!errors.isEmpty()) {
        // A step that fails ends the animation, then says why, once.
        Timer1->stop();
        Timer1->setProperty(kTimerEnabledProperty, false);
        CheckBox1->setChecked(false);
        Messages().ShowError(errors.front());
    }
    timerTickRunning_ = false;
}
