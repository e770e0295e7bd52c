#pragma once
// Property setters of the chart store a new value and announce a change only when the value
// really differs, so setting a property to what it holds never causes a repaint.

// Stores `value` into `field`; true when the field changed.
template <typename T>
bool StoreProperty(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
