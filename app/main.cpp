// Program entry: the splash, the hidden main window and the hidden About box, created in this
// order, then the event loop. The splash shows the main window one second later.

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/SplashForm.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The forms name the fonts of their original look; Liberation has the same metrics.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    // The splash hides itself for good, and the About box is a child of nothing: only closing
    // the main window (its closeEvent quits) or the Exit command ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    TForm1 splash;  // its FormCreate sets the title and the icon
    TForm4 mainForm;
    TForm5 about;
    splash.SetMainForm(&mainForm);
    mainForm.SetAboutBox(&about);
    about.SetMainForm(&mainForm);

    splash.show();
    return QApplication::exec();
}
