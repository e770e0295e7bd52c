#pragma once
// Cutting the blanks off the ends of a text, for the readers of typed numbers and of files.

#include <string>

// `text` without the characters of `blanks` at either end; empty when it holds nothing else.
inline std::string TrimmedText(const std::string& text, const char* blanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}
