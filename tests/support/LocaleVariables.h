#pragma once
// The locale variables of the environment (LC_ALL, LC_MESSAGES, LANG, LANGUAGE) for one test:
// unset at the start, the old values put back at the end.

#include <cstdlib>
#include <optional>
#include <string>

class LocaleVariables {
public:
    LocaleVariables()
    {
        for (int i = 0; i < kCount; ++i) {
            if (const char* value = std::getenv(kNames[i]))
                saved_[i] = value;
            unsetenv(kNames[i]);
        }
    }
    ~LocaleVariables()
    {
        for (int i = 0; i < kCount; ++i) {
            if (saved_[i])
                setenv(kNames[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
    }
    LocaleVariables(const LocaleVariables&) = delete;
    LocaleVariables& operator=(const LocaleVariables&) = delete;

    void Set(const char* name, const char* value) { setenv(name, value, 1); }

private:
    static constexpr int kCount = 4;
    static constexpr const char* kNames[kCount] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::optional<std::string> saved_[kCount];
};
