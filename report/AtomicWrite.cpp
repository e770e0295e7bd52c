#include "report/AtomicWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool HasWriteBit(const QFileInfo& info)
{
    constexpr QFileDevice::Permissions kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & kAnyWrite) != 0;
}

QString CannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось записать файл %1: %2").arg(ShownPath(path), reason);
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
        return QStringLiteral("Папка %1 не существует. Создайте её или выберите другую.").arg(ShownPath(dir));
    if (!info.isDir())
        return QStringLiteral("%1 — это файл, а не папка.").arg(ShownPath(dir));
    // A folder marked read-only is respected even by a process that could write into it.
    if (!info.isWritable() || !HasWriteBit(info))
        return QStringLiteral("В папку %1 нельзя записывать (нет прав на запись). Выберите другую папку.")
            .arg(ShownPath(dir));
    return QString();
}

QString CheckWritableTarget(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("Не указано имя файла для записи.");
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        return CannotWrite(path, QStringLiteral("папка %1 не существует.").arg(ShownPath(folder)));
    if (!folderInfo.isDir())
        return CannotWrite(path, QStringLiteral("%1 — это не папка.").arg(ShownPath(folder)));
    if (info.exists() && info.isDir())
        return CannotWrite(path, QStringLiteral("под этим именем уже есть папка."));
    // A protected file stays as it is, even where the folder would let a rename replace it.
    if (info.exists() && !HasWriteBit(info))
        return CannotWrite(path, QStringLiteral("файл защищён от записи."));
    if (!folderInfo.isWritable() || !HasWriteBit(folderInfo))
        return CannotWrite(path, QStringLiteral("нет прав на запись в папку %1.").arg(ShownPath(folder)));
    return QString();
}

bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&, QString& reason)>& write,
                         QString& error)
{
    error = CheckWritableTarget(path);
    if (!error.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = CannotWrite(path, QStringLiteral("файл не удалось создать (%1).").arg(file.errorString()));
        return false;
    }
    QString reason;
    if (!write(file, reason)) {
        file.cancelWriting();
        error = CannotWrite(path, reason.isEmpty() ? QStringLiteral("ошибка при записи.") : reason);
        return false;
    }
    if (!file.commit()) {
        error = CannotWrite(path, QStringLiteral("ошибка при записи на диск (%1).").arg(file.errorString()));
        return false;
    }
    return true;
}
