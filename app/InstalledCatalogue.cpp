#include "app/InstalledCatalogue.h"

#include <QCoreApplication>
#include <QTranslator>

void CatalogueRemover::operator()(QTranslator* translator) const
{
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

InstalledCatalogue InstallCatalogue(const QString& file, bool emptyIsMissing)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file) || (emptyIsMissing && translator->isEmpty())
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return InstalledCatalogue(translator.release());
}
