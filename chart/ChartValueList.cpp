#include "chart/ChartValueList.h"

#include "chart/ChartSeries.h"

#include <algorithm>
#include <cmath>

TChartValueList::TChartValueList(TChartSeries* owner, const QString& name)
    : owner_(owner), name_(name)
{
    if (owner_)
        owner_->RegisterValueList(this);
}

void TChartValueList::SetValue(int index, double value)
{
    storage_[static_cast<std::size_t>(index)] = value;
    modified_ = true;
}

void TChartValueList::GrowIfFull()
{
    if (count_ == Capacity())
        storage_.resize(storage_.size() + static_cast<std::size_t>(DefaultCapacityStep));
}

int TChartValueList::AddValue()
{
    const double v = PendingValue;
    int index = count_;
    if (count_ > 0) {
        if (Order == loAscending && v < Value(count_ - 1)) {
            index = count_ - 1;
            while (index >= 0 && Value(index) > v)
                --index;
            ++index;
        } else if (Order == loDescending && v > Value(count_ - 1)) {
            index = count_ - 1;
            while (index >= 0 && Value(index) < v)
                --index;
            ++index;
        }
    }
    if (index == count_) {
        GrowIfFull();
        storage_[static_cast<std::size_t>(count_)] = v;
        ++count_;
        modified_ = true;
    } else {
        InsertValue(index, v);
    }
    return index;
}

void TChartValueList::InsertValue(int index, double value)
{
    GrowIfFull();
    double* data = storage_.data();
    std::copy_backward(data + index, data + count_, data + count_ + 1);
    data[index] = value;
    ++count_;
    modified_ = true;
}

void TChartValueList::DeleteValue(int index)
{
    double* data = storage_.data();
    std::copy(data + index + 1, data + count_, data + index);
    --count_;
    modified_ = true;
}

void TChartValueList::ClearValues()
{
    count_ = 0;
    std::vector<double>().swap(storage_);
    modified_ = true;
}

void TChartValueList::RecalcStats() const
{
    if (!modified_)
        return;
    if (count_ == 0) {
        lowest_ = highest_ = sum_ = sumAbs_ = 0;
        allFinite_ = nonDecreasing_ = true;
    } else {
        sum_ = Value(0);
        sumAbs_ = std::fabs(Value(0));
        for (int i = 1; i < count_; ++i) {
            sum_ += Value(i);
            sumAbs_ += std::fabs(Value(i));
        }
        // NaN and infinite values are gaps in the line, so they do not stretch the range.
        bool any = false;
        lowest_ = highest_ = 0;
        allFinite_ = true;
        nonDecreasing_ = true;
        for (int i = 0; i < count_; ++i) {
            const double v = Value(i);
            // A quiet comparison: a NaN raises no floating-point flag here.
            if (i > 0 && !std::isgreaterequal(v, Value(i - 1)))
                nonDecreasing_ = false;
            if (!std::isfinite(v)) {
                allFinite_ = false;
                continue;
            }
            if (!any || v < lowest_)
                lowest_ = v;
            if (!any || v > highest_)
                highest_ = v;
            any = true;
        }
    }
    modified_ = false;
}

double TChartValueList::LowestValue() const
{
    RecalcStats();
    return lowest_;
}

double TChartValueList::HighestValue() const
{
    RecalcStats();
    return highest_;
}

double TChartValueList::Sum() const
{
    RecalcStats();
    return sum_;
}

double TChartValueList::SumAbs() const
{
    RecalcStats();
    return sumAbs_;
}

double TChartValueList::Range() const
{
    RecalcStats();
    return highest_ - lowest_;
}

bool TChartValueList::AllFinite() const
{
    RecalcStats();
    return allFinite_;
}

bool TChartValueList::NonDecreasing() const
{
    RecalcStats();
    return nonDecreasing_;
}
