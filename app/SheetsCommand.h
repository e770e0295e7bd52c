#pragma once
// "Файл → Листы курсового проекта…": the dialog, then the sheets of the window's one result
// written into the chosen folder. The names, format and positions are kept for the next time.

#include "report/Sheets.h"

#include <QObject>
#include <QString>

#include <functional>

class FieldExitRule;
class QAction;
class QMenu;
class QWidget;
class ResultPublisher;
class SheetsDialog;

class SheetsCommand : public QObject {
    Q_OBJECT

public:
    // Adds the command at the end of `menu`, after a separator, enabled by the first result.
    SheetsCommand(QWidget* form, QMenu* menu, ResultPublisher* results, FieldExitRule* fields);

    // Shows the dialog modally; true when it was accepted. Tests answer it themselves.
    using DialogRunner = std::function<bool(SheetsDialog& dialog)>;
    void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

    void Run();
    QAction* Action() const { return action_; }

private:
    QWidget* form_;
    ResultPublisher* results_;
    FieldExitRule* fields_;
    QAction* action_ = nullptr;
    DialogRunner runner_;
    SheetOptions last_;
    QString folder_;
};
