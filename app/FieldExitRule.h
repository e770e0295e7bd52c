#pragma once
// When a parameter field's exit handler runs, and whether a command may run after it.
//
// A field is left when it loses the focus for any reason but a window or popup taking it (a
// message box is not the user leaving). The handler cannot re-enter: two rejected fields must
// never bounce boxes between each other. A rejected field gets the focus back, and the click or
// mnemonic that moved the focus away does not run its command; the next press or key in the
// window clears that.

#include <QObject>

#include <functional>
#include <vector>

class QLineEdit;
class QWidget;

class FieldExitRule : public QObject {
    Q_OBJECT

public:
    explicit FieldExitRule(QObject* parent = nullptr);

    // Watches `edit`: `handler` runs each time the user leaves it.
    void AddField(QLineEdit* edit, std::function<void()> handler);
    bool IsField(const QWidget* widget) const;

    // The running exit handler calls this when it showed a message about the field's value.
    void NoteRejected() { rejected_ = true; }

    // A command button may act only after the field being edited was left and accepted: a
    // mnemonic clicks without moving the focus, so the field is left here first.
    bool MayRunCommand(QWidget* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QLineEdit* edit;
        std::function<void()> handler;
    };
    void FieldLeft(const Field& field, Qt::FocusReason reason);
    bool TakeSwallowedCommand();

    std::vector<Field> fields_;
    bool inHandler_ = false;
    bool rejected_ = false;
    bool swallowCommand_ = false;
};
