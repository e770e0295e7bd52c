#include "app/QtTranslations.h"

#include <QDir>
#include <QLibraryInfo>

QString QtTranslations::CatalogueFile(InterfaceLanguage language)
{
    if (language == InterfaceLanguage::English)
        return QString();
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_%1.qm").arg(QString::fromLatin1(LanguageCode(language))));
}

bool QtTranslations::Use(InterfaceLanguage language)
{
    installed_.reset();
    const QString file = CatalogueFile(language);
    if (file.isEmpty())
        return true;
    installed_ = InstallCatalogue(file, /*emptyIsMissing=*/true);
    return installed_ != nullptr;
}
