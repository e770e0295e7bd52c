#pragma once
// A real-valued input field of the analysis tabs, read when the user leaves it exactly as the
// length fields are: the same rule (kinematics/InputRule), the same messages through the program's
// message interface, and the same exit rule (FieldExitRule), which puts the focus back into a
// field whose text was refused and keeps the click that left it from running its command. A
// refused text never becomes the value: the value in use stays what it was.

#include "kinematics/InputRule.h"

#include <QObject>
#include <QString>

class FieldExitRule;
class QLineEdit;
class QWidget;

class TabField : public QObject {
    Q_OBJECT

public:
    // Makes the line edit (child of `parent`) with `objectName` and the text of `initial`, and
    // registers it with `fields`.
    TabField(QWidget* parent, const char* objectName, double initial, const InputRule& rule, FieldExitRule* fields);

    QLineEdit* Edit() const { return edit_; }
    double Value() const { return value_; }
    // Puts `value` into the field and takes it as the value in use, without a signal; a field
    // already holding that value keeps its text.
    void SetValue(double value);
    // Reads the field as leaving it does; returns false (after the messages) when it refused.
    bool Read();

signals:
    // A new value was accepted (leaving the field with an unchanged value gives no signal).
    void ValueChanged(double value);

private:
    QLineEdit* edit_;
    double value_;
    InputRule rule_;
    FieldExitRule* fields_;
};
