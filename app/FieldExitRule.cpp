#include "app/FieldExitRule.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <algorithm>

FieldExitRule::FieldExitRule(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

void FieldExitRule::AddField(QLineEdit* edit, std::function<void()> handler)
{
    fields_.push_back({edit, std::move(handler)});
}

bool FieldExitRule::IsField(const QWidget* widget) const
{
    return widget && std::any_of(fields_.begin(), fields_.end(), [widget](const Field& f) { return f.edit == widget; });
}

void FieldExitRule::FieldLeft(const Field& field, Qt::FocusReason reason)
{
    // The focus moving back into a rejected field, or a box taking it, is not the user leaving.
    if (inHandler_)
        return;
    inHandler_ = true;
    rejected_ = false;
    field.handler();
    if (rejected_) {
        // No window manager re-activates our window after the box; do it before the focus.
        field.edit->window()->activateWindow();
        field.edit->setFocus(Qt::OtherFocusReason);
        // A button's click or mnemonic moved the focus here: that command does not run.
        if (reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason)
            swallowCommand_ = true;
    }
    inHandler_ = false;
}

bool FieldExitRule::MayRunCommand(QWidget* button)
{
    if (TakeSwallowedCommand())
        return false;
    if (IsField(QApplication::focusWidget()) && button)
        button->setFocus(Qt::ShortcutFocusReason);
    return !TakeSwallowedCommand();
}

bool FieldExitRule::TakeSwallowedCommand()
{
    const bool swallow = swallowCommand_;
    swallowCommand_ = false;
    return swallow;
}

bool FieldExitRule::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        for (const Field& field : fields_) {
            if (field.edit == watched) {
                // The handler may add fields (never removes them): work on a copy.
                const Field left = field;
                FieldLeft(left, reason);
                break;
            }
        }
        break;
    }
    case QEvent::MouseButtonPress:
        // A press reaches the window before the focus moves: a new click starts here.
        if (watched->isWindowType())
            swallowCommand_ = false;
        break;
    case QEvent::KeyPress:
        swallowCommand_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
