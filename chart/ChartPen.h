#pragma once
// The pens of the chart component: colour, width, style, visibility and end style, with the pen
// kinds whose defaults differ (axis line, dark-gray ticks, dotted grid, hidden, zoom rectangle).

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartPart.h"

#include <QPen>

class QPalette;

class TChartPen : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(ChartEnums::TPenStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(ChartEnums::TPenEndStyle EndStyle READ EndStyle WRITE SetEndStyle)

public:
    explicit TChartPen(QObject* parent = nullptr, TColor color = clBlack, int width = 1,
                       TPenStyle style = psSolid, bool visible = true);

    TColor Color() const { return color_; }
    void SetColor(TColor value) { Store(color_, value); }
    int Width() const { return width_; }
    void SetWidth(int value) { Store(width_, value); }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value) { Store(style_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Store(visible_, value); }
    TPenEndStyle EndStyle() const { return endStyle_; }
    void SetEndStyle(TPenEndStyle value) { Store(endStyle_, value); }

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
    Q_PROPERTY(int DrawEvery READ DrawEvery WRITE SetDrawEvery)
public:
    explicit TAxisGridPen(QObject* parent = nullptr) : TChartPen(parent, clGray, 1, psDot) {}
    int DrawEvery() const { return drawEvery_; }
    void SetDrawEvery(int value) { Store(drawEvery_, value); }

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
