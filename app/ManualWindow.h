#pragma once
// The built-in manual: a window with the manual kept in the program's resources
// (":/manual/manual.html" and its pictures; the Ukrainian and English ones in ":/manual/uk" and
// ":/manual/en", shown when the interface speaks that language). One window per main window; F1
// or the menu shows it again instead of opening a second one.

#include <QWidget>

class QTextBrowser;

class ManualWindow : public QWidget {
    Q_OBJECT

public:
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows (creating it on first use) the manual window belonging to `parent`, raised and active.
    static ManualWindow* ShowFor(QWidget* parent);

    // The manual's HTML: manual.html with each marked section filled from its own resource file
    // when the program carries one (accelerations.html, forces.html, export.html).
    static QString ManualHtml();

    QTextBrowser* Browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};
