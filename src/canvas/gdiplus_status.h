#pragma once

#include <cairo.h>

#include <string>

namespace quil {

// The backend's status numbers, as its error texts name them.
enum TGPStatus : int {
  gsOk = 0,
  gsGenericError = 1,
  gsInvalidParameter = 2,
  gsOutOfMemory = 3,
  gsObjectBusy = 4,
  gsInsufficientBuffer = 5,
  gsNotImplemented = 6,
  gsWin32Error = 7,
  gsWrongState = 8,
  gsAborted = 9,
  gsFileNotFound = 10,
  gsValueOverflow = 11,
  gsAccessDenied = 12,
  gsUnknownImageFormat = 13,
  gsFontFamilyNotFound = 14,
  gsFontStyleNotFound = 15,
  gsNotTrueTypeFont = 16,
  gsUnsupportedGdiplusVersion = 17,
  gsGdiplusNotInitialized = 18,
  gsPropertyNotFound = 19,
  gsPropertyNotSupported = 20,
};

// "Ok", "Generic Error", ... for 0..20; "Unknown Status" for anything else.
std::string GDIPlusStatusText(int status);
// "GDI+ Error: " + number + " " + text.
std::string GDIPlusErrorMessage(int status);
// The status a Cairo failure stands for.
TGPStatus GDIPlusStatusOf(cairo_status_t status);
// Raises EQuilError with the error message when Cairo reports a failure.
void CheckGDIPlusStatus(cairo_status_t status);

}  // namespace quil
