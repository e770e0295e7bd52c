// The command line's and the batch's further inputs (speed, loads, keeping Lbc), the parameter
// file judged as the window judges it, the names a batch may hold, the output folder, and the
// conditions block every CSV carries.

#include "CommandLineRun.h"
#include "ReportTestSupport.h"

#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "kinematics/NumberText.h"
#include "report/SpreadsheetText.h"
#include "storage/ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QStringList Files(const QString& dir)
{
    QStringList names = QDir(dir).entryList(QDir::Files);
    names.sort();
    return names;
}

TEST(CommandLineInputs, SpeedLoadsAndKeepLbcReachTheCalculationAndTheCsvSaysSo)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("t.csv"));
    const Outcome run = RunWith({QStringLiteral("--loa=0,1"), QStringLiteral("--n"), QStringLiteral("12"), QStringLiteral("--n1"), QStringLiteral("60"),
                                 QStringLiteral("--q"), QStringLiteral("5"), QStringLiteral("--m5"), QStringLiteral("0"),
                                 QStringLiteral("--fc=250"), QStringLiteral("--gravity"), QStringLiteral("0"),
                                 QStringLiteral("--keep-lbc"), QStringLiteral("--csv"), csv});
    ASSERT_EQ(run.status, kExitSuccess) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Длина коромысла BC выбрана: 0,6 м"))) << "the typed Lbc kept";
    const QByteArray bytes = ReadAll(csv);
    const QMap<QString, QString> conditions = CsvConditions(bytes);
    EXPECT_EQ(conditions.value(QStringLiteral("Lbc, м")), QStringLiteral("0,6"));
    EXPECT_EQ(conditions.value(QStringLiteral("Lbc подобрана по исследованию")), QStringLiteral("нет"));
    EXPECT_EQ(conditions.value(QStringLiteral("N")), QStringLiteral("12"));
    EXPECT_EQ(conditions.value(QStringLiteral("ω1 для сил, рад/с")), QString::fromStdString(FormatGeneral(60 * (M_PI / 30))));
    EXPECT_EQ(conditions.value(QStringLiteral("Скорости и ускорения в таблице при ω1, рад/с")), QStringLiteral("1"));
    EXPECT_EQ(conditions.value(QStringLiteral("q, кг/м")), QStringLiteral("5"));
    EXPECT_EQ(conditions.value(QStringLiteral("m5, кг")), QStringLiteral("0"));
    EXPECT_EQ(conditions.value(QStringLiteral("Fс, Н")), QStringLiteral("250"));
    EXPECT_EQ(conditions.value(QStringLiteral("g, м/с²")), QStringLiteral("0"));
    EXPECT_TRUE(conditions.value(QStringLiteral("Реакции")).startsWith(QStringLiteral("Rij")));

    // The forces follow the loads: the same mechanism with the given loads, computed directly.
    CalculationInput input;
    input.typed = DefaultMechanism(12);
    input.options.adoptLbc = false;
    input.loads = {5, 0, 250, false, 60 * (M_PI / 30)};
    const CalculationResult expected = Calculate(input);
    const QList<QStringList> rows = CsvCells(bytes);
    ASSERT_EQ(rows.size(), 13);
    const auto column = [&](const QString& header) { return static_cast<int>(rows[0].indexOf(header)); };
    ASSERT_GT(column(QStringLiteral("R01x, Н")), 0);
    ASSERT_GT(column(QStringLiteral("ε4, рад/с²")), 0);
    for (int r = 1; r < rows.size(); ++r) {
        const auto k = static_cast<std::size_t>(r - 1);
        EXPECT_EQ(rows[r][column(QStringLiteral("R01x, Н"))].toStdString(), FormatGeneral(expected.forces.table.RxO[k]));
        EXPECT_EQ(rows[r][column(QStringLiteral("R45y, Н"))].toStdString(), FormatGeneral(expected.forces.table.RyE[k]));
        EXPECT_EQ(rows[r][column(QStringLiteral("ω3, рад/с"))].toStdString(),
                  FormatGeneral(expected.Kinematics().table.accelerations.Omega3[k]));
    }
}

