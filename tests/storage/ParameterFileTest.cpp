#include "storage/ParameterFile.h"

#include "support/TempWorkDir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>

namespace {

// The file written from the built-in defaults, byte for byte.
const QByteArray kDefaultImage = QByteArray::fromHex(
    "9a9999999999b93f"
    "333333333333e33f"
    "333333333333e33f"
    "000000000000e03f"
    "000000000000f03f"
    "333333333333d33f"
    "0000000000000000"
    "000000000000e03f"
    "08000000");

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

Mechanism Defaults()
{
    Mechanism m{};
    SetDefaultParameters(m);
    return m;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameRecord(const Mechanism& a, const Mechanism& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

Mechanism Sentinel()
{
    Mechanism m{};
    m.Loa = 42;
    m.PositionCount = -7;
    return m;
}

const QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;

}  // namespace

TEST(ParameterFile, DefaultsSaveToTheDocumentedBytes)
{
    TempWorkDir dir;
    ASSERT_TRUE(SaveParameterFile(Defaults()));
    EXPECT_EQ(ReadAll(dir.file("startpar.tmm")).toHex(), kDefaultImage.toHex());
}

TEST(ParameterFile, EncodeGivesTheDocumentedBytesAndPositionCountLittleEndian)
{
    const auto bytes = EncodeMechanism(Defaults());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), kParameterRecordSize).toHex(),
              kDefaultImage.toHex());

    Mechanism m = Defaults();
    m.PositionCount = 180;
    const auto after = EncodeMechanism(m);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(after.data() + 64), 4).toHex(), "b4000000");
    m.PositionCount = -3;
    const auto negative = EncodeMechanism(m);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(negative.data() + 64), 4).toHex(), "fdffffff");
}

TEST(ParameterFile, EncodeDecodeKeepsEveryBit)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Mechanism m;
    m.Loa = -nan;
    m.Lab = inf;
    m.Lbc = -inf;
    m.Lde = -0.0;
    m.Loc = -1e-310;  // subnormal
    m.Lad = std::numeric_limits<double>::max();
    m.Reserved = std::numeric_limits<double>::signaling_NaN();
    m.GuideOffset = -0.25;
    m.PositionCount = std::numeric_limits<std::int32_t>::min();

    const auto bytes = EncodeMechanism(m);
    const Mechanism back = DecodeMechanism(bytes.data());
    EXPECT_TRUE(SameRecord(m, back));
    EXPECT_TRUE(SameBits(back.Lde, -0.0));
    EXPECT_TRUE(std::isnan(back.Loa) && std::signbit(back.Loa));
    EXPECT_EQ(back.PositionCount, std::numeric_limits<std::int32_t>::min());
}

TEST(ParameterFile, FileRoundTripKeepsEveryBit)
{
    TempWorkDir dir;
    Mechanism m = Defaults();
    m.Lbc = std::numeric_limits<double>::quiet_NaN();
    m.Reserved = -123.456;
    m.PositionCount = 0x12345678;
    ASSERT_TRUE(SaveParameterFile(m));
    Mechanism back = Sentinel();
    ASSERT_TRUE(LoadParameterFile(back));
    EXPECT_TRUE(SameRecord(m, back));
}

TEST(ParameterFile, ShortMissingOrOddFilesAreNotLoaded)
{
    TempWorkDir dir;
    struct Case {
        const char* what;
        QByteArray content;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"one byte", QByteArray(1, '\x01')},
        {"67 bytes", kDefaultImage.left(67)},
    };
    for (const Case& c : cases) {
        WriteAll(dir.file("startpar.tmm"), c.content);
        Mechanism m = Sentinel();
        EXPECT_FALSE(LoadParameterFile(m)) << c.what;
        EXPECT_TRUE(SameRecord(m, Sentinel())) << c.what;
    }

    QFile::remove(dir.file("startpar.tmm"));
    Mechanism m = Sentinel();
    EXPECT_FALSE(LoadParameterFile(m)) << "missing";

    ASSERT_TRUE(QDir(dir.path()).mkdir("startpar.tmm"));
    EXPECT_FALSE(LoadParameterFile(m)) << "a directory";
    EXPECT_TRUE(SameRecord(m, Sentinel()));
}

