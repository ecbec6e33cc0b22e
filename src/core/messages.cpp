#include "core/messages.h"

#include <functional>
#include <utility>
#include <vector>

namespace quil {

std::string NewLine;
std::string QuilMsg_DefaultFontName;
std::string QuilMsg_DefaultFontSize;
std::string QuilMsg_DefValueFormat;
std::string QuilMsg_DefPercentFormat;
std::string QuilMsg_AxisMinMax;
std::string QuilMsg_AxisMaxMin;
std::string QuilMsg_AxisIncrementNeg;
std::string QuilMsg_AxisLogBase;
std::string QuilMsg_AxisLogNotPositive;
std::string QuilMsg_AxisLabelSep;
std::string QuilMsg_ValuesX;
std::string QuilMsg_ValuesY;
std::string QuilMsg_Series;
std::string QuilMsg_SeriesDelete;
std::string QuilMsg_LegendFirstValue;
std::string QuilMsg_Default;
std::string QuilMsg_ThemeLumora;
std::string QuilMsg_ThemeExcel;
std::string QuilMsg_ThemeVictorian;
std::string QuilMsg_ThemePastels;
std::string QuilMsg_ThemeSolid;
std::string QuilMsg_ThemeClassic;
std::string QuilMsg_ThemeWeb;
std::string QuilMsg_ThemeModern;
std::string QuilMsg_ThemeRainbow;
std::string QuilMsg_ThemeWinXP;
std::string QuilMsg_ThemeMacOS;
std::string QuilMsg_ThemeWinVista;
std::string QuilMsg_ThemeGrayScale;
std::string QuilMsg_ThemeOpera;
std::string QuilMsg_ThemeWarm;
std::string QuilMsg_ThemeCool;
std::string QuilMsg_ThemeBlack;
std::string QuilMsg_Metro;
std::string QuilMsg_iOSPalette;
std::string QuilMsg_AndroidPalette;
std::string QuilMsg_LookoutPalette;
std::string QuilMsg_SeawashPalette;
std::string QuilMsg_ActivityPalette;
std::string QuilMsg_Color;
std::string QuilMsg_UpToValue;
std::string QuilMsg_PaletteSteps;
std::string QuilMsg_PaletteFileOpen;
std::string QuilMsg_PaletteFileWrite;
std::string QuilMsg_PaletteFileEmpty;
std::string QuilMsg_PaletteFileLine;
std::string QuilMsg_PaletteFileTooMany;
std::string QuilMsg_PaletteFileTooLarge;
std::string QuilMsg_PaletteFileBinary;
std::string QuilMsg_NoValueAtXZ;
std::string QuilMsg_GridPosition;
std::string QuilMsg_GridSize;
std::string QuilMsg_GridTooManyValues;
std::string QuilMsg_DataFileOpen;
std::string QuilMsg_DataFileRead;
std::string QuilMsg_DataFileEmpty;
std::string QuilMsg_DataFileBinary;
std::string QuilMsg_DataFileLongLine;
std::string QuilMsg_DataFileNumber;
std::string QuilMsg_DataFileRagged;
std::string QuilMsg_DataFilePointFields;
std::string QuilMsg_DataFilePosition;
std::string QuilMsg_DataFileInfinite;
std::string QuilMsg_DataFileDuplicate;
std::string QuilMsg_DataFileTooSmall;
std::string QuilMsg_DataFileTooLarge;
std::string QuilMsg_DataFileTooManyValues;
std::string QuilMsg_LegendPalette;
std::string QuilMsg_LegendPaletteDesc;

namespace {

constexpr char QuilLineBreak = 13;

// Each variable with its English text.
const std::vector<std::pair<std::reference_wrapper<std::string>, const char*>>& Texts() {
  static const std::vector<std::pair<std::reference_wrapper<std::string>, const char*>> texts = {
      {QuilMsg_DefaultFontName, "Arial"},
      {QuilMsg_DefaultFontSize, "8"},
      {QuilMsg_DefValueFormat, "#,##0.###"},
      {QuilMsg_DefPercentFormat, "##0.## %"},
      {QuilMsg_AxisMinMax, "Axis Minimum Value must be <= Maximum"},
      {QuilMsg_AxisMaxMin, "Axis Maximum Value must be >= Minimum"},
      {QuilMsg_AxisIncrementNeg, "Axis increment must be >= 0"},
      {QuilMsg_AxisLogBase, "Axis Logarithmic Base should be <> 1 and > 0"},
      {QuilMsg_AxisLogNotPositive, "Logarithmic Axis Min and Max values should be >= 0"},
      {QuilMsg_AxisLabelSep, "Labels Separation % must be greater than 0"},
      {QuilMsg_ValuesX, "X"},
      {QuilMsg_ValuesY, "Y"},
      {QuilMsg_Series, "Series"},
      {QuilMsg_SeriesDelete, "Series Delete: ValueIndex %d out of bounds (0 to %d)."},
      {QuilMsg_LegendFirstValue, "Legend First Value must be >= 0"},
      {QuilMsg_Default, "Default"},
      {QuilMsg_ThemeLumora, "Lumora"},
      {QuilMsg_ThemeExcel, "Excel"},
      {QuilMsg_ThemeVictorian, "Victorian"},
      {QuilMsg_ThemePastels, "Pastels"},
      {QuilMsg_ThemeSolid, "Solid"},
      {QuilMsg_ThemeClassic, "Classic"},
      {QuilMsg_ThemeWeb, "Web"},
      {QuilMsg_ThemeModern, "Modern"},
      {QuilMsg_ThemeRainbow, "Rainbow"},
      {QuilMsg_ThemeWinXP, "Win. XP"},
      {QuilMsg_ThemeMacOS, "Mac OS"},
      {QuilMsg_ThemeWinVista, "Win. Vista"},
      {QuilMsg_ThemeGrayScale, "Gray scale"},
      {QuilMsg_ThemeOpera, "Opera"},
      {QuilMsg_ThemeWarm, "Warm"},
      {QuilMsg_ThemeCool, "Cool"},
      {QuilMsg_ThemeBlack, "BlackIsBack"},
      {QuilMsg_Metro, "Metro"},
      {QuilMsg_iOSPalette, "iOS"},
      {QuilMsg_AndroidPalette, "Android"},
      {QuilMsg_LookoutPalette, "Lookout"},
      {QuilMsg_SeawashPalette, "Seawash"},
      {QuilMsg_ActivityPalette, "Activity"},
      {QuilMsg_Color, "Color"},
      {QuilMsg_UpToValue, "Up to Value"},
      {QuilMsg_PaletteSteps, "Palette steps must not exceed %d"},
      {QuilMsg_PaletteFileOpen, "Cannot open palette file %s"},
      {QuilMsg_PaletteFileWrite, "Cannot write palette file %s"},
      {QuilMsg_PaletteFileEmpty, "Palette file %s holds no palette"},
      {QuilMsg_PaletteFileLine, "Palette file %s, line %d is not a colour followed by a value"},
      {QuilMsg_PaletteFileTooMany, "Palette file %s holds more than %d entries"},
      {QuilMsg_PaletteFileTooLarge, "Palette file %s is larger than %d bytes"},
      {QuilMsg_PaletteFileBinary, "Palette file %s is not a text file"},
      {QuilMsg_NoValueAtXZ, "No value found at XZ: %d %d"},
      {QuilMsg_GridPosition, "Grid position %d %d is outside the grid (%d to %d, %d to %d)"},
      {QuilMsg_GridSize, "Grid of %d x %d values is not possible: sizes are 0 or more and a grid holds at most %d cells"},
      {QuilMsg_GridTooManyValues, "Irregular grid has more than %d different %s values"},
      {QuilMsg_DataFileOpen, "Cannot open data file %s: %s"},
      {QuilMsg_DataFileRead, "Cannot read data file %s: %s"},
      {QuilMsg_DataFileEmpty, "Data file %s holds no points"},
      {QuilMsg_DataFileBinary, "Data file %s, line %d: not a text file"},
      {QuilMsg_DataFileLongLine, "Data file %s, line %d is longer than %d bytes"},
      {QuilMsg_DataFileNumber, "Data file %s, line %d: \"%s\" is not a number"},
      {QuilMsg_DataFileRagged, "Data file %s, line %d has %d values, the lines before it %d"},
      {QuilMsg_DataFilePointFields, "Data file %s, line %d has %d values; a point is x, y, z"},
      {QuilMsg_DataFilePosition, "Data file %s, line %d: x and z must be finite numbers"},
      {QuilMsg_DataFileInfinite, "Data file %s, line %d: a height is infinite"},
      {QuilMsg_DataFileDuplicate, "Data file %s, line %d repeats the point x = %s, z = %s of line %d"},
      {QuilMsg_DataFileTooSmall, "Data file %s makes no surface: it needs at least two different x and two different z values"},
      {QuilMsg_DataFileTooLarge, "Data file %s holds more than %d points"},
      {QuilMsg_DataFileTooManyValues, "Data file %s: the points do not form a grid (%d different x and %d different z values)"},
      {QuilMsg_LegendPalette, "Legend Palette"},
      {QuilMsg_LegendPaletteDesc, "Displays legend made with 3D series palette colors"},
  };
  return texts;
}

}  // namespace

void InitializeMessages() {
  NewLine.assign(1, QuilLineBreak);
  for (const auto& [variable, text] : Texts()) variable.get().assign(text);
}

void FinalizeMessages() {
  NewLine.clear();
  for (const auto& entry : Texts()) entry.first.get().clear();
}

}  // namespace quil