TEST(CommandLineInputs, EachInputGetsItsFieldsVerdict)
{
    struct Case {
        QStringList arguments;
        QString says;
    };
    const Case cases[] = {
        {{QStringLiteral("--omega1"), QStringLiteral("0")}, QStringLiteral("ω1: Ноль недопустим!")},
        {{QStringLiteral("--n1"), QStringLiteral("-3")}, QStringLiteral("n1: Параметр не может быть отрицательным!")},
        {{QStringLiteral("--q"), QStringLiteral("abc")}, QStringLiteral("q: Ошибка ввода данных!")},
        {{QStringLiteral("--fc"), QStringLiteral("-1")}, QStringLiteral("Fс: Параметр не может быть отрицательным!")},
        {{QStringLiteral("--gravity"), QStringLiteral("2")}, QStringLiteral("g: Вибране значення поза діапазоном")},
        {{QStringLiteral("--omega1"), QStringLiteral("2"), QStringLiteral("--n1"), QStringLiteral("20")},
         QStringLiteral("Скорость кривошипа задаётся одним из --omega1 и --n1.")},
        {{QStringLiteral("--keep-lbc=1")}, QStringLiteral("Параметр --keep-lbc не принимает значения.")},
    };
    for (const Case& c : cases) {
        const Outcome run = RunWith(QStringList{QStringLiteral("--loa"), QStringLiteral("0,1")} + c.arguments);
        EXPECT_EQ(run.status, kExitUsage) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << "nothing computed";
    }
    // A load of zero is a load.
    EXPECT_EQ(RunWith({QStringLiteral("--loa=0,1"), QStringLiteral("--n"), QStringLiteral("4"), QStringLiteral("--q"), QStringLiteral("0")}).status,
              kExitSuccess);
}

TEST(CommandLineInputs, AParameterFilesValuesGetTheVerdictsTypedValuesGet)
{
    QTemporaryDir dir;
    struct Case {
        void (*change)(Mechanism&);
        QString says;
    };
    const Case cases[] = {
        {[](Mechanism& m) { m.Loa = 0; }, QStringLiteral("Loa: Ноль недопустим!")},
        {[](Mechanism& m) { m.Lde = -0.5; }, QStringLiteral("Lde: Параметр не может быть отрицательным!")},
        {[](Mechanism& m) { m.Lbc = 0.3; }, QStringLiteral("Lbc: Вибране значення поза діапазоном")},
        {[](Mechanism& m) { m.PositionCount = 0; }, QStringLiteral("N: Ноль недопустим!")},
        {[](Mechanism& m) { m.PositionCount = -8; }, QStringLiteral("N: Параметр не может быть отрицательным!")},
        {[](Mechanism& m) { m.Loa = std::nan(""); }, QStringLiteral("Loa: Ошибка ввода данных!")},
    };
    for (const Case& c : cases) {
        Mechanism m = DefaultMechanism(8);
        c.change(m);
        const QString params = dir.filePath(QStringLiteral("p.tmm"));
        ASSERT_TRUE(SaveParameterFile(m, params));
        const Outcome run = RunWith({QStringLiteral("--params"), params});
        EXPECT_EQ(run.status, kExitUsage) << c.says.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith(c.says)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("в файле параметров"))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    // An option given beside the file replaces the file's value before it is judged.
    Mechanism m = DefaultMechanism(8);
    m.Loa = 0;
    const QString params = dir.filePath(QStringLiteral("p.tmm"));
    ASSERT_TRUE(SaveParameterFile(m, params));
    EXPECT_EQ(RunWith({QStringLiteral("--params"), params, QStringLiteral("--loa"), QStringLiteral("0,1")}).status, kExitSuccess);
}

