#pragma once
// The enumerations of the chart component, with their published value names. They live in one
// namespace known to the meta-object system (so properties show their names) and are brought into
// the global scope, as the component's users write them unqualified (loAscending, bvLowered).

#include <QObject>

namespace ChartEnums {
Q_NAMESPACE

enum TChartListOrder { loNone, loAscending, loDescending };
Q_ENUM_NS(TChartListOrder)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TChartUnits { muPercent, muPixels };
Q_ENUM_NS(TChartUnits)

enum TGradientDirection {
    gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft,
    gdFromBottomLeft, gdRadial, gdDiagonalUp, gdDiagonalDown
};
Q_ENUM_NS(TGradientDirection)

enum TChartBackImageMode { pbmStretch, pbmTile, pbmCenter, pbmCustom };
Q_ENUM_NS(TChartBackImageMode)

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
Q_ENUM_NS(TAxisLabelStyle)

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
Q_ENUM_NS(TPenStyle)

enum TPenEndStyle { esRound, esSquare, esFlat };
Q_ENUM_NS(TPenEndStyle)

enum TBrushStyle { bsSolid, bsClear };
Q_ENUM_NS(TBrushStyle)

enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };
Q_ENUM_NS(TTreatNullsStyle)

enum TChartZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
Q_ENUM_NS(TChartZoomDirection)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
Q_ENUM_NS(TPanningMode)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TChartFrameShape { fosRectangle, fosRoundRectangle, fosEllipse };
Q_ENUM_NS(TChartFrameShape)

enum THorizAxis { aTopAxis, aBottomAxis };
Q_ENUM_NS(THorizAxis)

enum TVertAxis { aLeftAxis, aRightAxis };
Q_ENUM_NS(TVertAxis)

}  // namespace ChartEnums

using namespace ChartEnums;  // NOLINT: the published names are used unqualified
