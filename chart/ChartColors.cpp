#include "chart/ChartColors.h"

#include <QPalette>

TColor ColorToRGB(TColor color, const QPalette& palette)
{
    if ((color & 0xFF000000u) == clSystemColor) {
        QPalette::ColorRole role = QPalette::Button;
        switch (color) {
        case clHighlight: role = QPalette::Highlight; break;
        case clBtnFace: role = QPalette::Button; break;
        case clBtnShadow: role = QPalette::Dark; break;
        case clBtnHighlight: role = QPalette::Light; break;
        case clWindow: role = QPalette::Base; break;
        case clWindowText: role = QPalette::WindowText; break;
        default: break;
        }
        const QColor c = palette.color(QPalette::Active, role);
        return RGBToColor(c.red(), c.green(), c.blue());
    }
    if (color == clDefault || color == clNone)
        return clBlack;
    return color & 0x00FFFFFFu;
}

QColor ColorToQColor(TColor color, const QPalette& palette)
{
    const TColor rgb = ColorToRGB(color, palette);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}
