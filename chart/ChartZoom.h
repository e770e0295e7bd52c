#pragma once
// The settings of mouse zooming: which button and keys start it, in which directions it zooms,
// the smallest drag that counts, and the pen and brush of the rectangle.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartPen.h"
#include "chart/ChartProperty.h"

#include <QObject>

// The fill of the zoom rectangle: clear by default.
class TChartZoomBrush : public QObject {
    Q_OBJECT
public:
    explicit TChartZoomBrush(QObject* parent = nullptr) : QObject(parent) {}
    CHART_SETTING(ChartEnums::TBrushStyle, Style, style_)
    CHART_SETTING(TColor, Color, color_)

private:
    TBrushStyle style_ = bsClear;
    TColor color_ = clWhite;
};

class TChartZoom : public QObject {
    Q_OBJECT
public:
    explicit TChartZoom(QObject* parent = nullptr)
        : QObject(parent), pen_(new TChartZoomPen(this)), brush_(new TChartZoomBrush(this))
    {
    }

    CHART_SETTING(bool, Allow, allow_)
    CHART_SETTING(bool, Animated, animated_)
    CHART_SETTING(int, AnimatedSteps, animatedSteps_)
    CHART_SETTING(ChartEnums::TChartZoomDirection, Direction, direction_)
    CHART_SETTING(Qt::KeyboardModifiers, KeyShift, keyShift_)
    CHART_SETTING(int, MinimumPixels, minimumPixels_)
    CHART_SETTING(ChartEnums::TMouseButton, MouseButton, mouseButton_)
    CHART_SETTING(bool, UpLeftZooms, upLeftZooms_)
    CHART_SUBPART(TChartZoomPen, Pen, pen_)
    CHART_SUBPART(TChartZoomBrush, Brush, brush_)

private:
    bool allow_ = true;
    bool animated_ = false;
    int animatedSteps_ = 8;
    TChartZoomDirection direction_ = tzdBoth;
    Qt::KeyboardModifiers keyShift_ = Qt::NoModifier;
    int minimumPixels_ = 16;
    TMouseButton mouseButton_ = mbLeft;
    bool upLeftZooms_ = false;
    TChartZoomPen* pen_;
    TChartZoomBrush* brush_;
};
