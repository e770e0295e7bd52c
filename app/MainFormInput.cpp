// The six parameter fields: layout, reading, validation and the exit handlers.

#include "app/MainForm.h"

#include "app/UserMessages.h"
#include "kinematics/NumberText.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const kConversionError = "Ошибка ввода данных!";
const char* const kNegativeError = "Параметр не может быть отрицательным!";
const char* const kZeroError = "Ноль недопустим!";
const char* const kRangeError = "Вибране значення поза діапазоном";
const char* const kMetresHint = "(м)";

struct FieldPlace {
    const char* editName;
    int x, y;
    const char* caption;
    int captionX;
    const char* symbol;
    int symbolX;
    bool metres;
};

// Left column: crank, coupler, rocker; right column: link DE, distance OC, N.
constexpr FieldPlace kFields[] = {
    {"Edit1", 208, 16, "Довжина кривошипа", 8, "Loa", 168, true},
    {"Edit2", 208, 48, "Довжина шатуна", 8, "Lab", 168, true},
    {"Edit3", 208, 80, "Довжина коромисла", 8, "Lbc", 168, true},
    {"Edit4", 608, 16, "Довжина шатуна", 360, "Lde", 576, true},
    {"Edit7", 608, 50, "Відстань між осями шарнирів", 360, "Loc", 576, true},
    {"Edit10", 608, 80, "Кількість положення мех-му", 360, "N", 576, false},
};

QFont PixelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* FileButton(QWidget* parent, const char* name, const char* caption, QRect geometry)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

