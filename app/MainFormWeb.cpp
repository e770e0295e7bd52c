// The web-site link of the main window and the About box, and the About command.

#include "app/MainForm.h"

#include "app/GuardedHandler.h"
#include "kinematics/Errors.h"

#include <QDesktopServices>
#include <QDialog>

void TForm4::OpenWebPage(const QString& address)
{
    // A new request on every call: each click opens its own browser window.
    const QUrl url(address);
    const bool opened = urlOpener_ ? urlOpener_(url) : QDesktopServices::openUrl(url);
    if (!opened)
        throw OrvekError(tr("Не удалось открыть адрес %1 в браузере").arg(address).toStdString());
}

void TForm4::Label16Click()
{
    RunGuarded([this] { OpenWebPage(QString::fromLatin1(kWebSiteAddress)); });
}

void TForm4::N5Click()
{
    // Shown modally; how it was closed does not matter.
    if (auto* about = qobject_cast<QDialog*>(aboutBox_))
        about->exec();
}
