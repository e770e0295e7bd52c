#include "app/StructureTab.h"

#include "app/GuardedHandler.h"
#include "kinematics/Grashof.h"
#include "views/FormFont.h"
#include "views/StructureScheme.h"

#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Below the text, room for the scheme at about four fifths of its own size.
constexpr int kSchemeHeight = 140;

// The scheme, scaled to the widget.
class SchemeView : public QWidget {
public:
    SchemeView(const StructuralAnalysis& s, QWidget* parent) : QWidget(parent), structure_(s)
    {
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::white);
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        PaintStructureScheme(painter, QRectF(rect()).adjusted(6, 6, -6, -6), structure_);
    }

private:
    const StructuralAnalysis& structure_;
};

QString Lines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out.join(u'\n');
}

QString Html(const QString& heading, const QStringList& lines)
{
    QString html = QStringLiteral("<p style=\"margin:4px 0 1px 0\"><b>%1</b></p>").arg(heading.toHtmlEscaped());
    for (const QString& line : lines)
        html += QStringLiteral("<p style=\"margin:1px 0\">%1</p>").arg(line.toHtmlEscaped());
    return html;
}

}  // namespace

StructureTab::StructureTab(ResultPublisher* results, QWidget* parent)
    : QWidget(parent), results_(results), structure_(AnalyseMechanismStructure())
{
    setObjectName(QStringLiteral("TabStructure"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    text_ = new QTextBrowser;
    text_->setObjectName(QStringLiteral("StructureText"));
    text_->setFont(FormFont(11));
    text_->setOpenLinks(false);
    layout->addWidget(text_, 1);
    scheme_ = new SchemeView(structure_, this);
    scheme_->setObjectName(QStringLiteral("StructureScheme"));
    scheme_->setFixedHeight(kSchemeHeight);
    layout->addWidget(scheme_);

    connect(results_, &ResultPublisher::Published, this,
            [this](const std::shared_ptr<const CalculationResult>& result, ResultChange) {
                RunGuarded([&] { ShowResult(result.get()); });
            });
    ShowResult(results_->Result().get());
}

QStringList StructureTab::StructureLines(const StructuralAnalysis& s)
{
    return Lines(StructureTextLines(s)).split(u'\n');
}

QStringList StructureTab::TurnLines(const CalculationResult* result)
{
    if (!result || result->Failed())
        return {tr("Проверка Грасгофа и проворачиваемости появится после расчёта (кнопка «Рассчитать»).")};
    const KinematicsResult& k = result->Kinematics();
    return Lines(FullTurnTextLines(JudgeFullTurn(k.solved, k.characteristics))).split(u'\n');
}

void StructureTab::ShowResult(const CalculationResult* result)
{
    text_->setHtml(Html(tr("Структурный анализ"), StructureLines(structure_))
                   + Html(tr("Проверка Грасгофа и проворачиваемость"), TurnLines(result)));
}

QString StructureTab::Text() const
{
    return text_->toPlainText();
}
