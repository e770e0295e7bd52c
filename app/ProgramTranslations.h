#pragma once
// The language the program speaks, its own texts and Qt's together. The program's texts are
// written in Russian; for Ukrainian and English every catalogue ":/i18n/<part>_<code>.qm" (one per
// part of the program: the window, the results) is installed, and Qt's own catalogue beside them.
// Russian installs none of the program's, so its texts stay exactly as written.

#include "app/InstalledCatalogue.h"
#include "app/LocaleLanguage.h"
#include "app/QtTranslations.h"

#include <QStringList>

#include <vector>

class ProgramTranslations {
public:
    // Removes the catalogues it installed: the program speaks Russian again.
    ~ProgramTranslations();

    // Installs the catalogues of `language` in place of the ones before. False when one of them
    // is missing or unreadable (the texts it would give stay Russian, Qt's English).
    bool Use(LocaleLanguage language);

    // The program's catalogues for `language` in the resources, in name order; none for Russian.
    static QStringList CatalogueFiles(InterfaceLanguage language);
    // The language of the program's texts in use now (Russian while nothing installed another).
    static InterfaceLanguage InUse();

private:
    void Remove();

    std::vector<InstalledCatalogue> program_;
    QtTranslations qt_;
};
