#pragma once
// Qt's own texts in the user's language: the standard buttons, the file, print and print-preview
// dialogs, the reasons Qt gives for a failed file operation. Debian ships them in
// qt6-translations-l10n as qtbase_<code>.qm in Qt's translations folder.

#include "app/InstalledCatalogue.h"
#include "app/LocaleLanguage.h"

#include <QString>

// Destroying it removes the installed catalogue: Qt's texts are English again.
class QtTranslations {
public:
    // Installs the catalogue of `language` into the application in place of the one before.
    // English is Qt's built-in text and installs nothing. Returns false when the catalogue is
    // missing or unreadable; Qt's texts are English then.
    bool Use(InterfaceLanguage language);

    // The catalogue's file for `language`: empty for English.
    static QString CatalogueFile(InterfaceLanguage language);

private:
    InstalledCatalogue installed_;
};
