#include "app/CoreTexts.h"

#include "kinematics/TextCatalogue.h"

#include <QCoreApplication>

namespace {

std::string TranslateWithQt(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

void InstallCoreTextTranslator() { SetTextTranslator(&TranslateWithQt); }
