#pragma once
// The menu "Язык" of the main window: "Русский", "Українська", "English", each named in its own
// language whatever the interface speaks, the one in use checked. Picking another one hands it
// to `chosen`; the window is built again in it (MainWindows).

#include "app/LocaleLanguage.h"

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

// Puts the menu on `bar` before `before` (nullptr: at the end).
QMenu* AddLanguageMenu(QMenuBar* bar, QAction* before, std::function<void(InterfaceLanguage)> chosen);
