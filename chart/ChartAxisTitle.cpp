#include "chart/ChartAxisTitle.h"

TChartAxisTitle::TChartAxisTitle(QObject* parent, int angle)
    : QObject(parent), font_(new TChartFont(this)), angle_(angle)
{
    connect(font_, &TChartFont::Changed, this, &TChartAxisTitle::Changed);
}

void TChartAxisTitle::SetCaption(const QString& value)
{
    if (caption_ == value)
        return;
    caption_ = value;
    emit Changed();
}

void TChartAxisTitle::SetAngle(int value)
{
    if (angle_ == value)
        return;
    angle_ = value;
    emit Changed();
}

void TChartAxisTitle::SetVisible(bool value)
{
    if (visible_ == value)
        return;
    visible_ = value;
    emit Changed();
}

void TChartAxisTitle::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    emit Changed();
}
