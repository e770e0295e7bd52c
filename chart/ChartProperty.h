#pragma once
// One line declares a property of a chart part: moc's Q_PROPERTY, the getter and the setter
// together, so a property's type, name and field are written once. The class has a
// Store(field, value) that keeps the value and reacts only when it really differs (a chart part
// announces Changed(), a chart panel repaints).

// A property whose setter only stores the value.
#define CHART_PROPERTY(Type, Name, field)              \
    Q_PROPERTY(Type Name READ Name WRITE Set##Name)    \
    Type Name() const { return field; }                \
    void Set##Name(const Type& value) { Store(field, value); }

// A property whose setter does more than store; the setter is written in the .cpp file.
#define CHART_PROPERTY_SET(Type, Name, field)          \
    Q_PROPERTY(Type Name READ Name WRITE Set##Name)    \
    Type Name() const { return field; }                \
    void Set##Name(Type value);

// A part the owner keeps (a pen, a font, a title): read-only, changed through its own properties.
#define CHART_SUBPART(Type, Name, field) \
    Q_PROPERTY(Type* Name READ Name)     \
    Type* Name() const { return field; }

// A setting of a plain object (no change announcement): the setter only stores the value.
#define CHART_SETTING(Type, Name, field)               \
    Q_PROPERTY(Type Name READ Name WRITE Set##Name)    \
    Type Name() const { return field; }                \
    void Set##Name(const Type& value) { field = value; }
