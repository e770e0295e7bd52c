#pragma once
// One dimension of a series' points (X or Y): the values in the order the list demands, storage
// grown in fixed steps, and statistics computed only when read after a change.

#include "chart/ChartEnums.h"

#include <QString>

#include <vector>

class TChartSeries;

class TChartValueList {
public:
    // Process-wide growth step of every list's storage.
    static inline int DefaultCapacityStep = 1000;

    TChartValueList(TChartSeries* owner, const QString& name);

    // ---- Properties ----
    int Count() const { return count_; }
    int Capacity() const { return static_cast<int>(storage_.size()); }
    bool DateTime = false;
    QString Name() const { return name_; }
    TChartListOrder Order = loNone;
    double PendingValue = 0;
    QString ValueSource;
    bool Modified() const { return modified_; }
    TChartSeries* Owner() const { return owner_; }

    double Value(int index) const { return storage_[static_cast<std::size_t>(index)]; }
    double operator[](int index) const { return Value(index); }
    void SetValue(int index, double value);
    const double* Data() const { return storage_.data(); }

    double First() const { return Value(0); }
    double Last() const { return Value(count_ - 1); }
    double LowestValue() const { return Stats().lowest; }
    double HighestValue() const { return Stats().highest; }
    double Sum() const { return Stats().sum; }
    double SumAbs() const { return Stats().sumAbs; }
    double Range() const { return Stats().highest - Stats().lowest; }
    // Every value is a finite number, and each is at least the one before: what lets a drawing
    // find the points of a pixel column by bisection. Recomputed with the statistics.
    bool AllFinite() const { return Stats().allFinite; }
    bool NonDecreasing() const { return Stats().nonDecreasing; }

    // ---- Operations ----
    // Stores PendingValue where Order puts it (equal values after their equals); returns the index.
    int AddValue();
    void InsertValue(int index, double value);
    void DeleteValue(int index);
    void ClearValues();

private:
    struct Statistics {
        double lowest = 0;
        double highest = 0;
        double sum = 0;
        double sumAbs = 0;
        bool allFinite = true;
        bool nonDecreasing = true;
    };

    void GrowIfFull();
    // The statistics, computed again first when the values changed since they were last read.
    const Statistics& Stats() const;

    TChartSeries* owner_;
    QString name_;
    int count_ = 0;
    std::vector<double> storage_;
    mutable bool modified_ = true;
    mutable Statistics stats_;
};
