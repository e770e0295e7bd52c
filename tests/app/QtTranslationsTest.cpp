// Qt's own texts follow the user's locale: the language decision on locale names and on the
// environment, then the real exit question and the real file dialogs of the "Файл" menu under C,
// ru_RU.UTF-8 and uk_UA.UTF-8, answered from the test with real mouse clicks.

#include "ModalAnswer.h"

#include "app/LocaleLanguage.h"
#include "app/MainForm.h"
#include "app/QtTranslations.h"
#include "app/UserMessages.h"

#include "support/FormProbe.h"
#include "support/LocaleVariables.h"
#include "support/TempWorkDir.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace {

using L = InterfaceLanguage;

// ---- The decision ----

struct LocaleCase {
    const char* locale;
    const char* priorityList;
    InterfaceLanguage program;
    InterfaceLanguage qt;
};

TEST(LocaleLanguage, LocaleNamesPickTheProgramsAndQtsLanguage)
{
    const LocaleCase cases[] = {
        // The three languages, in every spelling POSIX allows.
        {"ru_RU.UTF-8", "", L::Russian, L::Russian},
        {"ru_UA.UTF-8", "", L::Russian, L::Russian},
        {"ru", "", L::Russian, L::Russian},
        {"uk_UA.UTF-8", "", L::Ukrainian, L::Ukrainian},
        {"uk_UA.KOI8-U", "", L::Ukrainian, L::Ukrainian},
        {"uk@euro", "", L::Ukrainian, L::Ukrainian},
        {"UK_UA.utf8", "", L::Ukrainian, L::Ukrainian},
        {"en_US.UTF-8", "", L::English, L::English},
        {"en_GB", "", L::English, L::English},
        // C and every other language: the program's Russian, Qt's built-in English.
        {"C", "", L::Russian, L::English},
        {"C.UTF-8", "", L::Russian, L::English},
        {"POSIX", "", L::Russian, L::English},
        {"", "", L::Russian, L::English},
        {"de_DE.UTF-8", "", L::Russian, L::English},
        {"be_BY.UTF-8", "", L::Russian, L::English},
        // Whole codes only: these are other languages, not Russian, Ukrainian or English.
        {"rue_UA", "", L::Russian, L::English},
        {"ukr_UA", "", L::Russian, L::English},
        {"eng", "", L::Russian, L::English},
        {"r", "", L::Russian, L::English},
        // LANGUAGE: its first entry in one of the three languages decides.
        {"ru_RU.UTF-8", "uk:ru", L::Ukrainian, L::Ukrainian},
        {"uk_UA.UTF-8", "de:en_GB:uk", L::English, L::English},
        {"de_DE.UTF-8", "de:ru", L::Russian, L::Russian},
        {"uk_UA.UTF-8", "de:fr", L::Ukrainian, L::Ukrainian},
        {"uk_UA.UTF-8", ":", L::Ukrainian, L::Ukrainian},
        {"ru_RU.UTF-8", "::en", L::English, L::English},
        // ... but not under C, where gettext ignores it as well.
        {"C", "uk", L::Russian, L::English},
        {"C.UTF-8", "en", L::Russian, L::English},
    };
    for (const LocaleCase& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " LANGUAGE=" + c.priorityList);
        const LocaleLanguage got = LanguageOfLocale(c.locale, c.priorityList);
        EXPECT_EQ(got.program, c.program);
        EXPECT_EQ(got.qt, c.qt);
    }
}

