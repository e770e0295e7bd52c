#pragma once
// A translation catalogue installed into the application for as long as its holder keeps it.

#include <QString>

#include <memory>

class QTranslator;

// Removes the catalogue from the application, then frees it.
struct CatalogueRemover {
    void operator()(QTranslator* translator) const;
};
using InstalledCatalogue = std::unique_ptr<QTranslator, CatalogueRemover>;

// Loads `file` and installs it. Null when it is missing or unreadable, or, with `emptyIsMissing`,
// holds no text (such a catalogue would "load" and change nothing).
InstalledCatalogue InstallCatalogue(const QString& file, bool emptyIsMissing);
