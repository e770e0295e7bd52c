#include "chart/ChartAxisTitle.h"

TChartAxisTitle::TChartAxisTitle(QObject* parent, int angle)
    : TChartPart(parent), font_(new TChartFont(this)), angle_(angle)
{
    connect(font_, &TChartFont::Changed, this, &TChartAxisTitle::Changed);
}
