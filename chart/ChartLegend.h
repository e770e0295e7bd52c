#pragma once
// The legend of a chart. The program's charts hide it, and a hidden legend is all that is drawn.

#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"

class TChartLegend : public TChartPart {
    Q_OBJECT
public:
    explicit TChartLegend(QObject* parent = nullptr) : TChartPart(parent) {}
    CHART_PROPERTY(bool, Visible, visible_)

private:
    bool visible_ = true;
};
