#pragma once
// A decimal-comma locale for the chart fuzz targets, so a number text that follows LC_NUMERIC
// shows up as a finding. Made with localedef next to the program when the machine lacks it.

#include <clocale>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline void UseCommaLocale()
{
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "uk_UA.UTF-8"}) {
        if (std::setlocale(LC_ALL, name))
            return;
    }
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string folder = n > 0 ? std::string(exe, static_cast<std::size_t>(n)) : "./x";
    folder = folder.substr(0, folder.rfind('/')) + "/locales";
    const std::string command = "mkdir -p '" + folder + "' && (test -d '" + folder +
                                "/ru_RU.UTF-8' || localedef -i ru_RU -f UTF-8 '" + folder +
                                "/ru_RU.UTF-8') >/dev/null 2>&1";
    if (std::system(command.c_str()) < 0)
        std::abort();
    setenv("LOCPATH", folder.c_str(), 1);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8"))
        std::abort();  // without a comma locale the target would test nothing it is meant to
}
