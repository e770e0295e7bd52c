#include "app/SheetsDialog.h"

#include "app/UserMessages.h"
#include "app/WindowPlacement.h"
#include "report/AtomicWrite.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* Field(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

}  // namespace

SheetsDialog::SheetsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SheetsDialog"));
    setWindowTitle(tr("Листы курсового проекта"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Листы 1 (кинематика), 2 (силы) и 3 (динамика) в форматах PDF, SVG "
                                                "и DXF в натуральную величину."),
                                 this));
    auto* form = new QFormLayout;
    student_ = Field("EditSheetStudent", this);
    group_ = Field("EditSheetGroup", this);
    teacher_ = Field("EditSheetTeacher", this);
    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("ComboSheetFormat"));
    for (const SheetFormat f : {SheetFormat::A1, SheetFormat::A2, SheetFormat::A3, SheetFormat::A4})
        format_->addItem(SheetFormatName(f));
    schemePositions_ = Field("EditSheetSchemePositions", this);
    schemePositions_->setToolTip(tr("Сколько положений механизма показать на схеме листа 1: от 1 до 24"));
    positions_ = Field("EditSheetPositions", this);
    positions_->setToolTip(tr("Два положения схемы (0 … N−1) для планов, через запятую; пусто — одно "
                              "рабочего и одно холостого хода"));
    folderEdit_ = Field("EditSheetFolder", this);
    auto* browse = new QPushButton(tr("Обзор…"), this);
    browse->setObjectName(QStringLiteral("ButtonSheetFolder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderEdit_);
    folderRow->addWidget(browse);
    form->addRow(tr("Студент:"), student_);
    form->addRow(tr("Группа:"), group_);
    form->addRow(tr("Преподаватель:"), teacher_);
    form->addRow(tr("Формат:"), format_);
    form->addRow(tr("Положений на схеме:"), schemePositions_);
    form->addRow(tr("Положения K,L:"), positions_);
    form->addRow(tr("Папка:"), folderRow);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("SheetsButtons"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Записать листы"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SheetsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SheetsDialog::reject);
    connect(browse, &QPushButton::clicked, this, &SheetsDialog::Browse);
    resize(460, sizeHint().height());
}

void SheetsDialog::showEvent(QShowEvent* event)
{
    // Over the middle of the window it belongs to (no window manager may place it).
    if (const QWidget* owner = parentWidget())
        move(owner->window()->frameGeometry().center() - rect().center());
    else
        CentreOnScreen(*this);
    QDialog::showEvent(event);
}

void SheetsDialog::Show(const SheetOptions& options, const QString& folder)
{
    student_->setText(options.people.student);
    group_->setText(options.people.group);
    teacher_->setText(options.people.teacher);
    format_->setCurrentText(SheetFormatName(options.format));
    schemePositions_->setText(QString::number(options.schemePositions));
    positions_->setText(options.positions ? QStringLiteral("%1,%2").arg(options.positions->first).arg(options.positions->second)
                                          : QString());
    folderEdit_->setText(folder);
}

void SheetsDialog::Browse()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Папка для листов"), folderEdit_->text());
    if (!dir.isEmpty())
        folderEdit_->setText(dir);
}

void SheetsDialog::accept()
{
    SheetOptions options = options_;
    options.people = {student_->text().trimmed(), group_->text().trimmed(), teacher_->text().trimmed()};
    options.format = SheetFormatNamed(format_->currentText()).value_or(SheetFormat::A1);
    QString error;
    const auto count = ParseSchemeCount(schemePositions_->text(), error);
    if (!count) {
        Messages().ShowMessage(error);
        schemePositions_->setFocus();
        return;
    }
    options.schemePositions = *count;
    options.positions.reset();
    if (!positions_->text().trimmed().isEmpty()) {
        options.positions = ParsePositions(positions_->text(), error, *count);
        if (!options.positions) {
            Messages().ShowMessage(error);
            positions_->setFocus();
            return;
        }
    }
    const QString folder = folderEdit_->text().trimmed();
    if (const QString problem = CheckWritableFolder(folder); folder.isEmpty() || !problem.isEmpty()) {
        Messages().ShowMessage(folder.isEmpty() ? tr("Укажите папку для листов.") : problem);
        folderEdit_->setFocus();
        return;
    }
    options_ = options;
    folder_ = folder;
    QDialog::accept();
}
