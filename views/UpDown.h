#pragma once
// An up-down control attached to an edit field: two arrow buttons (and the Up/Down keys in the
// field) step the integer in the field by one within 0 .. maximum. A step that would leave the
// range writes nothing, so the field raises no change.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    // The field whose number the arrows step (not owned).
    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return associate_; }

    void setMaximum(int maximum);
    int maximum() const { return maximum_; }
    int minimum() const { return 0; }

    // Steps the number in the field by `delta` (+1 up, -1 down).
    void Step(int delta);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* associate_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    int maximum_ = 100;
};
