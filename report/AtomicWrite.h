#pragma once
// Every file the program writes for the user goes through here: a temporary file renamed over the
// target only when complete, so a failed or cancelled write leaves an existing file untouched.
// Failures come back as a Russian sentence that names the file and says what to do.

#include <QString>

#include <functional>
#include <vector>

class QIODevice;

// Produces a file's contents on the device; false (and perhaps `reason`) when it could not.
using FileWriter = std::function<bool(QIODevice&, QString& reason)>;

// Writes `path` with `write`. Every byte the writer hands over is checked, and so is the commit:
// a short write (a full disk, a file-size limit) fails as the writer's own failure does. On
// failure returns false, sets `error` and leaves the old file as it was.
bool WriteFileAtomically(const QString& path, const FileWriter& write, QString& error);

struct FileToWrite {
    QString path;
    FileWriter write;
};

// Writes several files that belong together: all are produced first and put in place only when
// every one was produced whole, so a failure to produce one leaves all the old files as they
// were. Should putting one in place fail, those this call already put in place are removed: no
// new file is left beside an old one.
bool WriteFilesTogether(const std::vector<FileToWrite>& files, QString& error);

// Runs `write` on `target` through the byte check: false with `reason` when the writer failed or
// a write did not take all its bytes. What WriteFileAtomically does with its temporary file.
bool WriteCheckedTo(QIODevice& target, const FileWriter& write, QString& reason);

// The reason for a short write: "записано не всё, файл не изменён (…)".
QString ShortWriteReason(const QString& systemReason);

// Checks that `path` may be written at all (its folder exists and is writable, the file itself is
// not write-protected and is not a folder). Empty when it may; otherwise the message.
QString CheckWritableTarget(const QString& path);

// Checks that `dir` is an existing, writable folder. Empty when it is; otherwise the message.
QString CheckWritableFolder(const QString& dir);

// The path as the messages show it.
QString ShownPath(const QString& path);
