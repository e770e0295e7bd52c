#include "app/ModalProgress.h"

#include "app/UserMessages.h"

#include <QCoreApplication>

ModalProgress::ModalProgress(const QString& label, const char* objectName, QWidget* owner)
    : QProgressDialog(label, QCoreApplication::translate("ModalProgress", "Отмена"), 0, kSteps, owner)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setValue(0);
}

void ModalProgress::SetFraction(double fraction)
{
    setValue(static_cast<int>(fraction * kSteps));
}
