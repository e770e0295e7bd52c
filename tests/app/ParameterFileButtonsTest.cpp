// "Считать из файла" and "Сохранить в файл" driven through the real window.

#include "app/MainForm.h"
#include "storage/ParameterFile.h"

#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

const QString kLoadFailed = QStringLiteral("Не удалось прочитать параметры из файла startpar.tmm");
const QString kSaveFailed = QStringLiteral("Не удалось сохранить параметры в файл startpar.tmm");

const QByteArray kDefaultImage = QByteArray::fromHex(
    "9a9999999999b93f333333333333e33f333333333333e33f000000000000e03f"
    "000000000000f03f333333333333d33f0000000000000000000000000000e03f08000000");

QByteArray Image(const Mechanism& m)
{
    const auto bytes = EncodeMechanism(m);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kParameterRecordSize);
}

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool SameRecord(const Mechanism& a, const Mechanism& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A record whose every field differs from the defaults; Reserved carries odd bytes.
Mechanism Distinct()
{
    Mechanism m;
    m.Loa = 0.25;
    m.Lab = 0.7;
    m.Lbc = 0.8;
    m.Lde = 0.45;
    m.Loc = 1.5;
    m.Lad = 0.123;
    const unsigned char reserved[8] = {1, 2, 3, 4, 5, 6, 7, 0x7f};
    std::memcpy(&m.Reserved, reserved, sizeof reserved);
    m.GuideOffset = 0.9;
    m.PositionCount = 12;
    return m;
}

class ParameterFileButtons : public ::testing::Test {
protected:
    void Open()
    {
        form = std::make_unique<TForm4>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QLineEdit* Edit(const char* name) { return form->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* Button(const char* name) { return form->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QStringList Fields()
    {
        QStringList texts;
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit7", "Edit10"})
            texts << Edit(name)->text();
        return texts;
    }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

    TempWorkDir dir;
    RecordingMessages messages;
    std::unique_ptr<TForm4> form;
};

const QStringList kDefaultFields = {"0,1", "0,6", "0,6", "0,5", "1", "8"};

}  // namespace

TEST_F(ParameterFileButtons, StartUpTakesTheFileOrElseTheDefaults)
{
    Open();
    EXPECT_EQ(Fields(), kDefaultFields);
    form.reset();

    WriteFile(dir.file("startpar.tmm"), Image(Distinct()));
    Open();
    EXPECT_TRUE(SameRecord(form->MechanismRecord(), Distinct()));
    EXPECT_EQ(Fields(), (QStringList{"0,25", "0,7", "0,8", "0,45", "1,5", "12"}));
    form.reset();

    WriteFile(dir.file("startpar.tmm"), Image(Distinct()).left(67));
    Open();
    EXPECT_EQ(Fields(), kDefaultFields);
    EXPECT_TRUE(messages.all.isEmpty()) << "the start-up load is silent";
}

TEST_F(ParameterFileButtons, ReadButtonCopiesTheWholeRecordWithoutCalculating)
{
    Open();
    WriteFile(dir.file("startpar.tmm"), Image(Distinct()));
    Click("Button5");
    EXPECT_TRUE(SameRecord(form->MechanismRecord(), Distinct()));
    EXPECT_EQ(Fields(), (QStringList{"0,25", "0,7", "0,8", "0,45", "1,5", "12"}));
    EXPECT_EQ(form->CalculationCount(), 0);
    EXPECT_TRUE(messages.all.isEmpty());
}

TEST_F(ParameterFileButtons, ReadButtonKeepsEverythingWhenTheFileIsShortOrMissing)
{
    Open();
    const Mechanism before = form->MechanismRecord();
    for (const QByteArray& content : {QByteArray(), Image(Distinct()).left(67)}) {
        WriteFile(dir.file("startpar.tmm"), content);
        Click("Button5");
        EXPECT_TRUE(SameRecord(form->MechanismRecord(), before));
        EXPECT_EQ(Fields(), kDefaultFields);
    }
    QFile::remove(dir.file("startpar.tmm"));
    Click("Button5");
    EXPECT_EQ(messages.messages, (QStringList{kLoadFailed, kLoadFailed, kLoadFailed}));
    EXPECT_TRUE(SameRecord(form->MechanismRecord(), before));
}

TEST_F(ParameterFileButtons, ReadOnlyFileIsRead)
{
    Open();
    const QString path = dir.file("startpar.tmm");
    WriteFile(path, Image(Distinct()));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    Click("Button5");
    EXPECT_TRUE(SameRecord(form->MechanismRecord(), Distinct()));
    EXPECT_TRUE(messages.all.isEmpty());
}

TEST_F(ParameterFileButtons, SaveButtonWritesTheRecordAfterTheFieldsExitHandler)
{
    Open();
    Click("Button6");
    EXPECT_EQ(ReadFile(dir.file("startpar.tmm")).toHex(), kDefaultImage.toHex());

    // A value typed and not yet left: clicking the button leaves the field first.
    QLineEdit* edit = Edit("Edit1");
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, "0.3");
    Click("Button6");
    const QByteArray saved = ReadFile(dir.file("startpar.tmm"));
    ASSERT_EQ(saved.size(), kParameterRecordSize);
    const Mechanism back = DecodeMechanism(reinterpret_cast<const std::uint8_t*>(saved.constData()));
    EXPECT_EQ(back.Loa, 0.3);
    EXPECT_EQ(saved.mid(8).toHex(), kDefaultImage.mid(8).toHex());
    EXPECT_TRUE(messages.all.isEmpty());
}

TEST_F(ParameterFileButtons, SaveAndReadBackKeepReservedBytes)
{
    WriteFile(dir.file("startpar.tmm"), Image(Distinct()) + QByteArray("trailing record"));
    Open();
    Click("Button6");
    EXPECT_EQ(ReadFile(dir.file("startpar.tmm")).toHex(), Image(Distinct()).toHex());
}

TEST_F(ParameterFileButtons, FailedSaveIsReportedAndChangesNothing)
{
    Open();
    ASSERT_TRUE(QDir(dir.path()).mkdir("startpar.tmm"));
    Click("Button6");
    EXPECT_EQ(messages.messages, QStringList{kSaveFailed});
    EXPECT_TRUE(QFileInfo(dir.file("startpar.tmm")).isDir());
    EXPECT_EQ(Fields(), kDefaultFields);
}
