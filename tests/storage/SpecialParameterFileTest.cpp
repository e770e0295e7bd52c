// The parameter file name taken by something that is not a regular file: a load must refuse it
// at once, without blocking and without touching the record.

#include "storage/ParameterFile.h"

#include "support/TempWorkDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Mechanism Sentinel()
{
    Mechanism m{};
    m.Loa = 42;
    m.PositionCount = -7;
    return m;
}

bool SameRecord(const Mechanism& a, const Mechanism& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QByteArray DefaultImage()
{
    Mechanism m{};
    SetDefaultParameters(m);
    const auto bytes = EncodeMechanism(m);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kParameterRecordSize);
}

void WriteAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

// Loads the parameter file on another thread. When the load is still running after two seconds
// it is stuck in an open of `fifo`: a writer is opened to release it, and the test fails instead
// of hanging.
bool LoadWithinTwoSeconds(const QString& fifo, Mechanism& m, bool& loaded)
{
    auto load = std::async(std::launch::async, [&] { return LoadParameterFile(m); });
    if (load.wait_for(std::chrono::seconds(2)) == std::future_status::ready) {
        loaded = load.get();
        return true;
    }
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        ::close(writer);
    loaded = load.get();
    return false;
}

}  // namespace

TEST(SpecialParameterFile, AFifoIsNeitherOpenedNorWaitedFor)
{
    TempWorkDir dir;
    const QString fifo = dir.file("startpar.tmm");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0) << std::strerror(errno);

    Mechanism m = Sentinel();
    bool loaded = true;
    EXPECT_TRUE(LoadWithinTwoSeconds(fifo, m, loaded)) << "the load blocked on a FIFO";
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(SameRecord(m, Sentinel()));

    // A FIFO with a writer holding a whole record is still not a parameter file.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const QByteArray image = DefaultImage();
    ASSERT_EQ(::write(writer, image.constData(), static_cast<std::size_t>(image.size())), image.size());
    EXPECT_TRUE(LoadWithinTwoSeconds(fifo, m, loaded));
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(SameRecord(m, Sentinel()));
    ::close(writer);
    ::close(reader);
}

TEST(SpecialParameterFile, SymlinksCountByWhatTheyPointTo)
{
    TempWorkDir dir;
    const QString link = dir.file("startpar.tmm");
    struct Case {
        const char* what;
        QString target;
        bool loads;
    };
    WriteAll(dir.file("record"), DefaultImage());
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe")).constData(), 0644), 0);
    const Case cases[] = {
        {"to /dev/zero (endless zero bytes)", QStringLiteral("/dev/zero"), false},
        {"to /dev/null", QStringLiteral("/dev/null"), false},
        {"dangling", dir.file("nowhere"), false},
        {"to a directory", dir.path(), false},
        {"to a FIFO", dir.file("pipe"), false},
        {"to itself (a loop)", link, false},
        {"to a regular file with a record", dir.file("record"), true},
    };
    for (const Case& c : cases) {
        QFile::remove(link);
        ASSERT_EQ(::symlink(QFile::encodeName(c.target).constData(), QFile::encodeName(link).constData()), 0) << c.what;
        Mechanism m = Sentinel();
        bool loaded = !c.loads;
        EXPECT_TRUE(LoadWithinTwoSeconds(dir.file("pipe"), m, loaded)) << c.what << ": the load blocked";
        EXPECT_EQ(loaded, c.loads) << c.what;
        Mechanism expected = Sentinel();
        if (c.loads)
            SetDefaultParameters(expected);
        EXPECT_TRUE(SameRecord(m, expected)) << c.what;
    }
}

TEST(SpecialParameterFile, ADirectoryOrACharacterDeviceByPathIsNotLoaded)
{
    TempWorkDir dir;
    Mechanism m = Sentinel();
    EXPECT_FALSE(LoadParameterFile(m, dir.path()));
    EXPECT_FALSE(LoadParameterFile(m, QStringLiteral("/dev/zero")));
    EXPECT_FALSE(LoadParameterFile(m, QStringLiteral("/dev/urandom")));
    EXPECT_FALSE(LoadParameterFile(m, QString()));
    EXPECT_TRUE(SameRecord(m, Sentinel()));
}

TEST(SpecialParameterFile, AFileWithoutReadPermissionIsNotLoaded)
{
    TempWorkDir dir;
    const QString path = dir.file("startpar.tmm");
    WriteAll(path, DefaultImage());
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    // A process with full rights (root) reads it anyway; then only the mode is checked.
    const int probe = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const bool permissionsBite = probe < 0;
    if (probe >= 0)
        ::close(probe);
    Mechanism m = Sentinel();
    const bool loaded = LoadParameterFile(m);
    if (permissionsBite) {
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(SameRecord(m, Sentinel()));
    } else {
        EXPECT_TRUE(loaded);
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
