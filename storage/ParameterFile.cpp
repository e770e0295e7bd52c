#include "storage/ParameterFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {

// Byte offsets of the fields in the record.
constexpr int kOffsetLoa = 0;
constexpr int kOffsetLab = 8;
constexpr int kOffsetLbc = 16;
constexpr int kOffsetLde = 24;
constexpr int kOffsetLoc = 32;
constexpr int kOffsetLad = 40;
constexpr int kOffsetReserved = 48;
constexpr int kOffsetGuideOffset = 56;
constexpr int kOffsetPositionCount = 64;

void PutUint64(std::uint8_t* out, std::uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetUint64(const std::uint8_t* in)
{
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
    return value;
}

// Reals travel as their IEEE bit pattern, so NaN payloads and -0 survive unchanged.
void PutDouble(std::uint8_t* out, double value)
{
    static_assert(sizeof(double) == sizeof(std::uint64_t));
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutUint64(out, bits);
}

double GetDouble(const std::uint8_t* in)
{
    const std::uint64_t bits = GetUint64(in);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void PutInt32(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* in)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
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

std::array<std::uint8_t, kParameterRecordSize> EncodeMechanism(const Mechanism& m)
{
    std::array<std::uint8_t, kParameterRecordSize> bytes{};
    PutDouble(bytes.data() + kOffsetLoa, m.Loa);
    PutDouble(bytes.data() + kOffsetLab, m.Lab);
    PutDouble(bytes.data() + kOffsetLbc, m.Lbc);
    PutDouble(bytes.data() + kOffsetLde, m.Lde);
    PutDouble(bytes.data() + kOffsetLoc, m.Loc);
    PutDouble(bytes.data() + kOffsetLad, m.Lad);
    PutDouble(bytes.data() + kOffsetReserved, m.Reserved);
    PutDouble(bytes.data() + kOffsetGuideOffset, m.GuideOffset);
    PutInt32(bytes.data() + kOffsetPositionCount, m.PositionCount);
    return bytes;
}

Mechanism DecodeMechanism(const std::uint8_t* bytes)
{
    Mechanism m;
    m.Loa = GetDouble(bytes + kOffsetLoa);
    m.Lab = GetDouble(bytes + kOffsetLab);
    m.Lbc = GetDouble(bytes + kOffsetLbc);
    m.Lde = GetDouble(bytes + kOffsetLde);
    m.Loc = GetDouble(bytes + kOffsetLoc);
    m.Lad = GetDouble(bytes + kOffsetLad);
    m.Reserved = GetDouble(bytes + kOffsetReserved);
    m.GuideOffset = GetDouble(bytes + kOffsetGuideOffset);
    m.PositionCount = GetInt32(bytes + kOffsetPositionCount);
    return m;
}

bool LoadParameterFile(Mechanism& destination, const QString& path)
{
    // Reading only: a file marked read-only still loads.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.read(kParameterRecordSize);
    if (data.size() != kParameterRecordSize)
        return false;
    destination = DecodeMechanism(reinterpret_cast<const std::uint8_t*>(data.constData()));
    return true;
}

bool SaveParameterFile(const Mechanism& record, const QString& path)
{
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
