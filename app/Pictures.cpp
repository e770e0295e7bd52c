#include "app/Pictures.h"

#include <QPixmap>

// Q_INIT_RESOURCE names a function of the global namespace, so it is called out here.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(pictures);
}

void InitPictureResources()
{
    static const bool registered = (RegisterPictures(), true);
    (void)registered;
}

QIcon ApplicationIcon()
{
    InitPictureResources();
    return QIcon(QPixmap(QString::fromLatin1(kIconResourcePath)));
}
