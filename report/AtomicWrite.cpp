#include "report/AtomicWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {

// Hands every write to `target` at once and remembers the first one that did not take all its
// bytes, so a full disk or a file-size limit cannot pass unseen whatever the writer checks.
class CheckedWriteDevice : public QIODevice {
public:
    explicit CheckedWriteDevice(QIODevice& target) : target_(target) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    bool Failed() const { return failed_; }
    QString Reason() const { return reason_; }
    bool seek(qint64 pos) override { return QIODevice::seek(pos) && target_.seek(pos); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        if (failed_)
            return -1;
        const qint64 written = target_.write(data, length);
        if (written != length) {
            failed_ = true;
            reason_ = target_.errorString();
            return -1;
        }
        return written;
    }

private:
    QIODevice& target_;
    bool failed_ = false;
    QString reason_;
};

bool HasWriteBit(const QFileInfo& info)
{
    constexpr QFileDevice::Permissions kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & kAnyWrite) != 0;
}

QString CannotWrite(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Report", "Не удалось записать файл %1: %2").arg(ShownPath(path), reason);
}

}  // namespace

QString ShownPath(const QString& path)
{
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

QString CheckWritableFolder(const QString& dir)
{
    const QFileInfo info(dir);
    if (!info.exists())
        return QCoreApplication::translate("Report", "Папка %1 не существует. Создайте её или выберите другую.").arg(ShownPath(dir));
    if (!info.isDir())
        return QCoreApplication::translate("Report", "%1 — это файл, а не папка.").arg(ShownPath(dir));
    // A folder marked read-only is respected even by a process that could write into it.
    if (!info.isWritable() || !HasWriteBit(info))
        return QCoreApplication::translate("Report", "В папку %1 нельзя записывать (нет прав на запись). Выберите другую папку.")
            .arg(ShownPath(dir));
    return QString();
}

QString CheckWritableTarget(const QString& path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("Report", "Не указано имя файла для записи.");
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        return CannotWrite(path, QCoreApplication::translate("Report", "папка %1 не существует.").arg(ShownPath(folder)));
    if (!folderInfo.isDir())
        return CannotWrite(path, QCoreApplication::translate("Report", "%1 — это не папка.").arg(ShownPath(folder)));
    if (info.exists() && info.isDir())
        return CannotWrite(path, QCoreApplication::translate("Report", "под этим именем уже есть папка."));
    // A protected file stays as it is, even where the folder would let a rename replace it.
    if (info.exists() && !HasWriteBit(info))
        return CannotWrite(path, QCoreApplication::translate("Report", "файл защищён от записи."));
    if (!folderInfo.isWritable() || !HasWriteBit(folderInfo))
        return CannotWrite(path, QCoreApplication::translate("Report", "нет прав на запись в папку %1.").arg(ShownPath(folder)));
    return QString();
}

bool WriteCheckedTo(QIODevice& target, const FileWriter& write, QString& reason)
{
    CheckedWriteDevice device(target);
    const bool written = write(device, reason);
    if (device.Failed()) {
        reason = ShortWriteReason(device.Reason());
        return false;
    }
    if (!written && reason.isEmpty())
        reason = QCoreApplication::translate("Report", "ошибка при записи.");
    return written;
}

QString ShortWriteReason(const QString& systemReason)
{
    return QCoreApplication::translate("Report", "записано не всё, файл не изменён (%1). Освободите место на диске или выберите другую папку.")
        .arg(systemReason.isEmpty() ? QCoreApplication::translate("Report", "ошибка записи") : systemReason);
}

bool WriteFilesTogether(const std::vector<FileToWrite>& files, QString& error)
{
    for (const FileToWrite& f : files) {
        error = CheckWritableTarget(f.path);
        if (!error.isEmpty())
            return false;
    }
    // Unbuffered: each write reaches the file system at once, so its failure is seen at once and
    // no bytes are left for a final flush whose failure the commit would not report.
    std::vector<std::unique_ptr<QSaveFile>> saves;
    for (const FileToWrite& f : files) {
        auto file = std::make_unique<QSaveFile>(f.path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            error = CannotWrite(f.path, QCoreApplication::translate("Report", "файл не удалось создать (%1).").arg(file->errorString()));
            return false;
        }
        QString reason;
        if (!WriteCheckedTo(*file, f.write, reason)) {
            file->cancelWriting();
            error = CannotWrite(f.path, reason);
            return false;
        }
        saves.push_back(std::move(file));
    }
    for (std::size_t i = 0; i < saves.size(); ++i) {
        if (!saves[i]->commit()) {
            error = CannotWrite(files[i].path, ShortWriteReason(saves[i]->errorString()));
            // What this call already put in place goes too: the files stand together or not at all.
            for (std::size_t j = 0; j < i; ++j)
                QFile::remove(files[j].path);
            return false;
        }
    }
    return true;
}

bool WriteFileAtomically(const QString& path, const FileWriter& write, QString& error)
{
    return WriteFilesTogether({{path, write}}, error);
}
