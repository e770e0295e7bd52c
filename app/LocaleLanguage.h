#pragma once
// Which language the user's locale asks for: one plain C++ answer for every part of the program
// that speaks to the user.
//
// The languages are Russian, Ukrainian and English. A Russian, Ukrainian or English locale picks
// its own language for the program's texts and for Qt's (standard buttons, file and print
// dialogs). Every other locale, C and POSIX included, gets the program's Russian texts and Qt's
// built-in English ones: the exit question keeps its "&Yes" and "&No" there.

#include <string>
#include <string_view>

enum class InterfaceLanguage { Russian, Ukrainian, English };

struct LocaleLanguage {
    InterfaceLanguage program = InterfaceLanguage::Russian;  // the program's own texts
    InterfaceLanguage qt = InterfaceLanguage::English;       // Qt's own texts
};

// The languages of a messages locale named as POSIX names them ("uk_UA.UTF-8", "ru", "C",
// "en_GB@euro"), with gettext's priority list LANGUAGE ("uk:ru", may be empty): its first entry in
// one of the three languages wins, except under C or POSIX, where gettext ignores the list too.
LocaleLanguage LanguageOfLocale(std::string_view messagesLocale, std::string_view priorityList = {});

// The messages locale as the C library takes it from the environment: LC_ALL, else LC_MESSAGES,
// else LANG, the first one set and not empty; empty when none is.
std::string MessagesLocaleOfEnvironment();

// LanguageOfLocale of the process environment (the messages locale and LANGUAGE).
LocaleLanguage SystemLocaleLanguage();

// The ISO 639-1 code: "ru", "uk", "en" (the suffix of the translation files).
const char* LanguageCode(InterfaceLanguage language);
