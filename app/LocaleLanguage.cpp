#include "app/LocaleLanguage.h"

#include <cstdlib>
#include <optional>

namespace {

// The language part of a locale name: up to the territory, the codeset or the modifier.
std::string_view LanguagePart(std::string_view locale)
{
    return locale.substr(0, locale.find_first_of("_.@"));
}

// Locale names are ASCII; "RU" is as good as "ru".
bool SameCode(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// One of the program's three languages, or none for any other (C and POSIX among them).
std::optional<InterfaceLanguage> SpokenLanguage(std::string_view locale)
{
    for (const InterfaceLanguage language :
         {InterfaceLanguage::Russian, InterfaceLanguage::Ukrainian, InterfaceLanguage::English}) {
        if (SameCode(LanguagePart(locale), LanguageCode(language)))
            return language;
    }
    return std::nullopt;
}

bool IsCLocale(std::string_view locale)
{
    const std::string_view language = LanguagePart(locale);
    return language.empty() || language == "C" || language == "POSIX";
}

std::string_view Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

}  // namespace

LocaleLanguage LanguageOfLocale(std::string_view messagesLocale, std::string_view priorityList)
{
    std::optional<InterfaceLanguage> chosen;
    if (!IsCLocale(messagesLocale)) {
        while (!chosen && !priorityList.empty()) {
            const std::size_t colon = priorityList.find(':');
            chosen = SpokenLanguage(priorityList.substr(0, colon));
            priorityList = colon == std::string_view::npos ? std::string_view() : priorityList.substr(colon + 1);
        }
    }
    if (!chosen)
        chosen = SpokenLanguage(messagesLocale);
    if (!chosen)
        return LocaleLanguage{};
    return LocaleLanguage{*chosen, *chosen};
}

std::string MessagesLocaleOfEnvironment()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const std::string_view value = Variable(name); !value.empty())
            return std::string(value);
    }
    return std::string();
}

LocaleLanguage SystemLocaleLanguage()
{
    return LanguageOfLocale(MessagesLocaleOfEnvironment(), Variable("LANGUAGE"));
}

const char* LanguageCode(InterfaceLanguage language)
{
    switch (language) {
    case InterfaceLanguage::Russian:
        return "ru";
    case InterfaceLanguage::Ukrainian:
        return "uk";
    case InterfaceLanguage::English:
        return "en";
    }
    return "ru";
}
