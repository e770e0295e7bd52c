// The parameter file buttons of the main window: "Считать из файла" and "Сохранить в файл".

#include "app/MainForm.h"

#include "app/GuardedHandler.h"
#include "app/UserMessages.h"
#include "storage/ParameterFile.h"

void TForm4::Button5Click()
{
    RunGuarded([this] {
        // Into a temporary first: a short or missing file leaves the record as it was.
        Mechanism loaded = mechanism_;
        if (!LoadParameterFile(loaded)) {
            Messages().ShowMessage(tr("Не удалось прочитать параметры из файла startpar.tmm"));
            return;
        }
        // The whole record, Reserved, Lad and GuideOffset included; no recalculation.
        mechanism_ = loaded;
        ShowParameters();
    });
}

void TForm4::Button6Click()
{
    RunGuarded([this] {
        if (!SaveParameterFile(mechanism_))
            Messages().ShowMessage(tr("Не удалось сохранить параметры в файл startpar.tmm"));
    });
}
