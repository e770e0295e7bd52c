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

const TChartValueList::Statistics& TChartValueList::Stats() const
{
    if (!modified_)
        return stats_;
    Statistics st;
    if (count_ > 0) {
        st.sum = Value(0);
        st.sumAbs = std::fabs(Value(0));
        for (int i = 1; i < count_; ++i) {
            st.sum += Value(i);
            st.sumAbs += std::fabs(Value(i));
        }
        // NaN and infinite values are gaps in the line, so they do not stretch the range.
        bool any = false;
        for (int i = 0; i < count_; ++i) {
            const double v = Value(i);
            // A quiet comparison: a NaN raises no floating-point flag here.
            if (i > 0 && !std::isgreaterequal(v, Value(i - 1)))
                st.nonDecreasing = false;
            if (!std::isfinite(v)) {
                st.allFinite = false;
                continue;
            }
            if (!any || v < st.lowest)
                st.lowest = v;
            if (!any || v > st.highest)
                st.highest = v;
            any = true;
        }
    }
    stats_ = st;
    modified_ = false;
    return stats_;
}
