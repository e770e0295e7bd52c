#pragma once
// The title of an axis: a caption in its own font, drawn at an angle (90 on the left axis).

#include "chart/ChartFont.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"

#include <QString>

class TChartAxisTitle : public TChartPart {
    Q_OBJECT
public:
    explicit TChartAxisTitle(QObject* parent = nullptr, int angle = 0);

    CHART_PROPERTY(QString, Caption, caption_)
    CHART_SUBPART(TChartFont, Font, font_)
    CHART_PROPERTY(int, Angle, angle_)
    CHART_PROPERTY(bool, Visible, visible_)
    CHART_PROPERTY(bool, Transparent, transparent_)

    bool Shown() const { return visible_ && !caption_.isEmpty(); }

private:
    QString caption_;
    TChartFont* font_;
    int angle_;
    bool visible_ = true;
    bool transparent_ = true;
};