TEST(BatchInputs, OptionalColumnsInAnyOrderAndTheOptionsAsDefaults)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("v.csv"));
    WriteAll(variants, "Fс;N;Вариант;g;Loa;Lab;Lbc;Lde;Loc;q;Подбор;n1\n"
                       "100;8;a;0;0,1;0,6;0,6;0,5;1;;0;30\n"   // q empty: the option's
                       ";8;b;;0,1;0,6;0,6;0,5;1;7;;\n"          // the options' and defaults
                       "-5;8;c;1;0,1;0,6;0,6;0,5;1;1;1;\n");    // a refused load
    const Outcome run = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), dir.path(),
                                 QStringLiteral("--q"), QStringLiteral("3"), QStringLiteral("--keep-lbc")});
    EXPECT_EQ(run.status, kExitSomeFailed) << run.err.toStdString();
    const QByteArray bytes = ReadAll(QDir(dir.path()).filePath(QStringLiteral("summary.csv")));
    const QList<QStringList> summary = CsvCells(bytes);
    ASSERT_EQ(summary.size(), 4);
    ASSERT_EQ(summary[0].size(), 28);
    // ω1, q, m5, Fс, g, Подбор as each row used them.
    EXPECT_EQ(summary[1].mid(22), QStringList({QString::fromStdString(FormatGeneral(M_PI)), QStringLiteral("3"),
                                               QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("0"),
                                               QStringLiteral("0")}));
    EXPECT_EQ(summary[1][7], QStringLiteral("0,6")) << "Lbc kept";
    EXPECT_EQ(summary[2].mid(22), QStringList({QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("10"),
                                               QStringLiteral("500"), QStringLiteral("1"), QStringLiteral("0")}));
    EXPECT_EQ(summary[3][10], QStringLiteral("Fс: Параметр не может быть отрицательным!"));
    EXPECT_EQ(summary[3][25], QStringLiteral("'-5")) << "kept as typed, as text";
    EXPECT_EQ(summary[3][1], QStringLiteral("0,1"));
    const QMap<QString, QString> conditions = CsvConditions(bytes);
    EXPECT_EQ(conditions.value(QStringLiteral("q, кг/м по умолчанию")), QStringLiteral("3"));
    EXPECT_EQ(conditions.value(QStringLiteral("Файл вариантов")), variants);
    // The variant's own CSV carries its row's loads.
    const QMap<QString, QString> a = CsvConditions(ReadAll(QDir(dir.path()).filePath(QStringLiteral("a.csv"))));
    EXPECT_EQ(a.value(QStringLiteral("Fс, Н")), QStringLiteral("100"));
    EXPECT_EQ(a.value(QStringLiteral("Lbc подобрана по исследованию")), QStringLiteral("нет"));

    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N;ω1;n1\na;0,1;0,6;0,6;0,5;1;8;1;10\n");
    const Outcome both = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), dir.path()});
    EXPECT_EQ(both.status, kExitUsage);
    EXPECT_TRUE(both.err.contains(QStringLiteral("есть оба столбца «ω1» и «n1»"))) << both.err.toStdString();
}

TEST(BatchInputs, TheOutputFolderIsCreatedWhenItsParentExists)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("v.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N\na;0,1;0,6;0,6;0,5;1;4\n");
    const QString fresh = dir.filePath(QStringLiteral("новая"));
    const Outcome run = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), fresh});
    EXPECT_EQ(run.status, kExitSuccess) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Создана папка «%1»").arg(fresh))) << run.err.toStdString();
    EXPECT_EQ(Files(fresh), QStringList({QStringLiteral("a.csv"), QStringLiteral("a.pdf"), QStringLiteral("summary.csv")}));
    const QString deep = dir.filePath(QStringLiteral("нет/глубже"));
    const Outcome refused = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), deep});
    EXPECT_EQ(refused.status, kExitUsage);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("нет"))));
}

TEST(BatchInputs, FormulasAndControlCharactersInNamesReachNeitherTheSpreadsheetNorTheTerminal)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("v.csv"));
    WriteAll(variants, "Вариант;Loa;Lab;Lbc;Lde;Loc;N\n"
                       "=1+1;0,1;0,6;0,6;0,5;1;4\n"
                       "\"=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\";0,1;0,6;0,6;0,5;1;4\n"
                       "+7;0,1;0,6;0,6;0,5;1;4\n"
                       "@SUM(A1);0,1;0,6;0,6;0,5;1;4\n"
                       "-2;0,1;0,6;0,6;0,5;1;4\n"
                       "\"\tтаб\";0,1;0,6;0,6;0,5;1;4\n"
                       "a\x1b[31mred\x07\x01;0,1;0,6;0,6;0,5;1;4\n"
                       "=bad;=1;0,6;0,6;0,5;1;4\n");
    const Outcome run = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), dir.path()});
    EXPECT_EQ(run.status, kExitSomeFailed);
    for (const QChar c : run.err)
        EXPECT_FALSE(c.unicode() < 0x20 && c != u'\n') << "control character " << int(c.unicode()) << " on stderr";
    const QList<QStringList> summary = CsvCells(ReadAll(QDir(dir.path()).filePath(QStringLiteral("summary.csv"))));
    ASSERT_EQ(summary.size(), 9);
    EXPECT_EQ(summary[1][0], QStringLiteral("'=1+1"));
    EXPECT_TRUE(summary[2][0].startsWith(QStringLiteral("\"'=HYPERLINK"))) << summary[2][0].toStdString();
    EXPECT_EQ(summary[3][0], QStringLiteral("'+7"));
    EXPECT_EQ(summary[4][0], QStringLiteral("'@SUM(A1)"));
    EXPECT_EQ(summary[5][0], QStringLiteral("'-2"));
    EXPECT_EQ(summary[6][0], QStringLiteral("таб")) << "blanks around a name go";
    EXPECT_EQ(summary[7][0], QStringLiteral("a\uFFFD[31mred\uFFFD\uFFFD"));
    EXPECT_EQ(summary[8][1], QStringLiteral("'=1")) << "a refused cell as typed, defused";
    EXPECT_TRUE(summary[1][10].isEmpty()) << "computed";

    // Numbers the program writes are no text cells: only what a user gave goes through the defence.
    EXPECT_EQ(SpreadsheetTextCell(QStringLiteral("Иванов")), QStringLiteral("Иванов"));
    EXPECT_EQ(SpreadsheetTextCell(QString(QChar(0)) + u'x'), QStringLiteral("\uFFFDx"));
    EXPECT_EQ(WithoutControlCharacters(QStringLiteral("a\u0085b\u007F")), QStringLiteral("a\uFFFDb\uFFFD"));
}

