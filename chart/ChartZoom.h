#pragma once
// The settings of mouse zooming: which button and keys start it, in which directions it zooms,
// the smallest drag that counts, and the pen and brush of the rectangle.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartPen.h"

#include <QObject>

// The fill of the zoom rectangle: clear by default.
class TChartZoomBrush : public QObject {
    Q_OBJECT
    Q_PROPERTY(ChartEnums::TBrushStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TChartZoomBrush(QObject* parent = nullptr) : QObject(parent) {}
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value) { style_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }

private:
    TBrushStyle style_ = bsClear;
    TColor color_ = clWhite;
};

class TChartZoom : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Allow READ Allow WRITE SetAllow)
    Q_PROPERTY(bool Animated READ Animated WRITE SetAnimated)
    Q_PROPERTY(int AnimatedSteps READ AnimatedSteps WRITE SetAnimatedSteps)
    Q_PROPERTY(ChartEnums::TChartZoomDirection Direction READ Direction WRITE SetDirection)
    Q_PROPERTY(Qt::KeyboardModifiers KeyShift READ KeyShift WRITE SetKeyShift)
    Q_PROPERTY(int MinimumPixels READ MinimumPixels WRITE SetMinimumPixels)
    Q_PROPERTY(ChartEnums::TMouseButton MouseButton READ MouseButton WRITE SetMouseButton)
    Q_PROPERTY(bool UpLeftZooms READ UpLeftZooms WRITE SetUpLeftZooms)
    Q_PROPERTY(TChartZoomPen* Pen READ Pen)
    Q_PROPERTY(TChartZoomBrush* Brush READ Brush)

public:
    explicit TChartZoom(QObject* parent = nullptr)
        : QObject(parent), pen_(new TChartZoomPen(this)), brush_(new TChartZoomBrush(this))
    {
    }

    bool Allow() const { return allow_; }
    void SetAllow(bool value) { allow_ = value; }
    bool Animated() const { return animated_; }
    void SetAnimated(bool value) { animated_ = value; }
    int AnimatedSteps() const { return animatedSteps_; }
    void SetAnimatedSteps(int value) { animatedSteps_ = value; }
    TChartZoomDirection Direction() const { return direction_; }
    void SetDirection(TChartZoomDirection value) { direction_ = value; }
    Qt::KeyboardModifiers KeyShift() const { return keyShift_; }
    void SetKeyShift(Qt::KeyboardModifiers value) { keyShift_ = value; }
    int MinimumPixels() const { return minimumPixels_; }
    void SetMinimumPixels(int value) { minimumPixels_ = value; }
    TMouseButton MouseButton() const { return mouseButton_; }
    void SetMouseButton(TMouseButton value) { mouseButton_ = value; }
    bool UpLeftZooms() const { return upLeftZooms_; }
    void SetUpLeftZooms(bool value) { upLeftZooms_ = value; }
    TChartZoomPen* Pen() const { return pen_; }
    TChartZoomBrush* Brush() const { return brush_; }

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
