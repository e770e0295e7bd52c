// The six parameter fields: layout, reading, validation and the exit handlers.

#include "app/MainForm.h"

#include "app/FieldExitRule.h"
#include "app/UserMessages.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "views/FormFont.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <vector>

namespace {

const char* const kMetresHint = QT_TRANSLATE_NOOP("TForm4", "(м)");

// Where one parameter field and its captions stand.
struct FieldPlace {
    const char* editName;
    int x, y;
    const char* caption;
    int captionX;
    const char* symbol;
    int symbolX;
    bool metres;
};

QPushButton* FileButton(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

// The six parameter fields, in creation and tab order: the one list of them. Left column:
// crank, coupler, rocker; right column: link DE, distance OC, N.
struct TForm4::ParameterField {
    FieldPlace place;
    QLineEdit* TForm4::*edit;
    void (TForm4::*exitHandler)();
};

const TForm4::ParameterField TForm4::kParameterFields[] = {
    {{"Edit1", 208, 16, QT_TRANSLATE_NOOP("TForm4", "Довжина кривошипа"), 8, "Loa", 168, true}, &TForm4::Edit1, &TForm4::Edit1Exit},
    {{"Edit2", 208, 48, QT_TRANSLATE_NOOP("TForm4", "Довжина шатуна"), 8, "Lab", 168, true}, &TForm4::Edit2, &TForm4::Edit2Exit},
    {{"Edit3", 208, 80, QT_TRANSLATE_NOOP("TForm4", "Довжина коромисла"), 8, "Lbc", 168, true}, &TForm4::Edit3, &TForm4::Edit3Exit},
    {{"Edit4", 608, 16, QT_TRANSLATE_NOOP("TForm4", "Довжина шатуна"), 360, "Lde", 576, true}, &TForm4::Edit4, &TForm4::Edit4Exit},
    {{"Edit7", 608, 50, QT_TRANSLATE_NOOP("TForm4", "Відстань між осями шарнирів"), 360, "Loc", 576, true}, &TForm4::Edit7, &TForm4::Edit7Exit},
    {{"Edit10", 608, 80, QT_TRANSLATE_NOOP("TForm4", "Кількість положення мех-му"), 360, "N", 576, false}, &TForm4::Edit10, &TForm4::Edit10Exit},
};

void TForm4::CreateInputTab(QWidget* tab)
{
    auto* box = new QGroupBox(tr("Исходные данные"), tab);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(0, 0, 697, 153);
    box->setStyleSheet(QStringLiteral("QGroupBox { color: green; font-weight: bold; font-size: 13px; }"));

    std::vector<QWidget*> order;
    for (const ParameterField& field : kParameterFields) {
        const FieldPlace& place = field.place;
        auto* caption = new QLabel(tr(place.caption), box);
        caption->setFont(FormFont(11));
        caption->move(place.captionX, place.y + 3);
        caption->adjustSize();

        auto* symbol = new QLabel(QString::fromLatin1(place.symbol), box);
        symbol->setFont(FormFont(16, true));
        symbol->setStyleSheet(QStringLiteral("color: navy;"));
        symbol->move(place.symbolX, place.y);
        symbol->adjustSize();

        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(place.editName));
        edit->setGeometry(place.x, place.y, 80, 21);
        edit->setFont(FormFont(11, true));
        edit->setStyleSheet(QStringLiteral("color: #800000;"));
        if (place.metres) {
            edit->setToolTip(tr(kMetresHint));
            symbol->setToolTip(tr(kMetresHint));
        }
        this->*field.edit = edit;
        exitRule_->AddField(edit, [this, handler = field.exitHandler] { (this->*handler)(); });
        order.push_back(edit);
    }

    Button5 = FileButton(box, "Button5", tr("Считать из файла"), QRect(136, 112, 153, 25));
    Button6 = FileButton(box, "Button6", tr("Сохранить в файл"), QRect(384, 112, 161, 25));
    connect(Button5, &QPushButton::clicked, this, [this] {
        if (exitRule_->MayRunCommand(Button5))
            Button5Click();
    });
    connect(Button6, &QPushButton::clicked, this, [this] {
        if (exitRule_->MayRunCommand(Button6))
            Button6Click();
    });

    order.push_back(Button5);
    order.push_back(Button6);
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
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

QString TForm4::FieldRuleText(QLineEdit* edit, const InputRule& rule)
{
    QString symbol;
    for (const ParameterField& field : kParameterFields) {
        if (this->*field.edit == edit)
            symbol = QString::fromLatin1(field.place.symbol);
    }
    if (&rule == &kPositionCountRule)
        return symbol + tr(": ожидается целое положительное число положений");
    if (&rule == &kRockerLengthRule)
        return symbol + tr(": ожидается число в метрах больше 0,51 и не больше 0,9");
    return symbol + tr(": ожидается положительное число в метрах");
}

InputVerdict TForm4::JudgeField(QLineEdit* edit, const InputRule& rule, double previous)
{
    const InputVerdict verdict = JudgeInput(edit->text().toStdString(), rule, previous);
    // The status bar names the field and its rule beside the box; a value taken clears what it
    // said about this field.
    const QString ruleText = FieldRuleText(edit, rule);
    if (!verdict.messages.empty())
        statusBar()->showMessage(ruleText);
    else if (statusBar()->currentMessage() == ruleText)
        statusBar()->clearMessage();
    for (const InputMessage message : verdict.messages) {
        if (InputMessageBeeps(message))
            Messages().Beep();
        Messages().ShowMessage(QString::fromStdString(ShownInputMessageText(message)));
    }
    if (!verdict.Accepted())
        exitRule_->NoteRejected();
    return verdict;
}

// The record takes the value read even when a message was shown; only a text that is no number
// keeps what the record had.
void TForm4::Edit1Exit() { mechanism_.Loa = JudgeField(Edit1, kLengthRule, mechanism_.Loa).value; }
void TForm4::Edit2Exit() { mechanism_.Lab = JudgeField(Edit2, kLengthRule, mechanism_.Lab).value; }
void TForm4::Edit3Exit() { mechanism_.Lbc = JudgeField(Edit3, kRockerLengthRule, mechanism_.Lbc).value; }
void TForm4::Edit4Exit() { mechanism_.Lde = JudgeField(Edit4, kLengthRule, mechanism_.Lde).value; }
void TForm4::Edit7Exit() { mechanism_.Loc = JudgeField(Edit7, kLengthRule, mechanism_.Loc).value; }

void TForm4::Edit10Exit()
{
    mechanism_.PositionCount = JudgeField(Edit10, kPositionCountRule, mechanism_.PositionCount).Integer();
    ShowParameters();
}
