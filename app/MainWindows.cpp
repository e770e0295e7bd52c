#include "app/MainWindows.h"

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/ProgramTranslations.h"
#include "app/WindowCarryOver.h"

#include <QApplication>

MainWindows::MainWindows(ProgramTranslations& translations) : translations_(translations)
{
    Build();
}

MainWindows::~MainWindows() = default;

void MainWindows::Build()
{
    form_ = std::make_unique<TForm4>();
    about_ = std::make_unique<TForm5>();
    form_->SetAboutBox(about_.get());
    about_->SetMainForm(form_.get());
    connect(form_.get(), &TForm4::LanguageChosen, this, &MainWindows::SwitchTo);
}

void MainWindows::SwitchTo(InterfaceLanguage language)
{
    if (language == ProgramTranslations::InUse())
        return;
    translations_.Use(LocaleLanguage{language, language});
    std::unique_ptr<TForm4> old = std::move(form_);
    std::unique_ptr<TForm5> oldAbout = std::move(about_);
    Build();
    CarryOver(*old, *form_);
    if (old->isVisible()) {
        form_->show();
        form_->raise();
        form_->activateWindow();
    }
    old->hide();
    // The switch runs inside the old window's menu: it goes once that is over.
    old.release()->deleteLater();
    oldAbout.release()->deleteLater();
    emit Rebuilt(form_.get());
}
