// The results in Ukrainian and English: the worked solution, the structure, the report's and the
// sheets' headings are translated with the numbers of the Russian texts, while the CSV keeps its
// bytes in every language.

#include "ReportTestSupport.h"

#include "app/CoreTexts.h"
#include "app/OffscreenPictures.h"
#include "kinematics/Grashof.h"
#include "kinematics/ResultPositions.h"
#include "kinematics/Structure.h"
#include "kinematics/WorkedSolution.h"
#include "report/CsvExport.h"
#include "report/ReportDocument.h"
#include "report/Sheets.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <variant>

namespace {

enum class Language { Russian, Ukrainian, English };

// The results' catalogue of a language installed for as long as it lives; Russian installs none.
class ResultsLanguage {
public:
    explicit ResultsLanguage(Language language)
    {
        InstallCoreTextTranslator();
        if (language == Language::Russian)
            return;
        const QString file = language == Language::Ukrainian ? QStringLiteral(":/i18n/results_uk.qm")
                                                             : QStringLiteral(":/i18n/results_en.qm");
        loaded_ = translator_.load(file);
        if (loaded_)
            QCoreApplication::installTranslator(&translator_);
    }
    ~ResultsLanguage()
    {
        if (loaded_)
            QCoreApplication::removeTranslator(&translator_);
    }
    bool Loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool loaded_ = false;
};

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
// Letters Ukrainian does not write: a Ukrainian text that holds one kept a Russian word.
const QRegularExpression kRussianOnly(QStringLiteral("[ыЫэЭъЪёЁ]"));
const QRegularExpression kNumber(QStringLiteral("-?\\d+(,\\d+)?(E-?\\d+)?"));

QStringList Numbers(const QString& line)
{
    QStringList numbers;
    for (auto it = kNumber.globalMatch(line); it.hasNext();)
        numbers << it.next().captured();
    return numbers;
}

QStringList Lines(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

QStringList SolutionLines(const CalculationResult& result, int k)
{
    return QString::fromStdString(WorkedSolutionText(WorkResultPosition(result, ResultSolve::Table, k))).split(u'\n');
}

QStringList StructureLines(const CalculationResult& result)
{
    QStringList lines = Lines(StructureTextLines(AnalyseMechanismStructure()));
    const KinematicsResult& k = result.Kinematics();
    lines << Lines(FullTurnTextLines(JudgeFullTurn(k.solved, k.characteristics)));
    return lines;
}

QStringList SheetTexts(const SheetDrawing& sheet)
{
    QStringList texts;
    for (const SheetItem& item : sheet.Items()) {
        if (const auto* text = std::get_if<SheetText>(&item))
            texts << text->text;
    }
    return texts;
}

// `translated` says in its language what `russian` says: line for line the same numbers in the
// same order, no Russian word left (no Cyrillic at all in English), and every line with a longer
// word changed (short ones such as "вниз" are the same in Ukrainian).
void ExpectTranslated(const QStringList& russian, const QStringList& translated, Language language)
{
    ASSERT_EQ(russian.size(), translated.size());
    for (qsizetype i = 0; i < russian.size(); ++i) {
        const QString& line = translated[i];
        EXPECT_EQ(Numbers(line), Numbers(russian[i])) << line.toStdString();
        const QRegularExpression& left = language == Language::English ? kCyrillic : kRussianOnly;
        EXPECT_FALSE(line.contains(left)) << line.toStdString();
        if (russian[i].contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]{5}")))) {
            EXPECT_NE(line, russian[i]);
        }
    }
}

class ResultLanguages : public ::testing::TestWithParam<Language> {};

TEST_P(ResultLanguages, WorkedSolutionAndStructureSayTheRussianNumbersInTheirLanguage)
{
    const CalculationResult result = CalculateDefaults(12);
    QStringList russianSolution, russianStructure;
    {
        const ResultsLanguage russian(Language::Russian);
        russianSolution = SolutionLines(result, 3) + SolutionLines(result, 9);
        russianStructure = StructureLines(result);
    }
    ASSERT_TRUE(russianSolution.front().startsWith(QStringLiteral("Ход решения: положение 3 из 12")));
    ASSERT_TRUE(russianSolution.join(u'\n').contains(QStringLiteral("Fи1")));

    const ResultsLanguage language(GetParam());
    ASSERT_TRUE(language.Loaded());
    const QStringList solution = SolutionLines(result, 3) + SolutionLines(result, 9);
    ExpectTranslated(russianSolution, solution, GetParam());
    ExpectTranslated(russianStructure, StructureLines(result), GetParam());
    const QString heading = GetParam() == Language::English ? QStringLiteral("Worked solution: position 3 of 12")
                                                            : QStringLiteral("Хід розв'язання: положення 3 з 12");
    EXPECT_EQ(solution.front(), heading);
}

TEST_P(ResultLanguages, ReportAndSheetsHeadingsAreTranslated)
{
    const CalculationResult result = CalculateDefaults(12);
    const ResultsLanguage language(GetParam());
    ASSERT_TRUE(language.Loaded());
    const bool english = GetParam() == Language::English;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    OffscreenPictures pictures(result);
    ReportInput input;
    input.result = &result;
    input.charts = pictures.Charts();
    input.date = QDate(2026, 3, 14);
    input.solutionPositions = {3};
    QString error;
    ASSERT_TRUE(WriteReportPdf(input, path, error)) << error.toStdString();
    const QString text = PdfText(path);
    const QStringList headings =
        english ? QStringList{QStringLiteral("Kinematic analysis of a linkage mechanism"), QStringLiteral("Input data"),
                              QStringLiteral("Characteristics of the mechanism"), QStringLiteral("Structural analysis"),
                              QStringLiteral("Force analysis"), QStringLiteral("Dynamic analysis"),
                              QStringLiteral("Worked solution: position 3 of 12")}
                : QStringList{QStringLiteral("Кінематичний аналіз шарнірно-важільного механізму"),
                              QStringLiteral("Вихідні дані"), QStringLiteral("Характеристики механізму"),
                              QStringLiteral("Структурний аналіз"), QStringLiteral("Силовий аналіз"),
                              QStringLiteral("Динамічний аналіз"), QStringLiteral("Хід розв'язання: положення 3 з 12")};
    for (const QString& heading : headings)
        EXPECT_TRUE(text.contains(heading)) << heading.toStdString();
    EXPECT_TRUE(text.contains(english ? QStringLiteral("Page 1") : QStringLiteral("Сторінка 1")));
    // The force plans' pictures carry the window drawings' own labels, translated with the window.
    const QRegularExpression& left = english ? kCyrillic : kRussianOnly;
    for (const QString& line : text.split(u'\n')) {
        const bool pictureLabel = line.contains(QStringLiteral("Fи")) || line.contains(QStringLiteral("/пикс"));
        EXPECT_TRUE(pictureLabel || !line.contains(left)) << line.toStdString();
    }

    SheetOptions options;
    const QStringList kinematics = SheetTexts(KinematicsSheet(result, options));
    EXPECT_TRUE(kinematics.contains(english ? QStringLiteral("Kinematic analysis") : QStringLiteral("Кінематичний аналіз")));
    QStringList all = kinematics;
    if (const auto forces = ForcesSheet(result, options))
        all << SheetTexts(*forces);
    if (const auto dynamics = DynamicsSheet(result, options))
        all << SheetTexts(*dynamics);
    EXPECT_TRUE(all.contains(english ? QStringLiteral("Force analysis") : QStringLiteral("Силовий аналіз")));
    for (const QString& t : all)
        EXPECT_FALSE(t.contains(left)) << t.toStdString();
}

TEST_P(ResultLanguages, CsvBytesAreTheRussianOnes)
{
    QByteArray russian;
    {
        const ResultsLanguage language(Language::Russian);
        russian = ResultsCsvText(CalculateDefaults(12));
    }
    ASSERT_TRUE(russian.contains("Параметр;Значение"));
    const ResultsLanguage language(GetParam());
    ASSERT_TRUE(language.Loaded());
    EXPECT_EQ(ResultsCsvText(CalculateDefaults(12)), russian);
}

INSTANTIATE_TEST_SUITE_P(UkrainianAndEnglish, ResultLanguages, ::testing::Values(Language::Ukrainian, Language::English),
                         [](const ::testing::TestParamInfo<Language>& info) {
                             return info.param == Language::Ukrainian ? "Ukrainian" : "English";
                         });

}  // namespace
