// Program entry: with any argument the program runs without a window (the command line);
// otherwise the splash, the hidden main window and the hidden About box, created in this order,
// then the event loop. The splash shows the main window one second later.

#include "app/CommandLine.h"
#include "app/LocaleLanguage.h"
#include "app/MainForm.h"
#include "app/MainWindows.h"
#include "app/ProcessSetup.h"
#include "app/ProgramTranslations.h"
#include "app/QtTranslations.h"
#include "app/SplashForm.h"
#include "storage/ParameterFile.h"

#include <QApplication>
#include <QFont>
#include <QTextStream>

#include <cstdio>

namespace {

// The desktop entry's name without ".desktop", given by the build (reverse DNS of the site).
constexpr const char* kDesktopFileName = ORVEK_APP_ID;

// The forms name the fonts of their original look; Liberation has the same metrics.
void SubstituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
}

// Qt is given only the program's name, so that no word of the command line is taken for one of
// Qt's own options (and none can make it give up before the usage text is written).
int RunWithoutWindow(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    UseOffscreenPlatform();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    SubstituteFonts();
    // Qt's own texts (file errors in the messages) in the language the locale names. The program's
    // own stay Russian here: what it writes into files and for other programs never changes.
    QtTranslations qtTexts;
    qtTexts.Use(SystemLocaleLanguage().qt);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = RunCommandLine(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    PrepareProcess();
    if (IsCommandLineMode(argc, argv))
        return RunWithoutWindow(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    SubstituteFonts();
    // The program's texts and Qt's own (standard buttons, file and print dialogs, file errors) in
    // the language the locale names; without Qt's catalogue its texts stay English.
    ProgramTranslations texts;
    texts.Use(SystemLocaleLanguage());

    // The splash hides itself for good, and the About box is a child of nothing: only closing
    // the main window (its closeEvent quits) or the Exit command ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Saves cut short by a kill leave their temporary files; old ones go before anything loads.
    RemoveStaleSaveLeftovers();

    TForm1 splash;  // its FormCreate sets the title and the icon
    // The main window and the About box; the menu "Язык" builds them again in another language.
    MainWindows windows(texts);
    splash.SetMainForm(&windows.Form());

    splash.show();
    return QApplication::exec();
}
