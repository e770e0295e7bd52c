#include "app/GuardedHandler.h"

#include "app/UserMessages.h"

#include <QApplication>
#include <QCursor>

#include <exception>
#include <new>

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

bool RunGuarded(const std::function<void()>& body)
{
    QString text;
    try {
        body();
        return true;
    } catch (const std::bad_alloc&) {
        text = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    }
    Messages().ShowError(ErrorBoxText(text));
    return false;
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}
