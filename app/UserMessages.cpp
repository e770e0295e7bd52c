#include "app/UserMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

DialogMessages& DefaultMessages()
{
    static DialogMessages dialogs;
    return dialogs;
}

UserMessages* installed = nullptr;

// Boxes centre themselves over the active window; without a window manager nothing else does.
void RunBox(QMessageBox& box)
{
    box.setWindowTitle(QString::fromUtf8(kApplicationTitle));
    box.exec();
    if (QWidget* w = QApplication::activeWindow())
        w->activateWindow();
}

}  // namespace

UserMessages& Messages()
{
    return installed ? *installed : DefaultMessages();
}

UserMessages* InstallMessages(UserMessages* messages)
{
    UserMessages* previous = installed;
    installed = messages;
    return previous;
}

void DialogMessages::Beep()
{
    QApplication::beep();
}

void DialogMessages::ShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, QApplication::activeWindow());
    RunBox(box);
}

void DialogMessages::ShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, QApplication::activeWindow());
    RunBox(box);
}

bool DialogMessages::AskYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("UserMessages", "Information"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    // Qt's own standard-button texts, so that its catalogue gives them in the user's language;
    // without one they read "&Yes" and "&No".
    // (The context is no literal, so that the program's catalogues leave these texts to Qt's.)
    const char* const qtContext = "QPlatformTheme";
    QPushButton* yes = box.addButton(QCoreApplication::translate(qtContext, "&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QCoreApplication::translate(qtContext, "&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