TEST(ParameterFile, LongerFileReadsItsFirstRecordAndASaveShortensIt)
{
    TempWorkDir dir;
    Mechanism second = Defaults();
    second.Loa = 7;
    const auto tail = EncodeMechanism(second);
    WriteAll(dir.file("startpar.tmm"),
             kDefaultImage + QByteArray(reinterpret_cast<const char*>(tail.data()), kParameterRecordSize) + "xyz");

    Mechanism m{};
    ASSERT_TRUE(LoadParameterFile(m));
    EXPECT_TRUE(SameRecord(m, Defaults()));

    ASSERT_TRUE(SaveParameterFile(m));
    EXPECT_EQ(ReadAll(dir.file("startpar.tmm")).toHex(), kDefaultImage.toHex());
}

TEST(ParameterFile, ReservedBytesSurviveALoadAndASave)
{
    TempWorkDir dir;
    QByteArray image = kDefaultImage;
    const QByteArray reserved = QByteArray::fromHex("0102030405060708");
    image.replace(48, 8, reserved);
    WriteAll(dir.file("startpar.tmm"), image);

    Mechanism m{};
    ASSERT_TRUE(LoadParameterFile(m));
    QFile::remove(dir.file("startpar.tmm"));
    ASSERT_TRUE(SaveParameterFile(m));
    const QByteArray saved = ReadAll(dir.file("startpar.tmm"));
    EXPECT_EQ(saved.mid(48, 8).toHex(), reserved.toHex());
    EXPECT_EQ(saved.toHex(), image.toHex());
}

TEST(ParameterFile, ReadOnlyFileLoadsButIsNotReplaced)
{
    TempWorkDir dir;
    const QString path = dir.file("startpar.tmm");
    WriteAll(path, kDefaultImage);
    ASSERT_TRUE(QFile::setPermissions(path, kReadOnly));

    Mechanism m{};
    EXPECT_TRUE(LoadParameterFile(m));
    EXPECT_TRUE(SameRecord(m, Defaults()));

    m.Loa = 9;
    EXPECT_FALSE(SaveParameterFile(m));
    EXPECT_EQ(ReadAll(path).toHex(), kDefaultImage.toHex());
    QFile::setPermissions(path, kReadOnly | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

TEST(ParameterFile, FailedSaveLeavesTheOldFileByteForByte)
{
    TempWorkDir dir;
    const QString path = dir.file("startpar.tmm");
    QByteArray old = kDefaultImage;
    old.append("old tail");
    WriteAll(path, old);

    const QString sub = dir.file("locked");
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    const QString lockedFile = sub + "/startpar.tmm";
    WriteAll(lockedFile, old);
    ASSERT_TRUE(QFile::setPermissions(sub, kReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeUser));

    // A process with full rights (root) ignores the permission bits: then the read-only
    // directory cannot make a save fail, and only the other failures below are checked.
    const bool permissionsBite = !QFile(sub + "/probe").open(QIODevice::WriteOnly);
    Mechanism m = Defaults();
    m.Loa = 5;
    if (permissionsBite) {
        EXPECT_FALSE(SaveParameterFile(m, lockedFile));
        EXPECT_EQ(ReadAll(lockedFile).toHex(), old.toHex());
    }
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // A directory that does not exist.
    EXPECT_FALSE(SaveParameterFile(m, dir.file("missing/startpar.tmm")));
    EXPECT_FALSE(QFileInfo::exists(dir.file("missing")));

    // A directory standing where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir("asdir"));
    ASSERT_TRUE(QDir(dir.file("asdir")).mkdir("startpar.tmm"));
    EXPECT_FALSE(SaveParameterFile(m, dir.file("asdir/startpar.tmm")));
    EXPECT_TRUE(QFileInfo(dir.file("asdir/startpar.tmm")).isDir());

    // The file in the working directory was never touched by the failed saves.
    EXPECT_EQ(ReadAll(path).toHex(), old.toHex());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"startpar.tmm"});
}

TEST(ParameterFile, WriteFailureMidwayLeavesTheOldFileByteForByte)
{
    // A file-size limit makes the write itself fail, whoever runs the test.
    TempWorkDir dir;
    const QString path = dir.file("startpar.tmm");
    const QByteArray old = QByteArray("previous contents");
    WriteAll(path, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool result = SaveParameterFile(Defaults());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result);
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"startpar.tmm"});
}
