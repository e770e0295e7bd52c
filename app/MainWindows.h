#pragma once
// The main window and its About box as the program entry makes them, built again in another
// language when the user picks one in the menu "Язык": the catalogues of the new language are
// installed, a new window takes over what the old one showed (WindowCarryOver) and stands in its
// place, and the old one goes.

#include <QObject>

#include <memory>

#include "app/LocaleLanguage.h"

class ProgramTranslations;
class TForm4;
class TForm5;

class MainWindows : public QObject {
    Q_OBJECT

public:
    // The windows in the language `translations` speaks now (not owned; outlives this).
    explicit MainWindows(ProgramTranslations& translations);
    ~MainWindows() override;

    TForm4& Form() const { return *form_; }
    TForm5& About() const { return *about_; }

    // Installs `language` and builds the windows again in it; nothing when it is in use.
    void SwitchTo(InterfaceLanguage language);

signals:
    // A new main window stands in place of the old one.
    void Rebuilt(TForm4* form);

private:
    void Build();

    ProgramTranslations& translations_;
    std::unique_ptr<TForm4> form_;
    std::unique_ptr<TForm5> about_;
};
