#pragma once
// A series drawn as a line: adds how null points break the line.

#include "chart/ChartSeries.h"

class TCustomLineSeries : public TChartSeries {
    Q_OBJECT
    Q_PROPERTY(ChartEnums::TTreatNullsStyle TreatNulls READ TreatNulls WRITE SetTreatNulls)

public:
    explicit TCustomLineSeries(QObject* owner = nullptr) : TChartSeries(owner) {}

    TTreatNullsStyle TreatNulls() const { return treatNulls_; }
    void SetTreatNulls(TTreatNullsStyle value)
    {
        if (treatNulls_ == value)
            return;
        treatNulls_ = value;
        RequestRepaint();
    }

private:
    TTreatNullsStyle treatNulls_ = tnIgnore;
};
