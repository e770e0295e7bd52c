#pragma once
// Switching the C library's locale inside a test, with locales the machine lacks generated into
// the build tree (next to the test program) by localedef, so a fresh machine runs the same checks.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace chart_test {

inline std::string LocaleFolder()
{
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string dir = n > 0 ? std::string(exe, static_cast<std::size_t>(n)) : std::string("./x");
    dir.erase(dir.rfind('/'));
    return dir + "/locales";
}

inline bool HaveLocaledef()
{
    return std::system("command -v localedef >/dev/null 2>&1") == 0;
}

// Makes `name` (such as "ru_RU.UTF-8") the locale of `category`. Returns an empty string on
// success, else why it could not be done; "skip" when localedef itself is missing.
inline std::string UseLocale(int category, const std::string& name)
{
    if (std::setlocale(category, name.c_str()))
        return {};
    if (!HaveLocaledef())
        return "skip";
    const std::string folder = LocaleFolder();
    const std::string target = folder + "/" + name;
    struct stat info {};
    if (stat(target.c_str(), &info) != 0) {
        const std::string language = name.substr(0, name.find('.'));
        const std::string command = "mkdir -p '" + folder + "' && localedef -i " + language +
                                    " -f UTF-8 '" + target + "' >/dev/null 2>&1";
        // localedef warns (status 1) on some source files yet writes the locale.
        std::system(command.c_str());
    }
    const char* old = std::getenv("LOCPATH");
    const std::string saved = old ? old : "";
    setenv("LOCPATH", folder.c_str(), 1);
    const bool ok = std::setlocale(category, name.c_str()) != nullptr;
    if (old)
        setenv("LOCPATH", saved.c_str(), 1);
    else
        unsetenv("LOCPATH");
    return ok ? std::string() : "localedef did not give " + name + " in " + folder;
}

// Puts the C locale back when a test is done with another one.
struct LocaleRestorer {
    ~LocaleRestorer() { std::setlocale(LC_ALL, "C"); }
};

}  // namespace chart_test
