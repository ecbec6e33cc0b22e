#pragma once

#include <string>

namespace quil {

// Every user-visible text of the library lives in one of these variables. They are empty
// until the start-up fills them (InitializeMessages) and emptied again at shut-down, so a
// translation can replace them in one place.

// A single carriage return, used inside several message texts.
extern std::string NewLine;

// Fonts.
extern std::string QuilMsg_DefaultFontName;
extern std::string QuilMsg_DefaultFontSize;

// Value pictures.
extern std::string QuilMsg_DefValueFormat;
extern std::string QuilMsg_DefPercentFormat;

// Axis settings.
extern std::string QuilMsg_AxisMinMax;
extern std::string QuilMsg_AxisMaxMin;
extern std::string QuilMsg_AxisIncrementNeg;
extern std::string QuilMsg_AxisLogBase;
extern std::string QuilMsg_AxisLogNotPositive;
extern std::string QuilMsg_AxisLabelSep;

// Series.
extern std::string QuilMsg_ValuesX;
extern std::string QuilMsg_ValuesY;
extern std::string QuilMsg_Series;
extern std::string QuilMsg_SeriesDelete;

// Legend settings.
extern std::string QuilMsg_LegendFirstValue;
// Colour palettes: the names of the built-in palettes and the registry's "Default" entry.
extern std::string QuilMsg_Default;
extern std::string QuilMsg_ThemeLumora;
extern std::string QuilMsg_ThemeExcel;
extern std::string QuilMsg_ThemeVictorian;
extern std::string QuilMsg_ThemePastels;
extern std::string QuilMsg_ThemeSolid;
extern std::string QuilMsg_ThemeClassic;
extern std::string QuilMsg_ThemeWeb;
extern std::string QuilMsg_ThemeModern;
extern std::string QuilMsg_ThemeRainbow;
extern std::string QuilMsg_ThemeWinXP;
extern std::string QuilMsg_ThemeMacOS;
extern std::string QuilMsg_ThemeWinVista;
extern std::string QuilMsg_ThemeGrayScale;
extern std::string QuilMsg_ThemeOpera;
extern std::string QuilMsg_ThemeWarm;
extern std::string QuilMsg_ThemeCool;
extern std::string QuilMsg_ThemeBlack;
extern std::string QuilMsg_Metro;
extern std::string QuilMsg_iOSPalette;
extern std::string QuilMsg_AndroidPalette;
extern std::string QuilMsg_LookoutPalette;
extern std::string QuilMsg_SeawashPalette;
extern std::string QuilMsg_ActivityPalette;

// Value palettes of 3D series and their files.
extern std::string QuilMsg_Color;
extern std::string QuilMsg_UpToValue;
extern std::string QuilMsg_PaletteSteps;
extern std::string QuilMsg_PaletteFileOpen;
extern std::string QuilMsg_PaletteFileWrite;
extern std::string QuilMsg_PaletteFileEmpty;
extern std::string QuilMsg_PaletteFileLine;
extern std::string QuilMsg_PaletteFileTooMany;
extern std::string QuilMsg_PaletteFileTooLarge;
extern std::string QuilMsg_PaletteFileBinary;

// Grid index of 3D grid series.
extern std::string QuilMsg_NoValueAtXZ;
extern std::string QuilMsg_GridPosition;
extern std::string QuilMsg_GridSize;
extern std::string QuilMsg_GridTooManyValues;

// Data files of surfaces.
extern std::string QuilMsg_DataFileOpen;
extern std::string QuilMsg_DataFileRead;
extern std::string QuilMsg_DataFileEmpty;
extern std::string QuilMsg_DataFileBinary;
extern std::string QuilMsg_DataFileLongLine;
extern std::string QuilMsg_DataFileNumber;
extern std::string QuilMsg_DataFileRagged;
extern std::string QuilMsg_DataFilePointFields;
extern std::string QuilMsg_DataFilePosition;
extern std::string QuilMsg_DataFileInfinite;
extern std::string QuilMsg_DataFileDuplicate;
extern std::string QuilMsg_DataFileTooSmall;
extern std::string QuilMsg_DataFileTooLarge;
extern std::string QuilMsg_DataFileTooManyValues;

// The legend palette tool.
extern std::string QuilMsg_LegendPalette;
extern std::string QuilMsg_LegendPaletteDesc;

void InitializeMessages();
void FinalizeMessages();

}  // namespace quil
