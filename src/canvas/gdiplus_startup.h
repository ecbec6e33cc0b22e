#pragma once

#include <pango/pango.h>

#include "canvas/gdiplus_status.h"

namespace quil {

// The anti-aliased backend is started and stopped with the program, like a library that needs
// its own start-up; the calls are counted, so nested start-ups need as many shut-downs.
void GDIPlusStartup();
void GDIPlusShutdown();
bool GDIPlusStarted();

// What creating a probe brush answers: gsGdiplusNotInitialized before start-up or after the
// last shut-down, otherwise the backend's own status (gsOk when it can draw).
TGPStatus GDIPlusProbe();

// The font map every anti-aliased canvas lays text out with; null while not started. A canvas
// that keeps it takes its own reference.
PangoFontMap* GDIPlusFontMap();

}  // namespace quil