TEST(BatchInputs, NamesOfEveryKindGiveFilesAndCollisionsAreSaidAsSuch)
{
    QTemporaryDir dir;
    const QString variants = dir.filePath(QStringLiteral("v.csv"));
    const QString chinese(100, QChar(0x6C49));       // 300 bytes of UTF-8
    QString emoji;
    for (int i = 0; i < 70; ++i)
        emoji += QString::fromUcs4(U"\U0001F600", 1);  // 280 bytes
    WriteAll(variants, (QStringLiteral("Вариант;Loa;Lab;Lbc;Lde;Loc;N\n") + chinese + QStringLiteral(";0,1;0,6;0,6;0,5;1;4\n") + emoji
                        + QStringLiteral(";0,1;0,6;0,6;0,5;1;4\n"
                                         "\"две\nстроки\";0,1;0,6;0,6;0,5;1;4\n"
                                         "a;0,1;0,6;0,6;0,5;1;4\n"
                                         "A;0,1;0,6;0,6;0,5;1;4\n"))
                           .toUtf8());
    const Outcome run = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), dir.path()});
    EXPECT_EQ(run.status, kExitSuccess) << run.err.toStdString();
    const QStringList files = Files(dir.path());
    EXPECT_TRUE(files.contains(QString(80, QChar(0x6C49)) + QStringLiteral(".csv"))) << "cut at 240 bytes, whole characters";
    QString emojiCut;
    for (int i = 0; i < 60; ++i)
        emojiCut += QString::fromUcs4(U"\U0001F600", 1);
    EXPECT_TRUE(files.contains(emojiCut + QStringLiteral(".pdf")));
    EXPECT_TRUE(files.contains(QStringLiteral("две_строки.csv"))) << "a quoted line break is one name";
    EXPECT_TRUE(files.contains(QStringLiteral("A_2.csv")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Вариант «A»: файлы названы «A_2», потому что имя «A» уже занято другим вариантом.")))
        << run.err.toStdString();
    for (const QString& name : files)
        EXPECT_LE(name.toUtf8().size(), 255) << name.toStdString();
    EXPECT_EQ(CsvCells(ReadAll(QDir(dir.path()).filePath(QStringLiteral("summary.csv")))).size(), 6);
}

TEST(BatchInputs, CrOnlyAndUtf16TablesAreReadAndAnUnreadableOneSaysWhatWasFound)
{
    QTemporaryDir dir;
    const QString text = QStringLiteral("Вариант;Loa;Lab;Lbc;Lde;Loc;N\nа;0,1;0,6;0,6;0,5;1;4\nб;0,1;0,6;0,6;0,5;1;4\n");
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (const QChar c : text) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    QString cr = text;
    cr.replace(u'\n', u'\r');
    for (const QByteArray& bytes : {cr.toUtf8(), le, be}) {
        const QString variants = dir.filePath(QStringLiteral("v.csv"));
        WriteAll(variants, bytes);
        const QString out = dir.filePath(QStringLiteral("out%1").arg(bytes.size()));
        const Outcome run = RunWith({QStringLiteral("--batch"), variants, QStringLiteral("--out"), out});
        EXPECT_EQ(run.status, kExitSuccess) << run.err.toStdString();
        EXPECT_EQ(Files(out), QStringList({QStringLiteral("summary.csv"), QStringLiteral("а.csv"), QStringLiteral("а.pdf"),
                                           QStringLiteral("б.csv"), QStringLiteral("б.pdf")}));
    }
    // UTF-16 without its mark cannot be told from text with NULs: it is named.
    QByteArray bare = le.mid(2);
    WriteAll(dir.filePath(QStringLiteral("bare.csv")), bare);
    const Outcome run = RunWith({QStringLiteral("--batch"), dir.filePath(QStringLiteral("bare.csv")), QStringLiteral("--out"), dir.path()});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_TRUE(run.err.contains(QStringLiteral("похоже на UTF-16 без метки порядка байтов"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("концы строк: LF"))) << run.err.toStdString();
}

}  // namespace
