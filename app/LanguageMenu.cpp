#include "app/LanguageMenu.h"

#include "app/ProgramTranslations.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

struct LanguageItem {
    InterfaceLanguage language;
    const char* objectName;
    const char* name;  // in its own language, never translated
};

const LanguageItem kItems[] = {
    {InterfaceLanguage::Russian, "LanguageRussian", "Русский"},
    {InterfaceLanguage::Ukrainian, "LanguageUkrainian", "Українська"},
    {InterfaceLanguage::English, "LanguageEnglish", "English"},
};

}  // namespace

QMenu* AddLanguageMenu(QMenuBar* bar, QAction* before, std::function<void(InterfaceLanguage)> chosen)
{
    auto* menu = new QMenu(QCoreApplication::translate("LanguageMenu", "Язык"), bar);
    menu->setObjectName(QStringLiteral("MenuLanguage"));
    bar->insertMenu(before, menu);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const InterfaceLanguage inUse = ProgramTranslations::InUse();
    for (const LanguageItem& item : kItems) {
        QAction* action = menu->addAction(QString::fromUtf8(item.name));
        action->setObjectName(QString::fromLatin1(item.objectName));
        action->setCheckable(true);
        action->setChecked(item.language == inUse);
        group->addAction(action);
        const InterfaceLanguage language = item.language;
        QObject::connect(action, &QAction::triggered, menu, [chosen, language, inUse] {
            if (language != inUse)
                chosen(language);
        });
    }
    return menu;
}
