#pragma once
// The computation core's texts in the user's language without Qt: the core marks each text it
// shows with its context, and the application installs a translator that looks it up in the
// loaded catalogues. With no translator installed (the core's own tests, the Russian interface)
// every text is its Russian source, byte for byte.
//
// Every text of the core is in the one context kTextContext. Mark a text as
// Tr(QT_TRANSLATE_NOOP("Kinematics", "…")) so that lupdate finds it; a table of texts marks its
// entries with QT_TRANSLATE_NOOP alone and passes them to Tr where they are shown. A text made of
// words and numbers is one template with %1 … %9 in it, filled by Fill, so a translation may put
// the numbers where its own word order wants them.

#include <initializer_list>
#include <string>

// Qt's own definition, so a file that also includes Qt's headers sees one and the same macro.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

inline constexpr const char* kTextContext = "Kinematics";

// The translation of `source` in `context`, or an empty text for none (the source is used then).
using TextTranslator = std::string (*)(const char* context, const char* source);

// Installs the translator for every later Tr; null removes it.
void SetTextTranslator(TextTranslator translator);

// `source` of kTextContext in the interface's language: the translator's answer, or the source
// itself when no translator is installed or it knows no translation.
std::string Tr(const char* source);

// The template with %1 … %9 replaced by the arguments in that order of numbering; a "%" not
// followed by the number of a given argument stays as it is.
std::string Fill(const std::string& pattern, std::initializer_list<std::string> arguments);