void TForm4::CreateInputTab(QWidget* tab)
{
    auto* box = new QGroupBox(QStringLiteral("Исходные данные"), tab);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(0, 0, 697, 153);
    box->setStyleSheet(QStringLiteral("QGroupBox { color: green; font-weight: bold; font-size: 13px; }"));

    QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit7, &Edit10};
    int index = 0;
    for (const FieldPlace& place : kFields) {
        auto* caption = new QLabel(QString::fromUtf8(place.caption), box);
        caption->setFont(PixelFont(11, false));
        caption->move(place.captionX, place.y + 3);
        caption->adjustSize();

        auto* symbol = new QLabel(QString::fromLatin1(place.symbol), box);
        symbol->setFont(PixelFont(16, true));
        symbol->setStyleSheet(QStringLiteral("color: navy;"));
        symbol->move(place.symbolX, place.y);
        symbol->adjustSize();

        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(place.editName));
        edit->setGeometry(place.x, place.y, 80, 21);
        edit->setFont(PixelFont(11, true));
        edit->setStyleSheet(QStringLiteral("color: #800000;"));
        if (place.metres) {
            edit->setToolTip(QString::fromUtf8(kMetresHint));
            symbol->setToolTip(QString::fromUtf8(kMetresHint));
        }
        *edits[index++] = edit;
    }

    Button5 = FileButton(box, "Button5", "Считать из файла", QRect(136, 112, 153, 25));
    Button6 = FileButton(box, "Button6", "Сохранить в файл", QRect(384, 112, 161, 25));
    connect(Button5, &QPushButton::clicked, this, [this] {
        if (MayRunCommand(Button5))
            Button5Click();
    });
    connect(Button6, &QPushButton::clicked, this, [this] {
        if (MayRunCommand(Button6))
            Button6Click();
    });

    QWidget* order[] = {Edit1, Edit2, Edit3, Edit4, Edit7, Edit10, Button5, Button6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TForm4::ShowParameters()
{
    Edit1->setText(QString::fromStdString(FormatGeneral(mechanism_.Loa)));
    Edit2->setText(QString::fromStdString(FormatGeneral(mechanism_.Lab)));
    Edit3->setText(QString::fromStdString(FormatGeneral(mechanism_.Lbc)));
    Edit4->setText(QString::fromStdString(FormatGeneral(mechanism_.Lde)));
    Edit7->setText(QString::fromStdString(FormatGeneral(mechanism_.Loc)));
    Edit10->setText(QString::number(mechanism_.PositionCount));
}

void TForm4::RejectInput(const QString& text, bool beep)
{
    if (beep)
        Messages().Beep();
    Messages().ShowMessage(text);
    inputRejected_ = true;
}

// Both tests run on the value read, also after a conversion error (then the kept value).
void TForm4::CheckSignAndZero(double value)
{
    if (value < 0)
        RejectInput(QString::fromUtf8(kNegativeError), true);
    if (value == 0)
        RejectInput(QString::fromUtf8(kZeroError), true);
}

double TForm4::ReadRealFromEdit(QLineEdit* edit, double previous)
{
    double value = previous;  // after a conversion error the record keeps what it had
    if (const auto parsed = ParseDecimal(edit->text().toStdString()))
        value = *parsed;
    else
        RejectInput(QString::fromUtf8(kConversionError), true);
    CheckSignAndZero(value);
    return value;
}

std::int32_t TForm4::ReadIntegerFromEdit(QLineEdit* edit, std::int32_t previous)
{
    std::int32_t value = previous;
    if (const auto parsed = ParseInteger(edit->text().toStdString()))
        value = *parsed;
    else
        RejectInput(QString::fromUtf8(kConversionError), true);
    CheckSignAndZero(value);
    return value;
}

void TForm4::Edit1Exit() { mechanism_.Loa = ReadRealFromEdit(Edit1, mechanism_.Loa); }
void TForm4::Edit2Exit() { mechanism_.Lab = ReadRealFromEdit(Edit2, mechanism_.Lab); }
void TForm4::Edit4Exit() { mechanism_.Lde = ReadRealFromEdit(Edit4, mechanism_.Lde); }
void TForm4::Edit7Exit() { mechanism_.Loc = ReadRealFromEdit(Edit7, mechanism_.Loc); }

void TForm4::Edit3Exit()
{
    mechanism_.Lbc = ReadRealFromEdit(Edit3, mechanism_.Lbc);
    if (mechanism_.Lbc <= kMinRockerLength || mechanism_.Lbc > kMaxRockerLength)
        RejectInput(QString::fromUtf8(kRangeError), false);
}

void TForm4::Edit10Exit()
{
    mechanism_.PositionCount = ReadIntegerFromEdit(Edit10, mechanism_.PositionCount);
    ShowParameters();
}

void TForm4::RunExitHandler(QLineEdit* edit, Qt::FocusReason reason)
{
    // The focus moving back into a rejected field, or a box taking it, is not the user leaving.
    if (inExitHandler_)
        return;
    void (TForm4::*handler)() = nullptr;
    if (edit == Edit1) handler = &TForm4::Edit1Exit;
    else if (edit == Edit2) handler = &TForm4::Edit2Exit;
    else if (edit == Edit3) handler = &TForm4::Edit3Exit;
    else if (edit == Edit4) handler = &TForm4::Edit4Exit;
    else if (edit == Edit7) handler = &TForm4::Edit7Exit;
    else if (edit == Edit10) handler = &TForm4::Edit10Exit;
    if (!handler)
        return;

    inExitHandler_ = true;
    inputRejected_ = false;
    (this->*handler)();
    if (inputRejected_) {
        // No window manager re-activates our window after the box; do it before the focus.
        activateWindow();
        edit->setFocus(Qt::OtherFocusReason);
        // A button's click or mnemonic moved the focus here: that command does not run.
        if (reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason)
            NoteValidationMessage();
    }
    inExitHandler_ = false;
}

void TForm4::NoteValidationMessage()
{
    swallowClick_ = true;
}

bool TForm4::MayRunCommand(QWidget* button)
{
    if (TakeSwallowedClick())
        return false;
    // A mnemonic clicks without taking the focus: leave the field as a mouse click would.
    QWidget* focus = QApplication::focusWidget();
    const bool editing = focus == Edit1 || focus == Edit2 || focus == Edit3 || focus == Edit4 || focus == Edit7
                         || focus == Edit10;
    if (editing && button)
        button->setFocus(Qt::ShortcutFocusReason);
    return !TakeSwallowedClick();
}

bool TForm4::TakeSwallowedClick()
{
    const bool swallow = swallowClick_;
    swallowClick_ = false;
    return swallow;
}
