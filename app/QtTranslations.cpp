#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations()
{
    Remove();
}

QString QtTranslations::CatalogueFile(InterfaceLanguage language)
{
    if (language == InterfaceLanguage::English)
        return QString();
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_%1.qm").arg(QString::fromLatin1(LanguageCode(language))));
}

bool QtTranslations::Use(InterfaceLanguage language)
{
    Remove();
    const QString file = CatalogueFile(language);
    if (file.isEmpty())
        return true;
    auto translator = std::make_unique<QTranslator>();
    // An empty catalogue would "load" and change nothing: it counts as missing.
    if (!translator->load(file) || translator->isEmpty() || !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed_ = std::move(translator);
    return true;
}

void QtTranslations::Remove()
{
    if (installed_)
        QCoreApplication::removeTranslator(installed_.get());
    installed_.reset();
}
