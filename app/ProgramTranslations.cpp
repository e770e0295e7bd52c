#include "app/ProgramTranslations.h"

#include "app/CoreTexts.h"

#include <QDir>

namespace {

const char* const kCatalogueFolder = ":/i18n";

InterfaceLanguage inUse = InterfaceLanguage::Russian;

}  // namespace

ProgramTranslations::~ProgramTranslations()
{
    Remove();
}

QStringList ProgramTranslations::CatalogueFiles(InterfaceLanguage language)
{
    if (language == InterfaceLanguage::Russian)
        return {};
    const QDir folder(QString::fromLatin1(kCatalogueFolder));
    const QString pattern = QStringLiteral("*_%1.qm").arg(QString::fromLatin1(LanguageCode(language)));
    QStringList files;
    for (const QString& name : folder.entryList({pattern}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

InterfaceLanguage ProgramTranslations::InUse()
{
    return inUse;
}

bool ProgramTranslations::Use(LocaleLanguage language)
{
    Remove();
    InstallCoreTextTranslator();
    bool complete = qt_.Use(language.qt);
    const QStringList files = CatalogueFiles(language.program);
    if (language.program != InterfaceLanguage::Russian && files.isEmpty())
        complete = false;
    for (const QString& file : files) {
        if (InstalledCatalogue catalogue = InstallCatalogue(file, /*emptyIsMissing=*/false))
            program_.push_back(std::move(catalogue));
        else
            complete = false;
    }
    inUse = language.program;
    return complete;
}

void ProgramTranslations::Remove()
{
    program_.clear();
    inUse = InterfaceLanguage::Russian;
}
