#pragma once
// The colour of the text a form's label or panel writes (its palette's window text).

#include <QColor>
#include <QPalette>
#include <QWidget>

inline void SetTextColour(QWidget* widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    widget->setPalette(palette);
}
