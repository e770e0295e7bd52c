#include "views/UpDown.h"

#include "kinematics/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetAssociate(QLineEdit* edit)
{
    if (associate_)
        associate_->removeEventFilter(this);
    associate_ = edit;
    if (associate_)
        associate_->installEventFilter(this);
}

void UpDown::setMaximum(int maximum)
{
    maximum_ = std::max(0, maximum);
}

void UpDown::Step(int delta)
{
    if (!associate_)
        return;
    // A field that holds no number steps from 0; one beyond the range comes back to its end.
    const long long current = ParseInteger(associate_->text().toStdString()).value_or(0);
    const long long wanted = std::clamp<long long>(current + delta, 0, maximum_);
    const QString text = QString::number(wanted);
    if (text != associate_->text())
        associate_->setText(text);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
