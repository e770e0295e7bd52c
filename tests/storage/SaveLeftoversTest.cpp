// Temporary files of killed saves: a later save or start-up removes those of the file's own
// name pattern older than a minute, and nothing else.

#include "storage/ParameterFile.h"

#include "support/TempWorkDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <string>

#include <unistd.h>

namespace {

void Touch(const QString& path, qint64 secondsAgo)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("x");
    ASSERT_TRUE(f.flush());  // a write flushed at close would stamp the time again
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

// The directory's entries, sorted, one space between.
std::string Entries(const QString& dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names.join(QLatin1Char(' ')).toStdString();
}

Mechanism Defaults()
{
    Mechanism m{};
    SetDefaultParameters(m);
    return m;
}

}  // namespace

TEST(SaveLeftovers, OnlyTheSaveFilePatternCounts)
{
    const QString name = QStringLiteral("startpar.tmm");
    EXPECT_TRUE(IsSaveLeftoverName("startpar.tmm.bUWtHC", name));
    EXPECT_TRUE(IsSaveLeftoverName("startpar.tmm.ZZZZZZ", name));
    EXPECT_TRUE(IsSaveLeftoverName("startpar.tmm.aaaaaa", name));
    EXPECT_FALSE(IsSaveLeftoverName("startpar.tmm", name));
    EXPECT_FALSE(IsSaveLeftoverName("startpar.tmm.bUWtH", name));    // five letters
    EXPECT_FALSE(IsSaveLeftoverName("startpar.tmm.bUWtHCx", name));  // seven
    EXPECT_FALSE(IsSaveLeftoverName("startpar.tmm.bUW1HC", name));   // a digit
    EXPECT_FALSE(IsSaveLeftoverName("startpar.tmm.bUW-HC", name));
    EXPECT_FALSE(IsSaveLeftoverName("startpar.tmm_bUWtHC", name));
    EXPECT_FALSE(IsSaveLeftoverName("startpar.tmmxbUWtHC", name));
    EXPECT_FALSE(IsSaveLeftoverName("Startpar.tmm.bUWtHC", name));
    EXPECT_FALSE(IsSaveLeftoverName("xstartpar.tmm.bUWtH", name));
    EXPECT_FALSE(IsSaveLeftoverName(QString::fromUtf8("startpar.tmm.bUWtHЖ"), name));
    EXPECT_FALSE(IsSaveLeftoverName("other.tmm.bUWtHC", name));
}

TEST(SaveLeftovers, ANameQtReallyGeneratesIsRecognised)
{
    // QSaveFile and QTemporaryFile share the name generator: "<template>.XXXXXX".
    TempWorkDir dir;
    for (int i = 0; i < 50; ++i) {
        QTemporaryFile file(dir.file("startpar.tmm"));
        ASSERT_TRUE(file.open());
        const QString generated = QFileInfo(file.fileName()).fileName();
        EXPECT_TRUE(IsSaveLeftoverName(generated, "startpar.tmm")) << generated.toStdString();
    }
}

TEST(SaveLeftovers, StartUpSweepRemovesOldLeftoversAndNothingElse)
{
    TempWorkDir dir;
    Touch(dir.file("startpar.tmm"), 3600);
    Touch(dir.file("startpar.tmm.oldAAA"), 3600);
    Touch(dir.file("startpar.tmm.oldBBB"), 90);
    Touch(dir.file("startpar.tmm.newCCC"), 0);       // a save running now, perhaps in another window
    Touch(dir.file("startpar.tmm.newDDD"), 30);
    Touch(dir.file("startpar.tmm.old1AA"), 3600);    // not the pattern
    Touch(dir.file("startpar.tmm.oldAAAA"), 3600);
    Touch(dir.file("startpar.tmm.bak"), 3600);
    Touch(dir.file("other.tmm.oldEEE"), 3600);
    ASSERT_TRUE(QDir(dir.path()).mkdir("startpar.tmm.dirFFF"));
    Touch(dir.file("target"), 3600);
    ASSERT_EQ(::symlink("target", QFile::encodeName(dir.file("startpar.tmm.lnkGGG")).constData()), 0);
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(dir.file("startpar.tmm.lnkHHH")).constData()), 0);

    EXPECT_EQ(RemoveStaleSaveLeftovers(), 2);
    EXPECT_EQ(Entries(dir.path()),
              "other.tmm.oldEEE startpar.tmm startpar.tmm.bak startpar.tmm.dirFFF startpar.tmm.lnkGGG "
              "startpar.tmm.lnkHHH startpar.tmm.newCCC startpar.tmm.newDDD startpar.tmm.old1AA "
              "startpar.tmm.oldAAAA target");
    EXPECT_EQ(RemoveStaleSaveLeftovers(), 0);
}

TEST(SaveLeftovers, ASaveSweepsTheDirectoryOfItsFile)
{
    TempWorkDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    Touch(dir.file("sub/startpar.tmm.oldAAA"), 120);
    Touch(dir.file("sub/startpar.tmm.newBBB"), 5);
    Touch(dir.file("startpar.tmm.oldCCC"), 120);  // another directory: not this save's business

    ASSERT_TRUE(SaveParameterFile(Defaults(), dir.file("sub/startpar.tmm")));
    EXPECT_EQ(Entries(dir.file("sub")), "startpar.tmm startpar.tmm.newBBB");
    EXPECT_TRUE(QFile::exists(dir.file("startpar.tmm.oldCCC")));

    // A save that fails still sweeps: the leftovers are not its own file.
    Touch(dir.file("sub/startpar.tmm.oldDDD"), 120);
    ASSERT_TRUE(QFile::setPermissions(dir.file("sub/startpar.tmm"), QFileDevice::ReadOwner));
    EXPECT_FALSE(SaveParameterFile(Defaults(), dir.file("sub/startpar.tmm")));
    EXPECT_EQ(Entries(dir.file("sub")), "startpar.tmm startpar.tmm.newBBB");
}
