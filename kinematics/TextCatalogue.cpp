#include "kinematics/TextCatalogue.h"

#include <atomic>
#include <vector>

namespace {

// Set once at start-up (or by a test) before any text is made; atomic so a worker thread that
// writes a text sees the installed translator.
std::atomic<TextTranslator> installed{nullptr};

}  // namespace

void SetTextTranslator(TextTranslator translator) { installed.store(translator); }

std::string Tr(const char* source)
{
    const TextTranslator translator = installed.load();
    if (!translator)
        return source;
    std::string translated = translator(kTextContext, source);
    return translated.empty() ? std::string(source) : translated;
}

std::string Fill(const std::string& pattern, std::initializer_list<std::string> arguments)
{
    const std::vector<std::string> args(arguments);
    std::string text;
    text.reserve(pattern.size() + 16 * args.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '0') : 0;
        if (pattern[i] == '%' && number >= 1 && number <= args.size()) {
            text += args[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
