#pragma once
// Exceptions never cross the Qt event loop: every event handler body runs through RunGuarded,
// which turns an escaped error into the application's error box.

#include <QString>

#include <functional>

// The error box text: the message, with a full stop appended when its last character's code is
// above that of ".".
QString ErrorBoxText(const QString& message);

// Runs `body`; an exception that escapes it is shown in the error box. Returns false then.
bool RunGuarded(const std::function<void()>& body);

// Sets the busy cursor for its lifetime, restoring it on every path.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
