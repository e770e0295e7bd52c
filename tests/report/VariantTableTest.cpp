// The batch's table of variants in the dialects spreadsheets save: its separators, with and
// without the byte-order mark, every kind of line end, quoted fields (line breaks inside
// included), decimal commas and points, blank lines, and broken quotes.

#include "report/VariantTable.h"

#include <gtest/gtest.h>

namespace {

const QStringList kHeader = {QStringLiteral("Вариант"), QStringLiteral("Loa"), QStringLiteral("Lab"),
                             QStringLiteral("Lbc"), QStringLiteral("Lde"), QStringLiteral("Loc"), QStringLiteral("N")};

VariantTable Read(const QByteArray& bytes)
{
    VariantTable table;
    EXPECT_TRUE(ParseVariantTable(bytes, table)) << bytes.toStdString();
    return table;
}

QList<QStringList> Fields(const VariantTable& table)
{
    QList<QStringList> fields;
    for (const VariantRecord& r : table.records)
        fields << r.fields;
    return fields;
}

TEST(VariantTable, TheSeparatorIsTheFirstOfSemicolonTabCommaInTheHeader)
{
    struct Case {
        QByteArray text;
        QChar separator;
    };
    const Case cases[] = {
        {"Вариант;Loa;Lab;Lbc;Lde;Loc;N\na;0,1;0,6;0,6;0,5;1;8\n", u';'},
        {"Вариант\tLoa\tLab\tLbc\tLde\tLoc\tN\na\t0,1\t0,6\t0,6\t0,5\t1\t8\n", u'\t'},
        {"Вариант,Loa,Lab,Lbc,Lde,Loc,N\na,0.1,0.6,0.6,0.5,1,8\n", u','},
        // A semicolon wins over a comma in the header, a tab over a comma.
        {"Вариант;Loa;Lab;Lbc;Lde;Loc;N, with a comma\na;1;2;3;4;5;6\n", u';'},
    };
    for (const Case& c : cases) {
        const VariantTable table = Read(c.text);
        EXPECT_EQ(table.separator, c.separator) << c.text.toStdString();
        EXPECT_EQ(table.header.fields.size(), 7) << c.text.toStdString();
        ASSERT_EQ(table.records.size(), 1) << c.text.toStdString();
        EXPECT_EQ(table.records[0].fields.size(), 7);
        EXPECT_EQ(table.records[0].fields[0], QStringLiteral("a"));
    }
    EXPECT_EQ(Read(cases[0].text).header.fields, kHeader);
    EXPECT_EQ(Read(cases[0].text).Column(QStringLiteral("lbc")), 3) << "any letter case";
    EXPECT_EQ(Read(cases[0].text).Column(QStringLiteral("variant")), -1);
}

TEST(VariantTable, ByteOrderMarkAndLineEndsOfEveryKindGiveTheSameRecords)
{
    const QByteArray lf = "Вариант;Loa\nИванов;0,1\nПетров;0.12\n";
    const QList<QByteArray> dialects = {
        lf,
        "\xEF\xBB\xBF" + lf,
        "Вариант;Loa\r\nИванов;0,1\r\nПетров;0.12\r\n",
        "Вариант;Loa\rИванов;0,1\rПетров;0.12\r",
        "\xEF\xBB\xBFВариант;Loa\r\nИванов;0,1\nПетров;0.12",  // mixed, no final line end
    };
    for (const QByteArray& bytes : dialects) {
        const VariantTable table = Read(bytes);
        EXPECT_EQ(table.header.fields, (QStringList{QStringLiteral("Вариант"), QStringLiteral("Loa")})) << bytes.toStdString();
        EXPECT_EQ(Fields(table), (QList<QStringList>{{QStringLiteral("Иванов"), QStringLiteral("0,1")},
                                                      {QStringLiteral("Петров"), QStringLiteral("0.12")}}))
            << bytes.toStdString();
        ASSERT_EQ(table.records.size(), 2);
        EXPECT_EQ(table.records[1].line, 3) << "CR LF is one line end";
    }
}

TEST(VariantTable, QuotesAreReadBeforeLines)
{
    const VariantTable table = Read("Вариант;Loa;Lab\r\n"
                                    "\"Группа; 3\";\"0,1\";0,6\r\n"
                                    "  \"with \"\"quotes\"\"\";1;2\r\n"
                                    "\"two\r\nlines\";3;4\n"
                                    "after;5;6\n"
                                    "\"a\"b;7;\"\"\n");
    ASSERT_EQ(table.records.size(), 5);
    EXPECT_EQ(table.records[0].fields, (QStringList{QStringLiteral("Группа; 3"), QStringLiteral("0,1"), QStringLiteral("0,6")}));
    EXPECT_EQ(table.records[1].fields[0], QStringLiteral("with \"quotes\"")) << "blanks before the quote go";
    EXPECT_EQ(table.records[2].fields, (QStringList{QStringLiteral("two\r\nlines"), QStringLiteral("3"), QStringLiteral("4")}));
    EXPECT_EQ(table.records[2].line, 4);
    EXPECT_EQ(table.records[3].line, 6) << "the quoted line break is counted";
    EXPECT_EQ(table.records[4].fields, (QStringList{QStringLiteral("ab"), QStringLiteral("7"), QString()}));
}

TEST(VariantTable, DecimalCommasNeedQuotesOnlyWhereTheCommaSeparates)
{
    const VariantTable semicolons = Read("Вариант;Loa;Lab\na;0,1;0.6\n");
    EXPECT_EQ(semicolons.records[0].fields, (QStringList{QStringLiteral("a"), QStringLiteral("0,1"), QStringLiteral("0.6")}));
    const VariantTable commas = Read("Вариант,Loa,Lab\nb,\"0,1\",0.6\nc,0,1,0.6\n");
    EXPECT_EQ(commas.records[0].fields, (QStringList{QStringLiteral("b"), QStringLiteral("0,1"), QStringLiteral("0.6")}));
    EXPECT_EQ(commas.records[1].fields.size(), 4) << "an unquoted decimal comma splits the field";
}

TEST(VariantTable, BlankLinesAreNoRecordsButCountAsLines)
{
    const VariantTable table = Read("\n  \nВариант\tLoa\n\t\n\na\t1\n   \nb\t2\n\n");
    EXPECT_EQ(table.separator, u'\t');
    EXPECT_EQ(table.header.line, 3);
    EXPECT_EQ(table.header.fields, (QStringList{QStringLiteral("Вариант"), QStringLiteral("Loa")}));
    ASSERT_EQ(table.records.size(), 2);
    EXPECT_EQ(table.records[0].line, 6);
    EXPECT_EQ(table.records[1].line, 8);
    // A record of separators only is a record of empty fields.
    EXPECT_EQ(Read("h;i\n;\n").records.size(), 1);
}

TEST(VariantTable, NothingToReadAndBrokenQuotes)
{
    VariantTable table;
    for (const QByteArray& empty : {QByteArray(), QByteArray("\xEF\xBB\xBF"), QByteArray("\r\n \n\t\r")})
        EXPECT_FALSE(ParseVariantTable(empty, table)) << empty.toStdString();
    // A quote never closed runs to the end of the text, line breaks and separators included.
    const VariantTable open = Read("h;i\n\"never closed;1\n2;3\n");
    ASSERT_EQ(open.records.size(), 1);
    EXPECT_EQ(open.records[0].fields, QStringList{QStringLiteral("never closed;1\n2;3\n")});
    // Bytes that are no UTF-8 are read as replacement characters, not dropped silently.
    const VariantTable odd = Read("h;i\n\xFF;1\n");
    ASSERT_EQ(odd.records.size(), 1);
    EXPECT_EQ(odd.records[0].fields.size(), 2);
}

}  // namespace
