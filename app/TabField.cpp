#include "app/TabField.h"

#include "app/FieldExitRule.h"
#include "app/UserMessages.h"
#include "kinematics/NumberText.h"

#include <QLineEdit>

namespace {

QString Text(double value)
{
    return QString::fromStdString(FormatGeneral(value));
}

}  // namespace

TabField::TabField(QWidget* parent, const char* objectName, double initial, const InputRule& rule,
                   FieldExitRule* fields)
    : QObject(parent), edit_(new QLineEdit(Text(initial), parent)), value_(initial), rule_(rule), fields_(fields)
{
    edit_->setObjectName(QString::fromLatin1(objectName));
    fields_->AddField(edit_, [this] { Read(); });
}

void TabField::SetValue(double value)
{
    if (value == value_)
        return;
    value_ = value;
    edit_->setText(Text(value));
}

bool TabField::Read()
{
    const InputVerdict verdict = JudgeInput(edit_->text().toStdString(), rule_, value_);
    for (const InputMessage message : verdict.messages) {
        if (InputMessageBeeps(message))
            Messages().Beep();
        Messages().ShowMessage(QString::fromStdString(ShownInputMessageText(message)));
    }
    if (!verdict.Accepted()) {
        fields_->NoteRejected();
        return false;
    }
    if (verdict.value != value_) {
        value_ = verdict.value;
        emit ValueChanged(value_);
    }
    return true;
}
