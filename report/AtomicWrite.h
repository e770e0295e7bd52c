#pragma once
// Every file the program writes for the user goes through here: a temporary file renamed over the
// target only when complete, so a failed or cancelled write leaves an existing file untouched.
// Failures come back as a Russian sentence that names the file and says what to do.

#include <QString>

#include <functional>

class QIODevice;

// Writes `path` with `write`, which returns false (and may fill `reason`) when it could not
// produce the contents. On failure returns false and sets `error`.
bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&, QString& reason)>& write,
                         QString& error);

// Checks that `path` may be written at all (its folder exists and is writable, the file itself is
// not write-protected and is not a folder). Empty when it may; otherwise the message.
QString CheckWritableTarget(const QString& path);

// Checks that `dir` is an existing, writable folder. Empty when it is; otherwise the message.
QString CheckWritableFolder(const QString& dir);

// The path as the messages show it.
QString ShownPath(const QString& path);
