// The results table with its captions and the Calculate button, and the dead-position list.

#include "app/MainForm.h"

#include "app/CalculateStatus.h"
#include "kinematics/NumberText.h"
#include "views/FormFont.h"
#include "views/ResultsTableModel.h"
#include "views/StringGrid.h"
#include "views/UpDown.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Where the caption of each column (its quantity's symbol) stands above the grid.
constexpr int kColumnCaptionX[ResultsTableModel::kColumns] = {16,  64,  112, 160, 216, 264, 312,
                                                              352, 408, 456, 504, 552, 608, 653};

constexpr int kCaptionsY = 156;
constexpr int kGridTop = 178;
constexpr int kGridWidth = 693;
constexpr int kGridHeight = 224;
constexpr int kTabStripHeight = 41;

}  // namespace

void TForm4::CreateResultsTable(QWidget* tab)
{
    for (int c = 0; c < ResultsTableModel::kColumns; ++c) {
        auto* caption = new QLabel(ResultsTableModel::ColumnCaption(c), tab);
        caption->setObjectName(QStringLiteral("ColumnCaption%1").arg(c));
        caption->setFont(FormFont(13, true));
        caption->move(kColumnCaptionX[c], kCaptionsY);
        caption->adjustSize();
        caption->setToolTip(ResultsTableModel::ColumnToolTip(c));
    }

    StringGrid1 = new StringGrid(tab);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(0, kGridTop, kGridWidth, kGridHeight);

    auto* strip = new QFrame(tab);
    strip->setObjectName(QStringLiteral("Panel8"));
    strip->setGeometry(0, kGridTop + kGridHeight, kGridWidth + 4, kTabStripHeight);
    Button4 = new QPushButton(tr("&Рассчитать"), strip);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setGeometry(280, 8, 113, 25);
    Button4->setFont(FormFont(13, true));
    Button4->setCursor(Qt::PointingHandCursor);
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    // Beside the Calculate button, clear of every specified control.
    CheckAdoptLbc = new QCheckBox(tr("Подбирать Lbc по исследованию"), strip);
    CheckAdoptLbc->setObjectName(QStringLiteral("CheckAdoptLbc"));
    CheckAdoptLbc->setChecked(true);
    CheckAdoptLbc->move(416, 12);
    CheckAdoptLbc->adjustSize();
    CheckAdoptLbc->setToolTip(tr("Включено: Рассчитать заменяет Lbc длиной, которую выбрало исследование.\n"
        "Выключено: исследование выполняется и показывается, но расчёт, таблица, диаграммы и экспорт "
        "используют введённую Lbc."));
}

void TForm4::CreateDeadPositionBox(QWidget* parent)
{
    auto* box = new QGroupBox(tr("Определение мертвых положений механизма"), parent);
    box->setObjectName(QStringLiteral("GroupBox2"));
    box->setGeometry(0, 0, std::max(parent->width(), 300), std::max(parent->height(), 215));
    auto* first = new QLabel(tr("Значения углов поворота кривошипа при которых"), box);
    first->move(8, 24);
    first->adjustSize();
    auto* second = new QLabel(tr("возникают мертвые положения механизма"), box);
    second->move(8, 40);
    second->adjustSize();
    ListBox1 = new QListWidget(box);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 56, 121, 153);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { height: 13px; }"));
    ScanNote = new QLabel(box);
    ScanNote->setObjectName(QStringLiteral("ScanNote"));
    ScanNote->setWordWrap(true);
    ScanNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScanNote->setGeometry(136, 56, box->width() - 144, 153);
}

void TForm4::FillResultsTable(const CalculationResult& result)
{
    const KinematicsResult& k = result.Kinematics();
    StringGrid1->Model()->Fill(k.table.positions, k.solved.PositionCount, k.table.Rows());

    // The list always describes the latest Calculate: the mechanism the table shows.
    ListBox1->clear();
    for (const double angle : k.DeadAngles()) {
        auto* item = new QListWidgetItem(QString::fromStdString(FormatGeneral(angle)), ListBox1);
        item->setToolTip(tr("φ = %1 (%2 рад) при Lbc = %3 м")
                             .arg(DegreesText(angle), QString::fromStdString(FormatGeneral(angle)),
                                  QString::fromStdString(FormatGeneral(k.scanLbc))));
    }
    QString note = tr("Список — перебор через 1° при Lbc = %1 м.")
                       .arg(QString::fromStdString(FormatGeneral(k.scanLbc)));
    if (const MechanismCharacteristics* c = k.TurningCharacteristics())
        note += tr("\nКрайние положения ползуна при Lbc = %1 м: %2, %3")
                    .arg(QString::fromStdString(FormatGeneral(k.solved.Lbc)), TwoDecimalDegreesText(c->Extreme1),
                         TwoDecimalDegreesText(c->Extreme2));
    ScanNote->setText(note);
}
