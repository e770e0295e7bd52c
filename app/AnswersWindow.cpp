#include "app/AnswersWindow.h"

#include "app/GuardedHandler.h"
#include "app/UserMessages.h"
#include "app/WindowPlacement.h"
#include "kinematics/AnswerFile.h"
#include "kinematics/InputRule.h"
#include "kinematics/NumberText.h"
#include "kinematics/ResultPositions.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWindowWidth = 760;
constexpr int kWindowHeight = 520;
constexpr int kEmptyRows = 10;
constexpr qint64 kLargestAnswersFile = 4 * 1024 * 1024;

const QColor kWithin(200, 240, 200);
const QColor kOutside(250, 200, 200);
const QColor kUnchecked(255, 236, 180);

QString Text(const std::string& s) { return QString::fromStdString(s); }

QTableWidgetItem* ReadOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// One unknown name in the list's words; several named together, then what may be typed.
QString UnknownNamesText(const QStringList& names)
{
    const QString one = Text(UnknownQuantityText(names.front().toStdString()));
    if (names.size() == 1)
        return one;
    const QString known = one.section(QStringLiteral("; "), 1);
    return AnswersWindow::tr("неизвестные величины «%1»; %2").arg(names.join(QStringLiteral("», «")), known);
}

}  // namespace

AnswersWindow::AnswersWindow(ResultPublisher* results, QWidget* parent)
    : QWidget(parent, Qt::Window), results_(results)
{
    setObjectName(QStringLiteral("AnswersWindow"));
    setWindowTitle(tr("Проверка ответов"));
    resize(kWindowWidth, kWindowHeight);

    auto* layout = new QVBoxLayout(this);
    auto* strip = new QHBoxLayout;
    auto* toleranceLabel = new QLabel(tr("Допуск, %"));
    tolerance_ = new QLineEdit(Text(FormatGeneral(kDefaultTolerancePercent)));
    tolerance_->setObjectName(QStringLiteral("AnswersTolerance"));
    tolerance_->setFixedWidth(60);
    tolerance_->setToolTip(tr("Допустимая относительная ошибка ответа; обычная точность графического решения — 5 %"));
    toleranceLabel->setBuddy(tolerance_);
    load_ = new QPushButton(tr("Загрузить CSV…"));
    load_->setObjectName(QStringLiteral("AnswersLoad"));
    load_->setToolTip(tr("Файл с заголовком Положение;Величина;Значение"));
    addRow_ = new QPushButton(tr("Добавить строку"));
    addRow_->setObjectName(QStringLiteral("AnswersAddRow"));
    removeRow_ = new QPushButton(tr("Удалить строку"));
    removeRow_->setObjectName(QStringLiteral("AnswersRemoveRow"));
    check_ = new QPushButton(tr("Проверить"));
    check_->setObjectName(QStringLiteral("AnswersCheck"));
    check_->setDefault(true);
    strip->addWidget(toleranceLabel);
    strip->addWidget(tolerance_);
    strip->addSpacing(12);
    strip->addWidget(load_);
    strip->addWidget(addRow_);
    strip->addWidget(removeRow_);
    strip->addStretch(1);
    strip->addWidget(check_);
    layout->addLayout(strip);

    auto* hint = new QLabel(tr("Величины: vA, vB, vD, vE, ω2, ω3, ω4, aA, aB, aD, aE, ε2, ε3, ε4, R01, R12, R23, R03, R24, R45, N05, Mб "
        "(или w2, e2, Mb). Скорости, ускорения и реакции — модули; ω, ε и Mб — со знаком, против часовой "
        "стрелки — плюс."));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    table_ = new QTableWidget(0, ColumnCount);
    table_->setObjectName(QStringLiteral("AnswersTable"));
    table_->setHorizontalHeaderLabels({tr("Положение"), tr("Величина"), tr("Значение"),
                                       tr("Точно"), tr("Ошибка"), tr("Ошибка, %"),
                                       tr("Итог")});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setVisible(false);
    for (int row = 0; row < kEmptyRows; ++row)
        AddRow(QString(), QString(), QString());
    layout->addWidget(table_, 1);

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("AnswersSummary"));
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    layout->addWidget(summary_);
    messages_ = new QLabel;
    messages_->setObjectName(QStringLiteral("AnswersMessages"));
    messages_->setWordWrap(true);
    messages_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messages_->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout->addWidget(messages_);

    connect(check_, &QPushButton::clicked, this, [this] { RunGuarded([this] { CheckRows(); }); });
    connect(load_, &QPushButton::clicked, this, [this] { RunGuarded([this] { ChooseFile(); }); });
    connect(addRow_, &QPushButton::clicked, this, [this] { AddRow(QString(), QString(), QString()); });
    connect(removeRow_, &QPushButton::clicked, this, [this] {
        const int row = table_->currentRow();
        if (row >= 0)
            table_->removeRow(row);
    });
    connect(results_, &ResultPublisher::Published, this, [this] {
        if (isVisible() && !summary_->text().isEmpty())
            RunGuarded([this] { CheckRows(); });
    });
}

