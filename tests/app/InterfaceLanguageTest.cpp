// The Ukrainian and English interfaces: the captions under uk_UA.UTF-8 and en_US.UTF-8, a walk over
// every text of the main window and of the windows its menus open that finds nothing left in
// Russian, and the switch through the menu "Язык" with real mouse clicks that keeps what was typed.

#include "app/AboutForm.h"
#include "app/AnswersWindow.h"
#include "app/LocaleLanguage.h"
#include "app/MainForm.h"
#include "app/MainWindows.h"
#include "app/ManualWindow.h"
#include "app/ProgramTranslations.h"
#include "app/SheetsDialog.h"
#include "app/SolutionWindow.h"

#include "kinematics/ForceAnalysis.h"
#include "views/ForcePlanDrawing.h"
#include "views/PlanCanvas.h"

#include "support/FormProbe.h"
#include "support/LocaleVariables.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace {

using L = InterfaceLanguage;

// LANG for one test, the other locale variables unset; all put back after.
class LangVariable : public LocaleVariables {
public:
    explicit LangVariable(const char* lang) { Set("LANG", lang); }
};

// The catalogues of `code` kept in the tree (window_, and results_ once the results speak the
// language too): every Russian source text, and those the translator gave unchanged on purpose
// (units, symbols, words the languages share).
struct Catalogue {
    std::set<QString> sources;
    std::set<QString> keptAsIs;
    int unfinished = 0;
};