TEST(LocaleLanguage, EnvironmentIsReadAsTheCLibraryReadsIt)
{
    LocaleVariables vars;
    EXPECT_EQ(MessagesLocaleOfEnvironment(), "");
    EXPECT_EQ(SystemLocaleLanguage().program, L::Russian);

    vars.Set("LANG", "uk_UA.UTF-8");
    EXPECT_EQ(MessagesLocaleOfEnvironment(), "uk_UA.UTF-8");
    vars.Set("LC_MESSAGES", "en_US.UTF-8");
    EXPECT_EQ(MessagesLocaleOfEnvironment(), "en_US.UTF-8");
    vars.Set("LC_ALL", "ru_RU.UTF-8");
    EXPECT_EQ(MessagesLocaleOfEnvironment(), "ru_RU.UTF-8");
    // Set but empty counts as not set.
    vars.Set("LC_ALL", "");
    EXPECT_EQ(MessagesLocaleOfEnvironment(), "en_US.UTF-8");
    EXPECT_EQ(SystemLocaleLanguage().program, L::English);
    vars.Set("LANGUAGE", "uk");
    EXPECT_EQ(SystemLocaleLanguage().program, L::Ukrainian);
    vars.Set("LC_ALL", "C");
    EXPECT_EQ(SystemLocaleLanguage().program, L::Russian);
    EXPECT_EQ(SystemLocaleLanguage().qt, L::English);
}

// ---- Qt's texts in the real dialogs ----

struct QtTexts {
    const char* locale;
    const char* yes;
    const char* no;
    const char* open;
    const char* save;
    const char* cancel;
    const char* print;  // the print preview's Print action
};

// gtest names the parameter in a failure by its locale.
void PrintTo(const QtTexts& texts, std::ostream* out)
{
    *out << texts.locale;
}

const QtTexts kC{"C", "&Yes", "&No", "&Open", "&Save", "Cancel", "Print"};
const QtTexts kRussian{"ru_RU.UTF-8", "&Да", "&Нет", "&Открыть", "&Сохранить", "Отмена", "Печать"};
const QtTexts kUkrainian{"uk_UA.UTF-8", "Т&ак", "&Ні", "&Відкрити", "&Зберегти", "Скасувати", "Друк"};

QPushButton* ButtonWithRole(QMessageBox& box, QMessageBox::ButtonRole role)
{
    for (QAbstractButton* b : box.buttons()) {
        if (box.buttonRole(b) == role)
            return qobject_cast<QPushButton*>(b);
    }
    return nullptr;
}

QPushButton* ButtonWithRole(QFileDialog& dialog, QDialogButtonBox::ButtonRole role)
{
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* b : box->buttons()) {
            if (box->buttonRole(b) == role)
                return qobject_cast<QPushButton*>(b);
        }
    }
    return nullptr;
}

// The start-up as main does it: the locale's language chosen from the environment, Qt's catalogue
// installed for the test's lifetime, a main window in an empty folder with the real dialogs.
class QtTextsUnderLocale : public ::testing::TestWithParam<QtTexts> {
protected:
    QtTextsUnderLocale()
    {
        vars.Set("LANG", GetParam().locale);
        loaded = qtTexts.Use(SystemLocaleLanguage().qt);
        ShowActive(form);
    }

    // Triggers `action` and hands the modal dialog it brings to `inspect`, then clicks the button
    // `inspect` returns. False when no such dialog came.
    template <class Dialog>
    bool Answer(QAction* action, const std::function<QPushButton*(Dialog&)>& inspect)
    {
        bool wasDialog = false;
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            QPushButton* click = dialog ? inspect(*dialog) : nullptr;
            wasDialog = dialog != nullptr;
            if (click)
                QTest::mouseClick(click, Qt::LeftButton);
            else
                modal->close();
        });
        action->trigger();
        EXPECT_TRUE(answer.answered());
        EXPECT_FALSE(answer.timedOut());
        return wasDialog;
    }

    LocaleVariables vars;
    QtTranslations qtTexts;
    bool loaded = false;
    TempWorkDir dir;
    TForm4 form;
};

