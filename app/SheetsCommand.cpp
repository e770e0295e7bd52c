#include "app/SheetsCommand.h"

#include "app/FieldExitRule.h"
#include "app/GuardedHandler.h"
#include "app/ResultPublisher.h"
#include "app/SheetCommandLine.h"
#include "app/SheetsDialog.h"
#include "app/UserMessages.h"
#include "report/AtomicWrite.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace {

constexpr int kStatusMilliseconds = 15000;

}  // namespace

SheetsCommand::SheetsCommand(QWidget* form, QMenu* menu, ResultPublisher* results, FieldExitRule* fields)
    : QObject(form), form_(form), results_(results), fields_(fields)
{
    setObjectName(QStringLiteral("SheetsCommand"));
    action_ = new QAction(tr("Листы курсового проекта…"), menu);
    action_->setObjectName(QStringLiteral("ActionSheets"));
    menu->addSeparator();
    menu->addAction(action_);
    // The command works on every tab of the window, as the menu's others do.
    action_->setShortcutContext(Qt::WindowShortcut);
    form->addAction(action_);
    action_->setEnabled(false);
    connect(action_, &QAction::triggered, this, [this] { Run(); });
    connect(results_, &ResultPublisher::Published, this, [this] { action_->setEnabled(true); });
    folder_ = QDir::currentPath();
    runner_ = [](SheetsDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
}

void SheetsCommand::Run()
{
    if (!results_->Result() || !fields_->MayRunCommand(form_))
        return;
    RunGuarded([this] {
        SheetsDialog dialog(form_);
        dialog.Show(last_, folder_);
        if (!runner_(dialog))
            return;
        last_ = dialog.Options();
        folder_ = dialog.Folder();
        SheetOptions options = last_;
        options.date = QDate::currentDate();
        QString error;
        QStringList written;
        {
            BusyCursor busy;
            if (!WriteSheetsInto(*results_->Result(), options, folder_, error, &written)) {
                Messages().ShowMessage(error);
                form_->activateWindow();
                return;
            }
        }
        if (auto* window = qobject_cast<QMainWindow*>(form_))
            window->statusBar()->showMessage(
                tr("Листы (%1 файлов) записаны в папку %2").arg(written.size()).arg(ShownPath(folder_)),
                kStatusMilliseconds);
    });
}
