#include "app/TabField.h"

#include "app/UserMessages.h"
#include "kinematics/NumberText.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace {

const char* const kConversionError = "Ошибка ввода данных!";
const char* const kNegativeError = "Параметр не может быть отрицательным!";
const char* const kZeroError = "Ноль недопустим!";

// One handler at a time across all tab fields: the focus put back into a refused field, or a
// box taking it, must not start another field's reading.
bool handlerRunning = false;

QString Text(double value)
{
    return QString::fromStdString(FormatGeneral(value));
}

}  // namespace

TabField::TabField(QWidget* parent, const char* objectName, double initial, Zero zero)
    : QObject(parent), edit_(new QLineEdit(Text(initial), parent)), value_(initial), zero_(zero)
{
    edit_->setObjectName(QString::fromLatin1(objectName));
    edit_->installEventFilter(this);
}

void TabField::SetValue(double value)
{
    value_ = value;
    edit_->setText(Text(value));
}

void TabField::Reject(const QString& text)
{
    Messages().Beep();
    Messages().ShowMessage(text);
    rejected_ = true;
}

bool TabField::Read()
{
    rejected_ = false;
    // As with the length fields: a text that is no number keeps the value in use, and the sign
    // and zero tests run on whatever value was read.
    double value = value_;
    if (const auto parsed = ParseDecimal(edit_->text().toStdString()))
        value = *parsed;
    else
        Reject(QString::fromUtf8(kConversionError));
    if (value < 0)
        Reject(QString::fromUtf8(kNegativeError));
    if (value == 0 && zero_ == Zero::Refused)
        Reject(QString::fromUtf8(kZeroError));
    if (rejected_)
        return false;
    if (value != value_) {
        value_ = value;
        emit ValueChanged(value_);
    }
    return true;
}

bool TabField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::FocusOut && !handlerRunning) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            handlerRunning = true;
            if (!Read()) {
                // No window manager re-activates the window after the box; do it before the focus.
                if (QWidget* window = edit_->window())
                    window->activateWindow();
                edit_->setFocus(Qt::OtherFocusReason);
            }
            handlerRunning = false;
        }
    }
    return QObject::eventFilter(watched, event);
}
