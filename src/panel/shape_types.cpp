#include "panel/shape_types.h"

namespace quil {

const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

const TEnumInfo& ShapeStyleInfo() {
  static const TEnumInfo info{"ROvedeObjectShapeStyle", {"fosRectangle", "fosRoundRectangle", "fosEllipse"}};
  return info;
}

const TEnumInfo& ShapeLayoutInfo() {
  static const TEnumInfo info{"TQuilShapeLayout", {"slTopBottom", "slLeftRight"}};
  return info;
}

const TEnumInfo& ShapeCalloutSideInfo() {
  static const TEnumInfo info{"TShapeCalloutSide", {"csNone", "csLeft", "csTop", "csRight", "csBottom"}};
  return info;
}

const TEnumInfo& VertTextAlignInfo() {
  static const TEnumInfo info{"TVertTextAlign", {"vtaCenter", "vtaTop", "vtaBottom"}};
  return info;
}

const TEnumInfo& MarginUnitsInfo() {
  static const TEnumInfo info{"TMarginUnits", {"maPercentFont", "maPercentSize", "maPixels"}};
  return info;
}

const TEnumInfo& TextFormatInfo() {
  static const TEnumInfo info{"TTextFormat", {"ttfNormal", "ttfHtml"}};
  return info;
}

}  // namespace quil
