#pragma once
// The legend of a chart. The program's charts hide it, and a hidden legend is all that is drawn.

#include <QObject>

class TChartLegend : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TChartLegend(QObject* parent = nullptr) : QObject(parent) {}
    bool Visible() const { return visible_; }
    void SetVisible(bool value)
    {
        if (visible_ == value)
            return;
        visible_ = value;
        emit Changed();
    }

signals:
    void Changed();

private:
    bool visible_ = true;
};
