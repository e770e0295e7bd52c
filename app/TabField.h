#pragma once
// A real-valued input field of the analysis tabs, read when the user leaves it exactly as the
// length fields are: the decimal comma or point, the same messages through the program's message
// interface, and the focus put back into a field whose text was refused. A refused text never
// becomes the value: the value in use stays what it was, and nothing is recomputed.

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

class TabField : public QObject {
    Q_OBJECT

public:
    enum class Zero { Refused, Allowed };

    // Makes the line edit (child of `parent`) with `objectName` and the text of `initial`.
    TabField(QWidget* parent, const char* objectName, double initial, Zero zero);

    QLineEdit* Edit() const { return edit_; }
    double Value() const { return value_; }
    // Puts `value` into the field and takes it as the value in use, without a signal.
    void SetValue(double value);
    // Reads the field as leaving it does; returns false (after the message) when it refused.
    bool Read();

signals:
    // A new value was accepted (leaving the field with an unchanged value gives no signal).
    void ValueChanged(double value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Reject(const QString& text);

    QLineEdit* edit_;
    double value_;
    Zero zero_;
    bool rejected_ = false;
};
