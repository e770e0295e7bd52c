#include "views/TImage.h"

#include <QPainter>
#include <QPaintEvent>

#include <utility>

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage& TImage::Picture() const
{
    FitPictureToControl();
    return picture_;
}

QImage& TImage::Picture()
{
    FitPictureToControl();
    return picture_;
}

void TImage::FitPictureToControl() const
{
    // A hidden control gets no resize event until it is shown, so the size is checked on use.
    const QSize wanted = size();
    if (picture_.size() == wanted)
        return;
    QImage fitted(wanted, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    if (!picture_.isNull()) {
        QPainter painter(&fitted);
        painter.drawImage(QPoint(0, 0), picture_);
    }
    picture_ = std::move(fitted);
}

void TImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), Picture(), event->rect());
}
