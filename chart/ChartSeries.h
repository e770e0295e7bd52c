#pragma once
// The base of every series: two value lists (X ascending, Y unordered), optional point colours and
// labels, the owning chart and its two axes, and the adding and clearing of points.

#include "chart/ChartColors.h"
#include "chart/ChartEnums.h"
#include "chart/ChartPart.h"
#include "chart/ChartProperty.h"
#include "chart/ChartValueList.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class TChartAxis;
class TCustomAxisPanel;

class TChartSeries : public TChartPart {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(double MinX READ MinX)
    Q_PROPERTY(double MaxX READ MaxX)
    Q_PROPERTY(double MinY READ MinY)
    Q_PROPERTY(double MaxY READ MaxY)
    Q_PROPERTY(TColor SeriesColor READ SeriesColor WRITE SetSeriesColor)

public:
    using BeforeAddHandler = std::function<bool(TChartSeries*)>;
    using AfterAddHandler = std::function<void(TChartSeries*, int)>;
    using ClearValuesHandler = std::function<void(TChartSeries*)>;

    explicit TChartSeries(QObject* owner = nullptr);
    ~TChartSeries() override;

    // ---- Properties ----
    int Count() const { return xValues_.Count(); }
    double MinX() const { return xValues_.LowestValue(); }
    double MaxX() const { return xValues_.HighestValue(); }
    double MinY() const { return yValues_.LowestValue(); }
    double MaxY() const { return yValues_.HighestValue(); }
    TChartValueList& XValues() { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    const TChartValueList& YValues() const { return yValues_; }
    const std::vector<TChartValueList*>& ValueLists() const { return valueLists_; }
    bool HasColorList() const { return colors_ != nullptr; }
    const std::vector<TColor>* ColorList() const { return colors_.get(); }
    const QStringList& Labels() const { return labels_; }

    CHART_PROPERTY(bool, Active, active_)
    CHART_SETTING(QString, Title, title_)
    TColor SeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(TColor value) { Store(seriesColor_, value); }
    CHART_SETTING(QString, ValueFormat, valueFormat_)
    CHART_SETTING(QString, PercentFormat, percentFormat_)
    CHART_PROPERTY(ChartEnums::THorizAxis, HorizAxis, horizAxis_)
    CHART_PROPERTY(ChartEnums::TVertAxis, VertAxis, vertAxis_)

    TCustomAxisPanel* ParentChart() const { return parentChart_; }
    void SetParentChart(TCustomAxisPanel* chart);
    TChartAxis* GetHorizAxis() const;
    TChartAxis* GetVertAxis() const;
    bool AssociatedToAxis(const TChartAxis* axis) const;

    int FirstVisibleIndex() const { return firstVisibleIndex_; }
    int LastVisibleIndex() const { return lastVisibleIndex_; }

    BeforeAddHandler OnBeforeAdd;
    AfterAddHandler OnAfterAdd;
    ClearValuesHandler OnClearValues;

    // ---- Operations ----
    int AddPoint(double x, double y, const QString& label = QString(), TColor color = clDefault);
    void ClearPoints();
    TColor PointColor(int index) const;
    bool IsNull(int index) const { return PointColor(index) == clNone; }
    bool HasLabels() const { return !labels_.isEmpty(); }

    // ---- Drawing, called by the chart panel ----
    // Extra pixels the series needs at both ends of each axis.
    virtual void CalcHorizMargins(int& left, int& right) const;
    virtual void CalcVerticalMargins(int& top, int& bottom) const;
    virtual void CalcFirstLastVisibleIndex();
    virtual void DrawAllValues(QPainter& painter) = 0;
    // True when (x, y) lies on the drawn line.
    virtual bool Clicked(int x, int y) const;

    // Used by the value lists' constructor.
    void RegisterValueList(TChartValueList* list) { valueLists_.push_back(list); }

protected:
    // A point has been added at `index` (after the lists changed and OnAfterAdd ran).
    virtual void NotifyPointAdded(int index);
    void RequestRepaint();

    int firstVisibleIndex_ = -1;
    int lastVisibleIndex_ = -1;

private:
    void ScanVisibleRange(double leftValue, double rightValue);

    std::vector<TChartValueList*> valueLists_;
    TChartValueList xValues_;
    TChartValueList yValues_;
    std::unique_ptr<std::vector<TColor>> colors_;
    QStringList labels_;
    bool active_ = true;
    QString title_;
    TColor seriesColor_ = clDefault;
    QString valueFormat_ = QStringLiteral("#,##0.###");
    QString percentFormat_ = QStringLiteral("##0.## %");
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TCustomAxisPanel* parentChart_ = nullptr;
};
