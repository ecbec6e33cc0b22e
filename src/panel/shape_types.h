#pragma once

#include <cstdint>

#include "core/properties.h"
#include "panel/panel_no_caption.h"
#include "panel/quil_panel.h"

namespace quil {

// Horizontal placement: of a shape by its owner, of a child in its parent, of a box's text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum ROvedeObjectShapeStyle : uint8_t { fosRectangle, fosRoundRectangle, fosEllipse };
// slTopBottom stacks child shapes downwards, slLeftRight side by side.
enum TQuilShapeLayout : uint8_t { slTopBottom, slLeftRight };
enum TShapeCalloutSide : uint8_t { csNone, csLeft, csTop, csRight, csBottom };
enum TVertTextAlign : uint8_t { vtaCenter, vtaTop, vtaBottom };
enum TMarginUnits : uint8_t { maPercentFont, maPercentSize, maPixels };
// The bevel inside a shape's frame is the panel's kind of bevel.
using TBevelCut = TPanelBevel;
using TTextFormat = TQuilTextFormat;

const TEnumInfo& AlignmentInfo();
const TEnumInfo& ShapeStyleInfo();
const TEnumInfo& ShapeLayoutInfo();
const TEnumInfo& ShapeCalloutSideInfo();
const TEnumInfo& VertTextAlignInfo();
const TEnumInfo& MarginUnitsInfo();
const TEnumInfo& TextFormatInfo();

}  // namespace quil
