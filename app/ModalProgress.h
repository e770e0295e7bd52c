#pragma once
// The bar of a long job of the window (Calculate, a long report): modal over the window, under
// the program's title, with Cancel, shown at once and kept up at its end until the job closes it.

#include <QProgressDialog>

class ModalProgress : public QProgressDialog {
public:
    static constexpr int kSteps = 1000;

    ModalProgress(const QString& label, const char* objectName, QWidget* owner);

    // Shows that `fraction` (0 .. 1) of the job is done.
    void SetFraction(double fraction);
};
