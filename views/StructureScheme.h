#pragma once
// The labelled scheme of the mechanism's structure: the primary mechanism I(0, driver) and each
// Assur group apart, in the order they are attached, with their links' numbers, their pairs'
// letters (a circle for a rotational pair, a slider on its guide for a translational one, hatching
// where a pair belongs to the frame) and the group's class, order and kind underneath. Painted
// through QPainter onto any device, so a PDF keeps it as vectors.

#include "kinematics/Structure.h"

#include <QRectF>

#include <functional>

class QPainter;

// The size the scheme is laid out for (device pixels at 96 dpi); it scales to any box.
constexpr double kStructureSchemeWidth = 660;
constexpr double kStructureSchemeHeight = 190;

// Paints the scheme of `s` scaled into `box`, keeping its proportions.
void PaintStructureScheme(QPainter& painter, const QRectF& box, const StructuralAnalysis& s);

// The scheme of this program's mechanism, as the report paints it into a box of its page.
std::function<void(QPainter&, const QRectF&)> MechanismSchemePainter();
