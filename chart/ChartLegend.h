#pragma once
// The legend of a chart. The program's charts hide it, and a hidden legend is all that is drawn.

#include "chart/ChartPart.h"

class TChartLegend : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TChartLegend(QObject* parent = nullptr) : TChartPart(parent) {}
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Store(visible_, value); }

private:
    bool visible_ = true;
};
