#pragma once
// The forms' font: "MS Sans Serif" at a size in pixels. The program entry maps the family to a
// font of the same metrics, so every caption keeps its designed width.

#include <QFont>

inline QFont FormFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
