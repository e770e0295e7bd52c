#pragma once
// The chart control placed on forms.

#include "chart/CustomChart.h"

class TChart : public TCustomChart {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr) : TCustomChart(parent) {}
};
