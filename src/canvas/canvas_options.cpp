#include "canvas/canvas_types.h"

namespace quil {

int NumCirclePoints = 180;
int QuilFontAntiAlias = 4;
int QuilNumCylinderSides = 32;
int QuilDefaultConePercent = 0;
int QuilCheckBoxSize = 11;
bool QuilCheckPenWidth = false;

}  // namespace quil
