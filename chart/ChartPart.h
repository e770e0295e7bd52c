#pragma once
// The base of the chart's parts (pens, fonts, titles, axes, legend, back wall, gradient, series):
// one change rule for all of them. A setter stores the new value and announces Changed() only
// when the value really differs, so setting a property to what it holds never repaints.

#include "chart/StoreProperty.h"

#include <QObject>

class TChartPart : public QObject {
    Q_OBJECT
public:
    explicit TChartPart(QObject* parent = nullptr) : QObject(parent) {}

signals:
    void Changed();

protected:
    template <typename T> void Store(T& field, const T& value)
    {
        if (StoreProperty(field, value))
            emit Changed();
    }
};
