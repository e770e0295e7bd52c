#pragma once
// The small dialog of "Файл → Листы курсового проекта…": who made the sheets, the format, the
// two positions of the plans and the folder. OK is refused (with a message) while the positions
// or the folder cannot be used.

#include "report/Sheets.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

class SheetsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SheetsDialog(QWidget* parent = nullptr);

    // Fills the fields from `options` and `folder`.
    void Show(const SheetOptions& options, const QString& folder);
    // What the fields hold; valid after the dialog was accepted.
    SheetOptions Options() const { return options_; }
    QString Folder() const { return folder_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Browse();

    QLineEdit* student_ = nullptr;
    QLineEdit* group_ = nullptr;
    QLineEdit* teacher_ = nullptr;
    QComboBox* format_ = nullptr;
    QLineEdit* schemePositions_ = nullptr;
    QLineEdit* positions_ = nullptr;
    QLineEdit* folderEdit_ = nullptr;
    SheetOptions options_;
    QString folder_;
};