void ReadCatalogue(const QString& path, Catalogue& catalogue)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
            catalogue.sources.insert(source);
        } else if (xml.name() == u"translation") {
            const bool unfinished = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
            const QString translation = xml.readElementText();
            if (unfinished || translation.isEmpty())
                ++catalogue.unfinished;
            else if (translation == source)
                catalogue.keptAsIs.insert(source);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

QString CataloguePath(const char* part, L language)
{
    return QStringLiteral(ORVEK_SOURCE_DIR "/translations/%1_%2.ts")
        .arg(QString::fromLatin1(part), QString::fromLatin1(LanguageCode(language)));
}

// Every text a widget tree shows: titles, captions, tooltips, tab texts, menus, and with
// `headers` the tables' headers (the results' quantities name their columns).
QStringList ShownTexts(QWidget& root, bool headers = true)
{
    QStringList texts;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(w); headers && view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
        }
        if (auto* menu = qobject_cast<QMenu*>(w))
            texts << menu->title();
        for (QAction* action : w->actions())
            texts << action->text() << action->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

// What the walk calls left untranslated: a Russian source text shown as it stands (unless the
// translator kept it on purpose); with every part's catalogue present, also a letter only Russian
// has, and for English any Cyrillic at all. The languages' own names are never translated.
QStringList Untranslated(const QStringList& shown, const Catalogue& catalogue, L language, bool everyPart)
{
    static const QRegularExpression russianOnly(QStringLiteral("[ыэъёЫЭЪЁ]"));
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QStringList found;
    for (const QString& text : shown) {
        if (text == QStringLiteral("Русский") || text == QStringLiteral("Українська"))
            continue;
        const bool asSource = catalogue.sources.count(text) && !catalogue.keptAsIs.count(text);
        const bool russian = everyPart && text.contains(russianOnly);
        // The answers file's header is Russian in every language: it is the file's format.
        QString english = text;
        english.remove(QStringLiteral("Положение;Величина;Значение"));
        const bool notEnglish = everyPart && language == L::English && english.contains(cyrillic);
        if (asSource || russian || notEnglish)
            found << text;
    }
    found.removeDuplicates();
    return found;
}

class InterfaceLanguage : public ::testing::TestWithParam<L> {
protected:
    InterfaceLanguage() : lang(GetParam() == L::Ukrainian ? "uk_UA.UTF-8" : "en_US.UTF-8")
    {
        texts.Use(SystemLocaleLanguage());
    }

    LangVariable lang;
    ProgramTranslations texts;
    TempWorkDir dir;
    RecordingMessages messages;
};

TEST_P(InterfaceLanguage, TheLocaleGivesTheMainWindowsCaptions)
{
    EXPECT_EQ(ProgramTranslations::InUse(), GetParam());
    EXPECT_TRUE(ProgramTranslations::CatalogueFiles(GetParam())
                    .contains(QStringLiteral(":/i18n/window_%1.qm").arg(QString::fromLatin1(LanguageCode(GetParam())))));
    EXPECT_TRUE(ProgramTranslations::CatalogueFiles(L::Russian).isEmpty());
    TForm4 form;
    struct Caption {
        QString shown;
        const char* ukrainian;
        const char* english;
    };
    const Caption captions[] = {
        {form.windowTitle(), "Кінематичний розрахунок шарнірно-важільного механізму",
         "Kinematic analysis of a hinged-lever mechanism"},
        {FindComponent<QTabWidget>(form, "PageControl1")->tabText(0), "Розрахунок ", "Calculation "},
        {FindComponent<QPushButton>(form, "Button4")->text(), "&Розрахувати", "&Calculate"},
        {FindComponent<QMenu>(form, "MenuLanguage")->title(), "Мова", "Language"},
        {FindComponent<QMenu>(form, "N4")->title(), "&Довідка", "&Help"},
    };
    for (const Caption& c : captions)
        EXPECT_EQ(c.shown.toStdString(), GetParam() == L::Ukrainian ? c.ukrainian : c.english);
    // The names of the languages are their own in every interface; the one in use is checked.
    EXPECT_EQ(FindComponent<QAction>(form, "LanguageRussian")->text(), QStringLiteral("Русский"));
    EXPECT_EQ(FindComponent<QAction>(form, "LanguageUkrainian")->text(), QStringLiteral("Українська"));
    EXPECT_EQ(FindComponent<QAction>(form, "LanguageEnglish")->text(), QStringLiteral("English"));
    EXPECT_EQ(FindComponent<QAction>(form, "LanguageUkrainian")->isChecked(), GetParam() == L::Ukrainian);
    EXPECT_EQ(FindComponent<QAction>(form, "LanguageEnglish")->isChecked(), GetParam() == L::English);
}

TEST_P(InterfaceLanguage, NoWindowOfTheMenusShowsRussianText)
{
    Catalogue catalogue;
    ReadCatalogue(CataloguePath("window", GetParam()), catalogue);
    ASSERT_GT(catalogue.sources.size(), 200u);
    // The texts of the results (report, kinematics, storage) have a catalogue of their own.
    const bool everyPart = QFile::exists(CataloguePath("results", GetParam()));
    if (everyPart)
        ReadCatalogue(CataloguePath("results", GetParam()), catalogue);
    EXPECT_EQ(catalogue.unfinished, 0);

    TForm4 form;
    TForm5 about;
    ShowActive(form);
    QStringList shown = ShownTexts(form, everyPart);
    // After a Calculate too: the status bar, the lists and the characteristics speak then.
    QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton);
    ASSERT_TRUE(form.Result());
    shown << ShownTexts(form, everyPart) << ShownTexts(about);
    FindComponent<QAction>(form, "ManualAction")->trigger();
    for (QWidget* window : std::initializer_list<QWidget*>{form.findChild<ManualWindow*>(), form.findChild<SolutionWindow*>(),
                                                          form.findChild<AnswersWindow*>()}) {
        ASSERT_TRUE(window);
        shown << ShownTexts(*window, everyPart);
    }
    SheetsDialog sheets(&form);
    shown << ShownTexts(sheets);
    const QStringList left = Untranslated(shown, catalogue, GetParam(), everyPart);
    EXPECT_TRUE(left.isEmpty()) << left.join(QStringLiteral("\n")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, InterfaceLanguage, ::testing::Values(L::Ukrainian, L::English),
                         [](const ::testing::TestParamInfo<L>& info) { return std::string(LanguageCode(info.param)); });

// Opens the menu "Язык" of `form` and clicks `item` in it, as the user does.
void ChooseLanguage(TForm4& form, const char* item)
{
    QMenu* menu = FindComponent<QMenu>(form, "MenuLanguage");
    QAction* action = FindComponent<QAction>(form, item);
    ASSERT_TRUE(menu && action);
    QMenuBar* bar = form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

TEST(LanguageMenu, SwitchingRebuildsTheWindowInTheNewLanguageAndKeepsWhatWasTyped)
{
    LangVariable lang("ru_RU.UTF-8");
    ProgramTranslations texts;
    texts.Use(SystemLocaleLanguage());
    TempWorkDir dir;
    RecordingMessages messages;
    MainWindows windows(texts);
    TForm4* russian = &windows.Form();
    const QString russianTitle = russian->windowTitle();
    EXPECT_EQ(russianTitle, QStringLiteral("Кинематический рассчет шарнирно-рычажного механизма"));
    ShowActive(*russian);
    QTest::mouseClick(FindComponent<QPushButton>(*russian, "Button4"), Qt::LeftButton);
    ASSERT_TRUE(russian->Result());
    // Typed and left, typed and not left, and a tab of its own.
    TypeInto(FindComponent<QLineEdit>(*russian, "Edit2"), QStringLiteral("0,65"));
    LeaveWithTab(FindComponent<QLineEdit>(*russian, "Edit2"));
    TypeInto(FindComponent<QLineEdit>(*russian, "Edit1"), QStringLiteral("0,12"));
    FindComponent<QTabWidget>(*russian, "PageControl1")->setCurrentIndex(4);

    ChooseLanguage(*russian, "LanguageEnglish");
    TForm4& english = windows.Form();
    ASSERT_NE(&english, russian);
    EXPECT_EQ(ProgramTranslations::InUse(), L::English);
    EXPECT_TRUE(english.isVisible());
    EXPECT_EQ(english.windowTitle(), QStringLiteral("Kinematic analysis of a hinged-lever mechanism"));
    EXPECT_EQ(FindComponent<QLineEdit>(english, "Edit1")->text(), QStringLiteral("0,12"));
    EXPECT_EQ(FindComponent<QLineEdit>(english, "Edit2")->text(), QStringLiteral("0,65"));
    EXPECT_DOUBLE_EQ(english.MechanismRecord().Lab, 0.65);
    EXPECT_EQ(FindComponent<QTabWidget>(english, "PageControl1")->currentIndex(), 4);
    // The result is shown again, in the new words.
    ASSERT_TRUE(english.Result());
    EXPECT_TRUE(FindComponent<QLabel>(english, "StatusLabel")->text().contains(QStringLiteral("Largest slider velocity")));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(u'|').toStdString();

    // The old window goes once its menu is over.
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ChooseLanguage(english, "LanguageRussian");
    TForm4& back = windows.Form();
    EXPECT_EQ(ProgramTranslations::InUse(), L::Russian);
    EXPECT_EQ(back.windowTitle(), russianTitle);
    EXPECT_EQ(FindComponent<QPushButton>(back, "Button4")->text(), QStringLiteral("&Рассчитать"));
    EXPECT_EQ(FindComponent<QLineEdit>(back, "Edit1")->text(), QStringLiteral("0,12"));
}

// The drawings' painted captions follow the language: the scale bar's unit and "/пикс", the
// inertia forces of the force plan; Russian gives them exactly as before.
TEST(InterfaceLanguageDrawings, ScaleBarsAndForceLabelsSpeakTheLanguageInUse)
{
    const auto labels = [] {
        QStringList names;
        for (const auto& v : GroupPlan(PositionForces{}, 0.3, 1.2).chain)
            names << v.name;
        return names.join(u' ');
    };
    EXPECT_EQ(ScaleBarText(QStringLiteral("v"), 10, QStringLiteral("м/с")), QStringLiteral("μv = 0,1 м/с/пикс"));
    EXPECT_TRUE(labels().contains(QStringLiteral("Fи2 ")));
    {
        ProgramTranslations english;
        ASSERT_TRUE(english.Use({L::English, L::English}));
        EXPECT_EQ(ScaleBarText(QStringLiteral("v"), 10, QStringLiteral("м/с")), QStringLiteral("μv = 0,1 m/s/px"));
        EXPECT_TRUE(labels().contains(QStringLiteral("Fi2 "))) << labels().toStdString();
        EXPECT_TRUE(labels().contains(QStringLiteral("Fi3 ")));
    }
    {
        ProgramTranslations ukrainian;
        ASSERT_TRUE(ukrainian.Use({L::Ukrainian, L::Ukrainian}));
        EXPECT_EQ(ScaleBarText(QStringLiteral("a"), 4, QStringLiteral("м/с²")), QStringLiteral("μa = 0,25 м/с²/пікс"));
    }
    EXPECT_EQ(ScaleBarText(QStringLiteral("F"), 2, QStringLiteral("Н")), QStringLiteral("μF = 0,5 Н/пикс"));
}

}  // namespace