TEST_P(QtTextsUnderLocale, ExitQuestionButtonsAndNoKeepsTheProgram)
{
    const QtTexts& want = GetParam();
    ASSERT_TRUE(loaded) << "Qt's catalogue is missing; scripts/setup.sh installs qt6-translations-l10n";
    QAction* exitCommand = FindComponent<QAction>(form, "N6");
    ASSERT_TRUE(exitCommand);

    QString title, text, yes, no, defaultButton, escapeButton;
    const bool wasBox = Answer<QMessageBox>(exitCommand, [&](QMessageBox& box) -> QPushButton* {
        title = box.windowTitle();
        text = box.text();
        QPushButton* yesButton = ButtonWithRole(box, QMessageBox::YesRole);
        QPushButton* noButton = ButtonWithRole(box, QMessageBox::NoRole);
        if (!yesButton || !noButton)
            return nullptr;
        yes = yesButton->text();
        no = noButton->text();
        defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
        escapeButton = box.escapeButton() ? box.escapeButton()->text() : QString();
        return noButton;
    });
    ASSERT_TRUE(wasBox);
    EXPECT_EQ(yes.toStdString(), want.yes);
    EXPECT_EQ(no.toStdString(), want.no);
    EXPECT_EQ(defaultButton, yes);
    EXPECT_EQ(escapeButton, no);
    // The program's texts are its own in every locale.
    EXPECT_EQ(title, QStringLiteral("Information"));
    EXPECT_EQ(text, QStringLiteral("Вы уверены что хотите выйти из программы ? "));
    EXPECT_TRUE(form.isVisible());
}

TEST_P(QtTextsUnderLocale, FileDialogsOfTheFileMenu)
{
    const QtTexts& want = GetParam();
    ASSERT_TRUE(loaded);
    struct Command {
        const char* action;
        const char* accept;
    };
    for (const Command command : {Command{"ActionOpenParameters", want.open}, Command{"ActionSaveParametersAs", want.save}}) {
        SCOPED_TRACE(command.action);
        QAction* action = FindComponent<QAction>(form, command.action);
        ASSERT_TRUE(action);
        QString accept, reject;
        const bool wasDialog = Answer<QFileDialog>(action, [&](QFileDialog& dialog) -> QPushButton* {
            QPushButton* acceptButton = ButtonWithRole(dialog, QDialogButtonBox::AcceptRole);
            QPushButton* rejectButton = ButtonWithRole(dialog, QDialogButtonBox::RejectRole);
            accept = acceptButton ? acceptButton->text() : QString();
            reject = rejectButton ? rejectButton->text() : QString();
            return rejectButton;
        });
        ASSERT_TRUE(wasDialog);
        EXPECT_EQ(accept.toStdString(), command.accept);
        EXPECT_EQ(reject.toStdString(), want.cancel);
    }
    // Cancelled: nothing was written into the folder.
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("startpar.tmm"))));
}

TEST_P(QtTextsUnderLocale, PrintPreviewToolbar)
{
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, &form);
    QStringList actions;
    for (const QAction* action : preview.findChildren<QAction*>())
        actions << action->text();
    EXPECT_TRUE(actions.contains(QString::fromUtf8(GetParam().print))) << actions.join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, QtTextsUnderLocale, ::testing::Values(kC, kRussian, kUkrainian),
                         [](const ::testing::TestParamInfo<QtTexts>& info) {
                             return std::string(info.param.locale).substr(0, 2);
                         });

// ---- The catalogue's lifetime ----

QString QtYes()
{
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

TEST(QtTranslations, ReplacingAndRemovingTheCatalogue)
{
    EXPECT_EQ(QtYes(), QStringLiteral("&Yes"));
    EXPECT_TRUE(QtTranslations::CatalogueFile(L::English).isEmpty());
    EXPECT_TRUE(QFileInfo(QtTranslations::CatalogueFile(L::Russian)).isFile());
    {
        QtTranslations texts;
        ASSERT_TRUE(texts.Use(L::Russian));
        EXPECT_EQ(QtYes(), QStringLiteral("&Да"));
        ASSERT_TRUE(texts.Use(L::Ukrainian));
        EXPECT_EQ(QtYes(), QStringLiteral("Т&ак"));
        // English installs nothing and takes the Ukrainian catalogue away.
        EXPECT_TRUE(texts.Use(L::English));
        EXPECT_EQ(QtYes(), QStringLiteral("&Yes"));
        ASSERT_TRUE(texts.Use(L::Russian));
    }
    // Gone with its owner.
    EXPECT_EQ(QtYes(), QStringLiteral("&Yes"));
}

}  // namespace
