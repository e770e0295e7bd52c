#include "storage/ParameterFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The little-endian bytes of an unsigned integer, and back.
template <typename Unsigned>
void PutLittleEndian(std::uint8_t* out, Unsigned value)
{
    for (std::size_t i = 0; i < sizeof value; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

template <typename Unsigned>
Unsigned GetLittleEndian(const std::uint8_t* in)
{
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof value; ++i)
        value |= static_cast<Unsigned>(in[i]) << (8 * i);
    return value;
}

// Reals travel as their IEEE bit pattern, so NaN payloads and -0 survive unchanged.
void PutDouble(std::uint8_t* out, double value)
{
    static_assert(sizeof(double) == sizeof(std::uint64_t));
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutLittleEndian(out, bits);
}

double GetDouble(const std::uint8_t* in)
{
    const auto bits = GetLittleEndian<std::uint64_t>(in);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void PutInt32(std::uint8_t* out, std::int32_t value)
{
    PutLittleEndian(out, static_cast<std::uint32_t>(value));
}

std::int32_t GetInt32(const std::uint8_t* in)
{
    const auto bits = GetLittleEndian<std::uint32_t>(in);
    std::int32_t value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool HasWriteBit(const QFileInfo& info)
{
    constexpr QFileDevice::Permissions kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & kAnyWrite) != 0;
}

}  // namespace

// The record's byte image is its memory layout, which Mechanism.h fixes field by field.
std::array<std::uint8_t, kParameterRecordSize> EncodeMechanism(const Mechanism& m)
{
    std::array<std::uint8_t, kParameterRecordSize> bytes{};
    PutDouble(bytes.data() + offsetof(Mechanism, Loa), m.Loa);
    PutDouble(bytes.data() + offsetof(Mechanism, Lab), m.Lab);
    PutDouble(bytes.data() + offsetof(Mechanism, Lbc), m.Lbc);
    PutDouble(bytes.data() + offsetof(Mechanism, Lde), m.Lde);
    PutDouble(bytes.data() + offsetof(Mechanism, Loc), m.Loc);
    PutDouble(bytes.data() + offsetof(Mechanism, Lad), m.Lad);
    PutDouble(bytes.data() + offsetof(Mechanism, Reserved), m.Reserved);
    PutDouble(bytes.data() + offsetof(Mechanism, GuideOffset), m.GuideOffset);
    PutInt32(bytes.data() + offsetof(Mechanism, PositionCount), m.PositionCount);
    return bytes;
}

Mechanism DecodeMechanism(const std::uint8_t* bytes)
{
    Mechanism m;
    m.Loa = GetDouble(bytes + offsetof(Mechanism, Loa));
    m.Lab = GetDouble(bytes + offsetof(Mechanism, Lab));
    m.Lbc = GetDouble(bytes + offsetof(Mechanism, Lbc));
    m.Lde = GetDouble(bytes + offsetof(Mechanism, Lde));
    m.Loc = GetDouble(bytes + offsetof(Mechanism, Loc));
    m.Lad = GetDouble(bytes + offsetof(Mechanism, Lad));
    m.Reserved = GetDouble(bytes + offsetof(Mechanism, Reserved));
    m.GuideOffset = GetDouble(bytes + offsetof(Mechanism, GuideOffset));
    m.PositionCount = GetInt32(bytes + offsetof(Mechanism, PositionCount));
    return m;
}

bool LoadParameterFile(Mechanism& destination, const QString& path)
{
    // Only a regular file (after following symlinks) is read: opening a FIFO would wait for a
    // writer for ever, a device may never end. The open does not block whatever stands there
    // by then, and the descriptor is checked again, since the name may change in between.
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::stat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode))
        return false;
    // Reading only: a file marked read-only still loads.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat opened {};
    std::uint8_t bytes[kParameterRecordSize];
    std::size_t got = 0;
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
        while (got < sizeof bytes) {
            const ssize_t n = ::read(fd, bytes + got, sizeof bytes - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    if (got != sizeof bytes)
        return false;
    destination = DecodeMechanism(bytes);
    return true;
}

bool IsSaveLeftoverName(const QString& fileName, const QString& finalName)
{
    // QSaveFile writes into "<name>.XXXXXX" (six ASCII letters) before the rename; a kill in
    // between leaves that file behind.
    constexpr int kRandomLetters = 6;
    if (fileName.size() != finalName.size() + 1 + kRandomLetters || !fileName.startsWith(finalName)
        || fileName.at(finalName.size()) != QLatin1Char('.'))
        return false;
    for (int i = finalName.size() + 1; i < fileName.size(); ++i) {
        const char16_t c = fileName.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    return true;
}

int RemoveStaleSaveLeftovers(const QString& path)
{
    // A save takes milliseconds: a minute-old temporary file belongs to a save that was killed.
    constexpr qint64 kStaleSeconds = 60;
    const QFileInfo target(path);
    const QDir dir = target.absoluteDir();
    const QString finalName = target.fileName();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    int removed = 0;
    // Symlinks are not followed and not removed: only plain files of our own making go.
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (!IsSaveLeftoverName(entry.fileName(), finalName))
            continue;
        struct stat status {};
        if (::lstat(QFile::encodeName(entry.filePath()).constData(), &status) != 0 || !S_ISREG(status.st_mode))
            continue;
        if (now - static_cast<qint64>(status.st_mtime) > kStaleSeconds && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

bool SaveParameterFile(const Mechanism& record, const QString& path)
{
    RemoveStaleSaveLeftovers(path);
    // QSaveFile would rename over a read-only file; the user marked it so to keep it. The
    // permission bits are asked as well, since a process with full rights is told "writable".
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable() || !HasWriteBit(info)))
        return false;

    const Mechanism copy = record;
    const auto bytes = EncodeMechanism(copy);
    // Unbuffered, so a short write (disk full, size limit) shows in write()'s count instead of
    // vanishing in a flush that commit() does not check.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const auto written = file.write(reinterpret_cast<const char*>(bytes.data()), kParameterRecordSize);
    if (written != kParameterRecordSize || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
