#pragma once
// The title of an axis: a caption in its own font, drawn at an angle (90 on the left axis).

#include "chart/ChartFont.h"
#include "chart/ChartPart.h"

#include <QString>

class TChartAxisTitle : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TChartFont* Font READ Font)
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TChartAxisTitle(QObject* parent = nullptr, int angle = 0);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value) { Store(caption_, value); }
    TChartFont* Font() const { return font_; }
    int Angle() const { return angle_; }
    void SetAngle(int value) { Store(angle_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Store(visible_, value); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { Store(transparent_, value); }

    bool Shown() const { return visible_ && !caption_.isEmpty(); }

private:
    QString caption_;
    TChartFont* font_;
    int angle_;
    bool visible_ = true;
    bool transparent_ = true;
};
