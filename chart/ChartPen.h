#pragma once
// The pens of the chart component: colour, width, style, visibility and end style, with the pen
// kinds whose defaults differ (axis line, dark-gray ticks, dotted grid, hidden, zoom rectangle).

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"

#include <QPen>

class QPalette;

class TChartPen : public TChartPart {
    Q_OBJECT
public:
    explicit TChartPen(QObject* parent = nullptr, TColor color = clBlack, int width = 1,
                       TPenStyle style = psSolid, bool visible = true);

    CHART_PROPERTY(TColor, Color, color_)
    CHART_PROPERTY(int, Width, width_)
    CHART_PROPERTY(ChartEnums::TPenStyle, Style, style_)
    CHART_PROPERTY(bool, Visible, visible_)
    CHART_PROPERTY(ChartEnums::TPenEndStyle, EndStyle, endStyle_)

    // Visible and not of the clear style: something would be drawn.
    bool Draws() const { return visible_ && style_ != psClear; }
    void Assign(const TChartPen& other);

    // The drawing pen: a one-pixel pen draws dots and dashes pixel by pixel; wider pens are
    // geometric with the end style's caps and rounded joins.
    QPen ToQPen(const QPalette& palette, TColor colorOverride = clDefault) const;

private:
    TColor color_;
    int width_;
    TPenStyle style_;
    bool visible_;
    TPenEndStyle endStyle_ = esRound;
};

// The axis line: black, two pixels wide.
class TChartAxisPen : public TChartPen {
    Q_OBJECT
public:
    explicit TChartAxisPen(QObject* parent = nullptr) : TChartPen(parent, clBlack, 2) {}
};

// Ticks and minor ticks: gray, one pixel.
class TDarkGrayPen : public TChartPen {
    Q_OBJECT
public:
    explicit TDarkGrayPen(QObject* parent = nullptr) : TChartPen(parent, clGray, 1) {}
};

// The grid: gray dots, drawn at every DrawEvery-th label.
class TAxisGridPen : public TChartPen {
    Q_OBJECT
public:
    explicit TAxisGridPen(QObject* parent = nullptr) : TChartPen(parent, clGray, 1, psDot) {}
    CHART_PROPERTY(int, DrawEvery, drawEvery_)

private:
    int drawEvery_ = 1;
};

// A pen that is off until switched on (minor grid).
class TChartHiddenPen : public TChartPen {
    Q_OBJECT
public:
    explicit TChartHiddenPen(QObject* parent = nullptr)
        : TChartPen(parent, clGray, 1, psSolid, false) {}
};

// The zoom rectangle's pen: white.
class TChartZoomPen : public TChartPen {
    Q_OBJECT
public:
    explicit TChartZoomPen(QObject* parent = nullptr) : TChartPen(parent, clWhite, 1) {}
};
