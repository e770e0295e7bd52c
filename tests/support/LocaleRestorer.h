#pragma once
// Puts the C library's locale back as it was when the test scope ends, whichever way it ends.

#include <clocale>
#include <string>

class LocaleRestorer {
public:
    LocaleRestorer() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleRestorer() { std::setlocale(LC_ALL, saved_.c_str()); }
    LocaleRestorer(const LocaleRestorer&) = delete;
    LocaleRestorer& operator=(const LocaleRestorer&) = delete;

private:
    std::string saved_;
};