void AnswersWindow::Present()
{
    PresentWindow(*this);
}

void AnswersWindow::AddRow(const QString& position, const QString& name, const QString& value)
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, Position, new QTableWidgetItem(position));
    table_->setItem(row, Name, new QTableWidgetItem(name));
    table_->setItem(row, Given, new QTableWidgetItem(value));
    for (int c = Exact; c < ColumnCount; ++c)
        table_->setItem(row, c, ReadOnlyItem(QString()));
}

void AnswersWindow::ChooseFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Ответы"), QString(),
                                                      tr("Ответы (*.csv);;Все файлы (*)"));
    if (!path.isEmpty())
        LoadFile(path);
}

bool AnswersWindow::LoadFile(const QString& path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > kLargestAnswersFile || !file.open(QIODevice::ReadOnly)) {
        Messages().ShowMessage(tr("Не удалось прочитать файл ответов %1.").arg(info.fileName()));
        return false;
    }
    const ParsedAnswers parsed = ParseAnswersText(file.readAll().toStdString());
    table_->setRowCount(0);
    for (const StudentAnswer& a : parsed.answers)
        AddRow(Text(WholeNumberText(a.position)), Text(a.quantity), Text(FormatGeneral(a.value)));
    if (table_->rowCount() == 0)
        AddRow(QString(), QString(), QString());
    CheckRows();
    if (!parsed.errors.empty()) {
        QStringList lines;
        for (const std::string& e : parsed.errors)
            lines << Text(e);
        messages_->setText(tr("В файле %1 не прочитаны строки:\n").arg(info.fileName()) + lines.join(u'\n')
                           + (messages_->text().isEmpty() ? QString() : QStringLiteral("\n") + messages_->text()));
    }
    return true;
}

std::vector<StudentAnswer> AnswersWindow::ReadRows(std::vector<QString>& rowErrors) const
{
    std::vector<StudentAnswer> answers;
    rowErrors.assign(static_cast<std::size_t>(table_->rowCount()), QString());
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto cell = [&](int column) {
            const QTableWidgetItem* item = table_->item(row, column);
            return item ? item->text().trimmed() : QString();
        };
        StudentAnswer a;
        a.quantity = cell(Name).toStdString();
        if (cell(Position).isEmpty() && cell(Name).isEmpty() && cell(Given).isEmpty()) {
            answers.push_back(a);
            continue;
        }
        const std::optional<std::int32_t> k = ParseInteger(cell(Position).toStdString());
        const std::optional<double> value = ParseDecimal(cell(Given).toStdString());
        if (!k)
            rowErrors[static_cast<std::size_t>(row)] = tr("положение «%1» — не целое число").arg(cell(Position));
        else if (!value)
            rowErrors[static_cast<std::size_t>(row)] = tr("значение «%1» — не число").arg(cell(Given));
        a.position = k.value_or(0);
        a.value = value.value_or(0);
        answers.push_back(a);
    }
    return answers;
}

void AnswersWindow::ShowVerdict(int row, const AnswerVerdict* v, const QString& error, double tolerance)
{
    QStringList cells(ColumnCount - Exact);
    QColor colour = Qt::white;
    if (!error.isEmpty()) {
        cells.back() = error;
        colour = kUnchecked;
    } else if (v && v->checked) {
        const char* unit = InfoOf(v->quantity).unit;
        cells[0] = Text(AnswerNumberText(v->exact));
        cells[1] = Text(AnswerNumberText(v->absoluteError)) + u' ' + QString::fromUtf8(unit);
        cells[2] = v->relativeErrorPercent ? Text(ErrorPercentText(*v->relativeErrorPercent))
                                           : tr("точно 0");
        const QString limit = Text(FormatGeneral(tolerance)) + QStringLiteral(" %");
        cells[3] = v->withinTolerance ? tr("в пределах ") + limit : tr("вне допуска ") + limit;
        colour = v->withinTolerance ? kWithin : kOutside;
    } else if (v) {
        cells.back() = Text(v->error);
        colour = kUnchecked;
    }
    for (int c = Exact; c < ColumnCount; ++c) {
        QTableWidgetItem* item = ReadOnlyItem(cells[c - Exact]);
        item->setBackground(colour);
        if (c == Verdict)
            item->setToolTip(item->text());
        table_->setItem(row, c, item);
    }
    for (int c = Position; c < Exact; ++c) {
        if (QTableWidgetItem* item = table_->item(row, c))
            item->setBackground(colour);
    }
}

void AnswersWindow::CheckRows()
{
    const InputVerdict typed = JudgeInput(tolerance_->text().toStdString(), kLoadRule, tolerancePercent_);
    if (!typed.Accepted()) {
        Messages().ShowMessage(tr("Допуск, %: ") + QString::fromUtf8(InputMessageText(typed.messages.front())));
        tolerance_->setText(Text(FormatGeneral(tolerancePercent_)));
    } else {
        tolerancePercent_ = typed.value;
    }
    const CalculationResult* r = results_->Result().get();
    if (!r || r->Failed()) {
        summary_->setText(tr("Нет результата: сначала нажмите «Рассчитать»."));
        messages_->clear();
        return;
    }
    std::vector<QString> rowErrors;
    const std::vector<StudentAnswer> answers = ReadRows(rowErrors);
    const SolvedTable solved = SolvedTableOf(*r);
    std::vector<AnswerVerdict> verdicts;
    QStringList unknown;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto i = static_cast<std::size_t>(row);
        const StudentAnswer& a = answers[i];
        const bool empty = a.quantity.empty() && table_->item(row, Position)->text().trimmed().isEmpty()
                           && table_->item(row, Given)->text().trimmed().isEmpty();
        if (empty) {
            ShowVerdict(row, nullptr, QString(), tolerancePercent_);
            continue;
        }
        if (!rowErrors[i].isEmpty()) {
            AnswerVerdict bad;
            bad.answer = a;
            bad.error = rowErrors[i].toStdString();
            verdicts.push_back(bad);
            ShowVerdict(row, nullptr, rowErrors[i], tolerancePercent_);
            continue;
        }
        const AnswerVerdict v = CheckAnswer(solved, a, tolerancePercent_);
        if (!v.checked && !FindQuantity(a.quantity))
            unknown << Text(a.quantity);
        verdicts.push_back(v);
        ShowVerdict(row, &v, QString(), tolerancePercent_);
    }
    table_->resizeColumnsToContents();
    summary_->setText(Text(::SummaryText(Summarise(verdicts), tolerancePercent_)));
    unknown.removeDuplicates();
    if (unknown.isEmpty())
        messages_->clear();
    else
        messages_->setText(UnknownNamesText(unknown));
}

QString AnswersWindow::SummaryText() const
{
    return summary_->text();
}

QString AnswersWindow::MessagesText() const
{
    return messages_->text();
}
